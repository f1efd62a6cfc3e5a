#pragma once
// Every text the analog-output control shows, beside those of the shared
// device code.

#include <string_view>

namespace brennix::daq::pellam::text {

inline constexpr std::string_view kNegativeChannel = "Channel can't smaller than 0";
inline constexpr std::string_view kDeviceNotOpen = "Device not open";
// Spelt as the control has always shown it.
inline constexpr std::string_view kOutputError = "D/A input data errror";

inline constexpr std::string_view kAboutCaption = "About Pellam Control";
inline constexpr std::string_view kAboutText = "Pellam Control, Version 1.0";

}  // namespace brennix::daq::pellam::text
