#pragma once
// Every text the counter control shows, beside the shared ones.

#include <string_view>

namespace brennix::daq::tolvan::text {

inline constexpr std::string_view kInvalidPresetValue = "invalid PresetValue";
// The leading blank is part of the text.
inline constexpr std::string_view kOneTimer = " Only 1 timer";
inline constexpr std::string_view kStartError = "Start Timer error";
inline constexpr std::string_view kStopError = "Stop Timer error";
inline constexpr std::string_view kReadError = "Timer read data error";

inline constexpr std::string_view kAboutCaption = "About Tolvan Control";
inline constexpr std::string_view kAboutText = "Tolvan Control, Version 1.0";

}  // namespace brennix::daq::tolvan::text
