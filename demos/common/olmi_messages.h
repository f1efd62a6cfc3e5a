#pragma once
// The texts the Olmi programs show.

namespace brennix::demos {

inline constexpr const char* kOlmiInitializationError = "Brax-Olmi Initialization Error!";
// Garrow, when a conversion fails: "please install the Brax-Olmi board and its
// driver".
inline constexpr const char* kOlmiInstallMessage = "请安装Brax-Olmi 板卡及其驱动程序！";

}  // namespace brennix::demos
