#pragma once
// Every text the pulse-output control shows, beside the shared ones.

#include <string_view>

namespace brennix::daq::sarnet::text {

inline constexpr std::string_view kPulseWidthTooSmall = "PulseWidth must larger than 0";
inline constexpr std::string_view kOneTimer = "Only one timer";
inline constexpr std::string_view kStartError = "Start timer error";
inline constexpr std::string_view kStopError = "Stop timer error";

inline constexpr std::string_view kAboutCaption = "About Sarnet Control";
inline constexpr std::string_view kAboutText = "Sarnet Control, Version 1.0";

}  // namespace brennix::daq::sarnet::text
