#pragma once
// The TRENDWICK library: its control classes, its type library and the
// registration entry points (DllRegisterServer and the others).

#include <string_view>

#include "platform/com/control_library.h"

namespace brennix::chart {

inline constexpr std::string_view kTypeLibrary = "TRENDWICKLib";
inline constexpr std::string_view kTypeLibraryId = "{27F9B3E3-7379-11D4-A691-0050BAA83CEA}";

inline constexpr std::string_view kChartProgId = "TRENDWICK.ChartCtrl.1";
inline constexpr std::string_view kChartClassId = "{27F9B3EA-7379-11D4-A691-0050BAA83CEA}";
inline constexpr std::string_view kChartTypeName = "Chart Control 1.0";
inline constexpr std::string_view kChartDispatchId = "{27F9B3E8-7379-11D4-A691-0050BAA83CEA}";
inline constexpr std::string_view kChartEventsId = "{27F9B3E9-7379-11D4-A691-0050BAA83CEA}";

inline constexpr std::string_view kGraphProgId = "TRENDWICK.GraphCtrl.1";
inline constexpr std::string_view kGraphClassId = "{27F9B3E6-7379-11D4-A691-0050BAA83CEA}";
inline constexpr std::string_view kGraphTypeName = "Graph Control 1.0";
inline constexpr std::string_view kGraphDispatchId = "{27F9B3E4-7379-11D4-A691-0050BAA83CEA}";
inline constexpr std::string_view kGraphEventsId = "{27F9B3E5-7379-11D4-A691-0050BAA83CEA}";

com::ControlLibrary& library();

}  // namespace brennix::chart
