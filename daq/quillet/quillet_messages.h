#pragma once
// Every text the digital-input control shows, beside the shared ones.

#include <string_view>

namespace brennix::daq::quillet::text {

inline constexpr std::string_view kReadDataError = "Read data error";

inline constexpr std::string_view kAboutCaption = "About Quillet Control";
inline constexpr std::string_view kAboutText = "Quillet Control, Version 1.0";

}  // namespace brennix::daq::quillet::text
