#pragma once
// What a run shows while it goes: polled runs count their samples, block
// runs say that they wait and then that the block came. On a terminal one
// polled line is rewritten in place; elsewhere it is written once per
// tenth of the run.

#include <cstdint>
#include <ostream>
#include <string>

namespace brennix::acquire {

class ProgressLine {
  public:
    ProgressLine(std::ostream& err, bool enabled, bool inPlace)
        : err_(err), enabled_(enabled), inPlace_(inPlace) {}

    void polled(std::int32_t done, std::int32_t total);
    // `what`: "interrupt run of 1000 samples at 10000.0 per second".
    void blockWaiting(const std::string& what, double seconds);
    void blockDone(std::size_t delivered, std::int32_t asked);
    // Ends a polled line left open on the terminal.
    void finish();

  private:
    std::ostream& err_;
    bool enabled_;
    bool inPlace_;
    bool open_ = false;
    bool shown_ = false;
    std::uint64_t last_ = 0;
    long long lastTenth_ = 0;
};

}  // namespace brennix::acquire
