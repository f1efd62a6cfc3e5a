#pragma once
// The texts only the Graph shows; the range messages it shares with the
// Chart are in chart_messages.h.

#include <string_view>

namespace brennix::chart::text {

inline constexpr std::string_view kGraphLineStyle = "LineStyle must between 0 to 2";
inline constexpr std::string_view kGraphAboutCaption = "About Graph Control";
inline constexpr std::string_view kGraphAboutText = "Graph Control, Version 1.0";

}  // namespace brennix::chart::text
