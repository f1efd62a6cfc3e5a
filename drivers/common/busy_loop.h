#pragma once
// Settling delays are counted in loop iterations, not in time: the boards need
// a number of bus cycles, whatever the processor's speed.

#include <cstdint>

namespace brennix::drivers {

void busyLoop(std::int32_t iterations);

// Iterations idled by every driver since load; tests read the difference.
std::uint64_t busyLoopIterations();

}  // namespace brennix::drivers
