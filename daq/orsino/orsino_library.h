#pragma once
// The ORSINO library: the adapters of the boards it serves, its one class and the
// registration entry points (DllRegisterServer and the others).

#include <span>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "platform/com/control_library.h"

namespace brennix::daq::orsino {

inline constexpr std::string_view kProgId = "ORSINO.ORSINOCtrl.1";
inline constexpr std::string_view kClassId = "{5E0C7A31-42B9-4D6E-8F13-A7C2D94B1E60}";

// The boards with analog inputs.
std::span<const BoardAdapter> boardAdapters();

com::ControlLibrary& library();

}  // namespace brennix::daq::orsino
