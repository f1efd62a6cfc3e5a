#pragma once
// The RASTOW library: the drivers it is linked with, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/driver_binding.h"
#include "platform/com/control_library.h"

namespace brennix::daq::rastow {

inline constexpr std::string_view kProgId = "RASTOW.RastowCtrl.1";
inline constexpr std::string_view kClassId = "{4F7A2C90-1E5B-4D38-A6C1-93D05B8E2F47}";

// The same thirteen drivers as the digital-input control.
std::span<const DriverBinding> driverBindings();

com::ControlLibrary& library();

}  // namespace brennix::daq::rastow
