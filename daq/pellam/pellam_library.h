#pragma once
// The PELLAM library: the adapters of the boards it serves, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "platform/com/control_library.h"

namespace brennix::daq::pellam {

inline constexpr std::string_view kProgId = "PELLAM.PellamCtrl.1";
inline constexpr std::string_view kClassId = "{8B1D4F62-3C07-4A95-B2E8-61F0C3A7D514}";

// The boards with an analog output.
std::span<const BoardAdapter> boardAdapters();

com::ControlLibrary& library();

}  // namespace brennix::daq::pellam
