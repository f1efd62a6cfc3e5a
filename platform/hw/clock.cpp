#include "platform/hw/clock.h"

#include <chrono>
#include <thread>
#include <utility>

namespace brennix::hw {
namespace {

class SteadyClock final : public Clock {
  public:
    std::uint64_t nowMicroseconds() override {
        auto since = std::chrono::steady_clock::now() - start_;
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::microseconds>(since).count());
    }
    void sleep(std::uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::shared_ptr<Clock>& installed() {
    static std::shared_ptr<Clock> current = std::make_shared<SteadyClock>();
    return current;
}

}  // namespace

Clock& clock() {
    return *installed();
}

void installClock(std::shared_ptr<Clock> replacement) {
    installed() = replacement ? std::move(replacement) : std::make_shared<SteadyClock>();
}

ScopedClock::ScopedClock(std::shared_ptr<Clock> replacement)
    : previous_(std::exchange(installed(), std::move(replacement))) {}

ScopedClock::~ScopedClock() {
    installed() = std::move(previous_);
}

std::uint64_t nowMicroseconds() {
    return clock().nowMicroseconds();
}

std::uint32_t tickCount() {
    return static_cast<std::uint32_t>(nowMicroseconds() / 1000U);
}

void sleep(std::uint32_t milliseconds) {
    clock().sleep(milliseconds);
}

}  // namespace brennix::hw
