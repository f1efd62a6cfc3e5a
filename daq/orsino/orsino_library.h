#pragma once
// The ORSINO library: the drivers it is linked with, its one class and the
// registration entry points (DllRegisterServer and the others).

#include <span>
#include <string_view>

#include "daq/common/driver_binding.h"
#include "platform/com/control_library.h"

namespace brennix::daq::orsino {

inline constexpr std::string_view kProgId = "ORSINO.ORSINOCtrl.1";
inline constexpr std::string_view kClassId = "{5E0C7A31-42B9-4D6E-8F13-A7C2D94B1E60}";

// Senu, Vexa, Olmi, Zolt, Fenq and Ubrix.
std::span<const DriverBinding> driverBindings();

com::ControlLibrary& library();

}  // namespace brennix::daq::orsino
