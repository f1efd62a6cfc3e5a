#pragma once
// The fixed texts the Chart shows: range messages of its properties, the
// array message of PlotCharts and the about box. Hosts match on them, so
// they stay exactly as users have always seen them, misspellings included.

#include <string_view>

namespace brennix::chart::text {

inline constexpr std::string_view kPlotNum = "PlotNum must between 1 to 8";
inline constexpr std::string_view kPlotMode = "PlotMode between 0 to 1";
inline constexpr std::string_view kHistoryLength = "HistoryLength must between 1024 to 1048575";
inline constexpr std::string_view kFormatClass = "FormatClass must between 0 to 5";
inline constexpr std::string_view kXAxisFormatClass = "FormatClass must between 0 to 2";
inline constexpr std::string_view kTimeInterval = "TimeInterval must between 1 to 2147483647";
inline constexpr std::string_view kYSpacingMinor = "YSpacingMinor must between 1 to 50";
inline constexpr std::string_view kYSpacingMajor = "YSpacingMajor must between 1 to 100";
inline constexpr std::string_view kViewNum = "ViewNum must between 1 to 2147483647";
inline constexpr std::string_view kXSpacingMajor = "XSpacingMajor must between 1 to 100";
inline constexpr std::string_view kXSpacingMinor = "XSpacingMinor must between 1 to 50";
inline constexpr std::string_view kPointStyle = "PointStyle must between 0 to 8";
inline constexpr std::string_view kInterp = "Interp must between 0 to 2";
inline constexpr std::string_view kFillBase = "FillBase must between 0 to 3";

// LineStyle1 .. LineStyle8: plots 3 and 5 have always read differently.
inline constexpr std::string_view kLineStyle[8] = {
    "LineStyle must between 0 to 2",           "LineStyle must between 0 to 2",
    "LineStyle must between 0 tp 2",           "LineStyle must between 0 to 2",
    "LineStyle must between 0 must between 2", "LineStyle must between 0 to 2",
    "LineStyle must between 0 to 2",           "LineStyle must between 0 to 2",
};

inline constexpr std::string_view kArrayAccess = "SafeArrayAccessData Error";

inline constexpr std::string_view kAboutCaption = "About Chart Control";
inline constexpr std::string_view kAboutText =
    "Chart Control, Version 1.0\nThis control can plot realtime line.";

}  // namespace brennix::chart::text
