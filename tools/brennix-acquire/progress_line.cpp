#include "tools/brennix-acquire/progress_line.h"

#include <cstdio>

#include "platform/hw/clock.h"

namespace brennix::acquire {
namespace {

constexpr std::string_view kPrefix = "brennix-acquire: ";
constexpr std::uint64_t kRewriteEveryMicros = 250'000;

}  // namespace

void ProgressLine::polled(std::int32_t done, std::int32_t total) {
    if (!enabled_) {
        return;
    }
    const long long percent = static_cast<long long>(done) * 100 / total;
    if (inPlace_) {
        std::uint64_t now = hw::nowMicroseconds();
        if (done != total && shown_ && now - last_ < kRewriteEveryMicros) {
            return;
        }
        last_ = now;
    } else if (done != total && percent / 10 == lastTenth_) {
        return;
    }
    lastTenth_ = percent / 10;
    shown_ = true;
    open_ = inPlace_;
    err_ << (inPlace_ ? "\r" : "") << kPrefix << "polled " << done << " of " << total
         << " samples (" << percent << "%)" << (inPlace_ ? "" : "\n") << std::flush;
}

void ProgressLine::blockWaiting(const std::string& what, double seconds) {
    if (!enabled_) {
        return;
    }
    char wait[48];
    std::snprintf(wait, sizeof wait, "%.1f s", seconds);
    // A whole line: the control's messages may come before the block.
    err_ << kPrefix << what << ": waiting about " << wait << " for the block\n" << std::flush;
}

void ProgressLine::blockDone(std::size_t delivered, std::int32_t asked) {
    if (!enabled_) {
        return;
    }
    std::string done = delivered == static_cast<std::size_t>(asked)
                           ? "done, " + std::to_string(delivered) + " samples"
                           : "ended with " + std::to_string(delivered) + " of " +
                                 std::to_string(asked) + " samples";
    err_ << kPrefix << "block " << done << '\n' << std::flush;
}

void ProgressLine::finish() {
    if (open_) {
        err_ << '\n' << std::flush;
        open_ = false;
    }
}

}  // namespace brennix::acquire
