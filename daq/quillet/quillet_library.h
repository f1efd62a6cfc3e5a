#pragma once
// The QUILLET library: the drivers it is linked with, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/driver_binding.h"
#include "platform/com/control_library.h"

namespace brennix::daq::quillet {

inline constexpr std::string_view kProgId = "QUILLET.QuilletCtrl.1";
inline constexpr std::string_view kClassId = "{C3E95A17-6D42-4B80-9F2A-07B8E1D46C93}";

// Senu, Vexa, Olmi, Dorv, Kilp, Mavo, Rulk, Tepa, TepaB, Nilb, Pruv, Fenq
// and Ubrix.
std::span<const DriverBinding> driverBindings();

com::ControlLibrary& library();

}  // namespace brennix::daq::quillet
