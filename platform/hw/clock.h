#pragma once
// Sleep and the millisecond tick count, over a clock that tests and the
// simulator can replace with virtual time.

#include <cstdint>
#include <memory>

namespace brennix::hw {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint64_t nowMicroseconds() = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
};

// Time advances only when someone sleeps or advances it.
class VirtualClock final : public Clock {
  public:
    std::uint64_t nowMicroseconds() override { return now_; }
    void sleep(std::uint32_t milliseconds) override { advance(milliseconds * 1000ULL); }
    void advance(std::uint64_t microseconds) { now_ += microseconds; }

  private:
    std::uint64_t now_ = 0;
};

// The counterparts of GetTickCount (wraps after 2^32 ms) and Sleep.
std::uint32_t tickCount();
void sleep(std::uint32_t milliseconds);
std::uint64_t nowMicroseconds();

Clock& clock();
void installClock(std::shared_ptr<Clock> clock);

class ScopedClock {
  public:
    explicit ScopedClock(std::shared_ptr<Clock> clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

  private:
    std::shared_ptr<Clock> previous_;
};

}  // namespace brennix::hw
