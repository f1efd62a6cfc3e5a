#pragma once
// Failure codes of the simulated outside boards. Where a meaning matches one of
// the in-house drivers' codes the same number is used, so that the controls'
// messages for 2 and 6 apply here too.

#include <cstdint>

namespace brennix::outside::code {

inline constexpr std::int32_t kSuccess = 0;
inline constexpr std::int32_t kNotInitialized = 1;
inline constexpr std::int32_t kBadCard = 2;
inline constexpr std::int32_t kNoOutput = 3;  // an output pointer was null
inline constexpr std::int32_t kBadBase = 4;
inline constexpr std::int32_t kBaseInUse = 6;
inline constexpr std::int32_t kBadPort = 8;
inline constexpr std::int32_t kBadPortValue = 9;
inline constexpr std::int32_t kBadAdChannel = 10;
inline constexpr std::int32_t kBadDaChannel = 11;
inline constexpr std::int32_t kBadDaValue = 13;
inline constexpr std::int32_t kBadIrq = 15;
inline constexpr std::int32_t kBadCounterMode = 19;
inline constexpr std::int32_t kBadCounter = 20;
inline constexpr std::int32_t kBadCounterValue = 21;
inline constexpr std::int32_t kBadMode = 23;
inline constexpr std::int32_t kNotTriggered = 28;
inline constexpr std::int32_t kBadRange = 29;
inline constexpr std::int32_t kInternal = 99;  // the simulation itself failed

}  // namespace brennix::outside::code
