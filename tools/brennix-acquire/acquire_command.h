#pragma once
// The brennix-acquire command, runnable in-process for tests.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace brennix::acquire {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the store, the board or a file failed
inline constexpr int kExitUsage = 2;   // the command line was wrong

struct Terminal {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool interactive = false;    // a person can answer on `in`
    bool errIsTerminal = false;  // the progress line may rewrite itself
};

// `args` excludes the program name.
int runAcquire(const std::vector<std::string>& args, Terminal terminal);

}  // namespace brennix::acquire
