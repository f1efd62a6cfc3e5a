#include "simulator/counter_chip.h"

#include <algorithm>

namespace brennix::sim {
namespace {

constexpr std::uint64_t kMicrosPerSecond = 1'000'000;

std::uint64_t clockPulses(std::uint32_t hz, std::uint64_t micros) {
    return (micros / kMicrosPerSecond) * hz + (micros % kMicrosPerSecond) * hz / kMicrosPerSecond;
}

std::uint16_t toBcd(std::uint32_t value) {
    value %= 10000;
    return static_cast<std::uint16_t>(((value / 1000) << 12) | (((value / 100) % 10) << 8) |
                                      (((value / 10) % 10) << 4) | (value % 10));
}

std::uint32_t fromBcd(std::uint16_t raw) {
    std::uint32_t value = 0;
    for (int shift = 12; shift >= 0; shift -= 4) {
        value = value * 10 + std::min<std::uint32_t>((raw >> shift) & 0x0F, 9);
    }
    return value;
}

bool periodic(unsigned mode) {
    return mode == 2 || mode == 3;
}

}  // namespace

CounterChip::CounterChip(std::uint32_t counter0ClockHz, std::uint32_t counterClockHz)
    : clockHz_{counter0ClockHz, counterClockHz, 0} {}

std::uint64_t CounterChip::pulsesAt(unsigned index, std::uint64_t now) const {
    const Counter& c = counters_[index];
    if (!c.loaded || now < c.loadedAt) {
        return 0;
    }
    if (index < 2) {
        return clockPulses(clockHz_[index], now - c.loadedAt);
    }
    // Counter 2 counts the rising edges of counter 1's output.
    const Counter& feeder = counters_[1];
    auto edges = [&](std::uint64_t t) -> std::uint64_t {
        if (!feeder.loaded || t < feeder.loadedAt) {
            return 0;
        }
        std::uint64_t p = clockPulses(clockHz_[1], t - feeder.loadedAt);
        if (periodic(feeder.mode)) {
            return p / std::max<std::uint32_t>(feeder.reload, 2);
        }
        return p >= feeder.reload ? 1 : 0;
    };
    return edges(now) - edges(c.loadedAt);
}

std::uint16_t CounterChip::valueAfter(const Counter& c, std::uint64_t pulses) const {
    const std::uint64_t modulus = c.bcd ? 10000 : 65536;
    std::uint64_t n = c.reload;
    std::uint64_t value = 0;
    switch (c.mode) {
        case 2: {
            n = std::max<std::uint64_t>(n, 2);
            value = n - pulses % n;
            break;
        }
        case 3: {
            // Counts down by two, twice per output period; an odd count
            // spends one clock longer in the high half.
            n = std::max<std::uint64_t>(n, 2);
            std::uint64_t phase = pulses % n;
            std::uint64_t highHalf = (n + 1) / 2;
            std::uint64_t start = n & ~std::uint64_t{1};
            value = phase < highHalf ? start - 2 * phase : start - 2 * (phase - highHalf);
            break;
        }
        default:
            value = (n + modulus - pulses % modulus) % modulus;
            break;
    }
    value %= modulus;
    return c.bcd ? toBcd(static_cast<std::uint32_t>(value)) : static_cast<std::uint16_t>(value);
}

std::uint16_t CounterChip::countAt(unsigned index, std::uint64_t now) const {
    const Counter& c = counters_.at(index);
    if (c.frozen) {
        return *c.frozen;
    }
    if (!c.loaded) {
        return 0;
    }
    return valueAfter(c, pulsesAt(index, now));
}

bool CounterChip::outputAt(unsigned index, std::uint64_t now) const {
    const Counter& c = counters_.at(index);
    if (!c.loaded) {
        return c.mode != 0;
    }
    std::uint64_t p = pulsesAt(index, now);
    std::uint64_t n = std::max<std::uint32_t>(c.reload, 1);
    switch (c.mode) {
        case 0:
        case 1:
            return p >= n;
        case 2:
            n = std::max<std::uint64_t>(n, 2);
            return p % n != n - 1;
        case 3:
            n = std::max<std::uint64_t>(n, 2);
            return p % n < (n + 1) / 2;
        default:
            return p != n;
    }
}

CounterChip::CounterView CounterChip::counter(unsigned index) const {
    const Counter& c = counters_.at(index);
    return CounterView{c.loaded, c.mode, c.access, c.bcd, c.reload, c.loadedAt};
}

std::uint64_t CounterChip::pacerPeriodPulses() const {
    const Counter& a = counters_[1];
    const Counter& b = counters_[2];
    if (!a.loaded || !b.loaded || !periodic(a.mode) || !periodic(b.mode)) {
        return 0;
    }
    return std::uint64_t{std::max<std::uint32_t>(a.reload, 2)} *
           std::max<std::uint32_t>(b.reload, 2);
}

std::uint8_t CounterChip::statusByte(unsigned index, std::uint64_t now) const {
    const Counter& c = counters_[index];
    return static_cast<std::uint8_t>((outputAt(index, now) ? 0x80 : 0) | (c.loaded ? 0 : 0x40) |
                                     (c.control & 0x3F));
}

void CounterChip::writeControl(std::uint8_t value, std::uint64_t now) {
    unsigned select = value >> 6;
    if (select == 3) {
        // Read-back: bit 5 clear latches counts, bit 4 clear latches status.
        for (unsigned i = 0; i < 3; ++i) {
            if ((value & (0x02 << i)) == 0) {
                continue;
            }
            Counter& c = counters_[i];
            if ((value & 0x20) == 0 && !c.latched) {
                c.latched = countAt(i, now);
                c.readHighNext = false;
            }
            if ((value & 0x10) == 0 && !c.status) {
                c.status = statusByte(i, now);
            }
        }
        return;
    }
    Counter& c = counters_[select];
    unsigned access = (value >> 4) & 0x03;
    if (access == 0) {
        // A second latch before the first was read is ignored.
        if (!c.latched) {
            c.latched = countAt(select, now);
            c.readHighNext = false;
        }
        return;
    }
    std::uint16_t held = countAt(select, now);
    c.control = value & 0x3F;
    c.access = access;
    c.mode = (value >> 1) & 0x07;
    if (c.mode > 5) {
        c.mode -= 4;
    }
    c.bcd = (value & 0x01) != 0;
    c.loaded = false;
    c.frozen = held;
    c.writeHighNext = false;
    c.readHighNext = false;
    c.latched.reset();
    c.status.reset();
    if (select != 0) {
        ++pacerEpoch_;
    }
}

void CounterChip::load(unsigned index, std::uint16_t raw, std::uint64_t now) {
    Counter& c = counters_[index];
    if (c.bcd) {
        std::uint32_t value = fromBcd(raw);
        c.reload = value == 0 ? 10000 : value;
    } else {
        c.reload = raw == 0 ? 65536 : raw;
    }
    c.loaded = true;
    c.loadedAt = now;
    c.frozen.reset();
    if (index != 0) {
        ++pacerEpoch_;
    }
}

void CounterChip::writeCount(unsigned index, std::uint8_t value, std::uint64_t now) {
    Counter& c = counters_[index];
    switch (c.access) {
        case 1:
            load(index, value, now);
            break;
        case 2:
            load(index, static_cast<std::uint16_t>(value << 8), now);
            break;
        default:
            if (!c.writeHighNext) {
                if (c.mode == 0 && c.loaded) {
                    c.frozen = countAt(index, now);  // mode 0 pauses mid-write
                }
                c.pendingLow = value;
                c.writeHighNext = true;
            } else {
                c.writeHighNext = false;
                load(index, static_cast<std::uint16_t>(c.pendingLow | (value << 8)), now);
            }
            break;
    }
}

void CounterChip::write(unsigned offset, std::uint8_t value, std::uint64_t now) {
    if (offset == 3) {
        writeControl(value, now);
    } else if (offset < 3) {
        writeCount(offset, value, now);
    }
}

std::uint8_t CounterChip::read(unsigned offset, std::uint64_t now) {
    if (offset > 2) {
        return 0xFF;  // the control register cannot be read
    }
    Counter& c = counters_[offset];
    if (c.status) {
        std::uint8_t s = *c.status;
        c.status.reset();
        return s;
    }
    std::uint16_t value = c.latched ? *c.latched : countAt(offset, now);
    bool high = false;
    bool done = true;
    switch (c.access) {
        case 1:
            break;
        case 2:
            high = true;
            break;
        default:
            high = c.readHighNext;
            c.readHighNext = !c.readHighNext;
            done = high;
            break;
    }
    if (done) {
        c.latched.reset();
    }
    return static_cast<std::uint8_t>(high ? value >> 8 : value & 0xFF);
}

}  // namespace brennix::sim
