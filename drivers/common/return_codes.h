#pragma once
// Return codes shared by every driver library; each operation uses a subset.

#include <cstdint>

namespace brennix::drivers::code {

inline constexpr std::int32_t kSuccess = 0;
inline constexpr std::int32_t kNotInitialized = 1;
inline constexpr std::int32_t kBadCard = 2;
inline constexpr std::int32_t kBadBase = 4;
inline constexpr std::int32_t kBaseInUse = 6;
inline constexpr std::int32_t kLevelInUse = 7;
inline constexpr std::int32_t kBadDigitalPort = 8;
inline constexpr std::int32_t kBadAdChannel = 10;
inline constexpr std::int32_t kBadDaChannel = 11;
inline constexpr std::int32_t kBadDigitalBit = 12;
inline constexpr std::int32_t kBadIrq = 15;
inline constexpr std::int32_t kBadDmaChannel = 16;
inline constexpr std::int32_t kBadDivisors = 18;
inline constexpr std::int32_t kBadCounterMode = 19;
inline constexpr std::int32_t kBadMode = 23;
inline constexpr std::int32_t kNoDmaRun = 26;
inline constexpr std::int32_t kNoInterruptRunOlmi = 27;
inline constexpr std::int32_t kConversionTimeout = 28;
inline constexpr std::int32_t kBadRangeOrGain = 29;
inline constexpr std::int32_t kNoInterruptRun = 30;

}  // namespace brennix::drivers::code
