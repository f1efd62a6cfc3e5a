#pragma once
// While it lives, SIGINT and SIGTERM ask the run to stop instead of ending
// the process, so that what was taken can still be saved. A second signal
// ends the process at once, as it would have without this.

#include <string_view>

namespace brennix::acquire {

class StopSignals {
  public:
    // `notice` is written to standard error when the first signal comes.
    explicit StopSignals(std::string_view notice);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The signal that asked to stop, or 0.
    static int received();
};

// "SIGINT", "SIGTERM".
std::string_view signalName(int signal);

}  // namespace brennix::acquire
