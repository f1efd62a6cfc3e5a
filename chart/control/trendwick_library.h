#pragma once
// The TRENDWICK library: its control classes and the registration entry
// points (DllRegisterServer and the others).

#include <string_view>

#include "platform/com/control_library.h"

namespace brennix::chart {

inline constexpr std::string_view kChartProgId = "TRENDWICK.ChartCtrl.1";
inline constexpr std::string_view kChartClassId = "{27F9B3EA-7379-11D4-A691-0050BAA83CEA}";
inline constexpr std::string_view kChartTypeName = "Chart Control 1.0";

com::ControlLibrary& library();

}  // namespace brennix::chart
