#pragma once
// The brennix-config command line, runnable in-process for tests.

#include <ostream>
#include <string>
#include <vector>

namespace brennix::config {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the store or the device said no
inline constexpr int kExitUsage = 2;   // the command line was wrong

// `args` excludes the program name. Results go to `out`; warnings and
// errors to `err`.
int runConfig(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brennix::config
