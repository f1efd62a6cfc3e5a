#pragma once
// The SARNET library: the drivers it is linked with, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/driver_binding.h"
#include "platform/com/control_library.h"

namespace brennix::daq::sarnet {

inline constexpr std::string_view kProgId = "SARNET.SarnetCtrl.1";
inline constexpr std::string_view kClassId = "{A26E8D04-7B3F-4C19-8E52-D4C07F91B368}";

// Vexa, Olmi, Kilp, Nilb and Fenq.
std::span<const DriverBinding> driverBindings();

com::ControlLibrary& library();

}  // namespace brennix::daq::sarnet
