#pragma once
// The QUILLET library: the adapters of the boards it serves, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "platform/com/control_library.h"

namespace brennix::daq::quillet {

inline constexpr std::string_view kProgId = "QUILLET.QuilletCtrl.1";
inline constexpr std::string_view kClassId = "{C3E95A17-6D42-4B80-9F2A-07B8E1D46C93}";

// The boards with digital inputs.
std::span<const BoardAdapter> boardAdapters();

com::ControlLibrary& library();

}  // namespace brennix::daq::quillet
