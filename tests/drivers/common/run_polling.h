#pragma once
// Drives a block run the way the analog-input control does: a settling pause
// after the start, then status polls until the run reports done or five
// seconds have passed, all in the installed (virtual) clock.

#include <cstdint>

#include "platform/hw/clock.h"

namespace brennix::drivers::testing {

struct PollOutcome {
    bool finished = false;
    std::int32_t count = 0;
    std::uint32_t elapsedMilliseconds = 0;
};

template <class Status>
PollOutcome pollUntilDone(Status status) {
    std::uint32_t started = hw::tickCount();
    hw::sleep(500);
    PollOutcome outcome;
    std::int32_t running = 1;
    while (hw::tickCount() - started <= 5500) {
        if (status(&running, &outcome.count) != 0) {
            break;
        }
        if (running == 0) {
            outcome.finished = true;
            break;
        }
        hw::sleep(1);
    }
    outcome.elapsedMilliseconds = hw::tickCount() - started;
    return outcome;
}

}  // namespace brennix::drivers::testing
