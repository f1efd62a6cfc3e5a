#pragma once
// The brennix-acquire command, runnable in-process for tests.

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace brennix::acquire {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the store, the board or a file failed
inline constexpr int kExitUsage = 2;   // the command line was wrong
// A run stopped by a signal exits with 128 and the signal's number, as the
// shell reports a program the signal ended; what was taken is saved.
inline constexpr int kExitSignalBase = 128;

struct Terminal {
    std::istream& in;
    std::ostream& out;           // data only: a CSV or PNG written to "-", help, version
    std::ostream& err;           // every status line and message
    bool interactive = false;    // a person can answer on `in`
    bool errIsTerminal = false;  // the progress line may rewrite itself
    // What the libraries wrote on standard output while they were loaded.
    std::string_view loadOutput = {};
};

// `args` excludes the program name.
int runAcquire(const std::vector<std::string>& args, Terminal terminal);

}  // namespace brennix::acquire
