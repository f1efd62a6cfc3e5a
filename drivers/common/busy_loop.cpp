#include "drivers/common/busy_loop.h"

#include <atomic>

namespace brennix::drivers {
namespace {

std::atomic<std::uint64_t> idled{0};

}  // namespace

void busyLoop(std::int32_t iterations) {
    // volatile keeps the optimiser from dropping the loop.
    volatile std::int32_t i = 0;
    while (i < iterations) {
        i = i + 1;
    }
    if (iterations > 0) {
        idled.fetch_add(static_cast<std::uint64_t>(iterations), std::memory_order_relaxed);
    }
}

std::uint64_t busyLoopIterations() {
    return idled.load(std::memory_order_relaxed);
}

}  // namespace brennix::drivers
