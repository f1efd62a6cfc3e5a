#pragma once
// The timing of a block run: the pacer divisors for a rate, the settling
// pause before the first status poll, the ceiling on the wait, and the pause
// between polls that leaves the processor to others.

#include <cstdint>
#include <limits>

namespace brennix::daq::orsino {

inline constexpr std::uint32_t kFirstDivisor = 10;
inline constexpr std::uint32_t kSettlingMilliseconds = 500;
inline constexpr std::uint32_t kTimeoutMilliseconds = 5000;
inline constexpr std::uint32_t kPollMilliseconds = 1;

// 200 divided by the whole number of kilosamples per second, in unsigned
// 32-bit arithmetic; rates beyond that range count as its largest value.
// The rate must be at least 1000.
constexpr std::uint32_t pacerDivisor(double samplesPerSecond) {
    constexpr double kLargest = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t whole = samplesPerSecond >= kLargest
                              ? std::numeric_limits<std::uint32_t>::max()
                              : static_cast<std::uint32_t>(samplesPerSecond);
    return 200U / (whole / 1000U);
}

}  // namespace brennix::daq::orsino
