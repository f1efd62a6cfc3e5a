#pragma once
// Every text the digital-output control shows, beside the shared ones.

#include <string_view>

namespace brennix::daq::rastow::text {

inline constexpr std::string_view kOutputFailed = "Output failed";

inline constexpr std::string_view kAboutCaption = "About Rastow Control";
inline constexpr std::string_view kAboutText = "Rastow Control, Version 1.0";

}  // namespace brennix::daq::rastow::text
