#pragma once
// The 8254 counter/timer chip: three 16-bit down counters with control words,
// counter latch and read-back commands, low/high byte order and modes 0 to 5.
// Counters are evaluated from the time since their count was loaded, so no
// one has to tick them. Gates are tied high: modes 1 and 5 start counting at
// the load as if triggered then, and a new count in modes 2 and 3 takes
// effect at once rather than at the end of the running period.

#include <array>
#include <cstdint>
#include <optional>

namespace brennix::sim {

class CounterChip {
  public:
    // Counter 2 is clocked by the output of counter 1 (the cascaded pacer).
    CounterChip(std::uint32_t counter0ClockHz, std::uint32_t counterClockHz);

    // Register offsets 0 to 2 are the counters' data, 3 the control word.
    std::uint8_t read(unsigned offset, std::uint64_t now);
    void write(unsigned offset, std::uint8_t value, std::uint64_t now);

    struct CounterView {
        bool loaded = false;  // a complete count was written
        unsigned mode = 0;    // 0 to 5
        unsigned access = 3;  // 1 low only, 2 high only, 3 low then high
        bool bcd = false;
        std::uint32_t reload = 0;    // 1 to 65536 (10000 in BCD)
        std::uint64_t loadedAt = 0;  // microseconds
    };
    CounterView counter(unsigned index) const;

    // The count the counter holds at now (what a latch would freeze).
    std::uint16_t countAt(unsigned index, std::uint64_t now) const;
    // The counter's output pin at now.
    bool outputAt(unsigned index, std::uint64_t now) const;

    // Rising output edges of counter 2 since 'since', for a pacer whose
    // counters 1 and 2 both run in a periodic mode; 0 otherwise.
    // Changes of the pacer counters bump pacerEpoch().
    std::uint64_t pacerPeriodPulses() const;  // divisor 1 x divisor 2, 0 when idle
    std::uint32_t pacerClockHz() const { return clockHz_[1]; }
    std::uint64_t pacerEpoch() const { return pacerEpoch_; }

  private:
    struct Counter {
        std::uint8_t control = 0x30;  // bits 5-0 of the last control word
        unsigned access = 3;
        unsigned mode = 0;
        bool bcd = false;
        bool loaded = false;
        bool writeHighNext = false;
        std::uint8_t pendingLow = 0;
        std::uint32_t reload = 0;
        std::uint64_t loadedAt = 0;
        std::optional<std::uint16_t> frozen;  // mode 0 pauses while a count is half written
        std::optional<std::uint16_t> latched;
        bool readHighNext = false;
        std::optional<std::uint8_t> status;
    };

    std::uint64_t pulsesAt(unsigned index, std::uint64_t now) const;
    std::uint16_t valueAfter(const Counter& counter, std::uint64_t pulses) const;
    void writeControl(std::uint8_t value, std::uint64_t now);
    void writeCount(unsigned index, std::uint8_t value, std::uint64_t now);
    void load(unsigned index, std::uint16_t raw, std::uint64_t now);
    std::uint8_t statusByte(unsigned index, std::uint64_t now) const;

    std::array<Counter, 3> counters_{};
    std::array<std::uint32_t, 3> clockHz_{};
    std::uint64_t pacerEpoch_ = 0;
};

}  // namespace brennix::sim
