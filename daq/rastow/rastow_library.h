#pragma once
// The RASTOW library: the adapters of the boards it serves, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "platform/com/control_library.h"

namespace brennix::daq::rastow {

inline constexpr std::string_view kProgId = "RASTOW.RastowCtrl.1";
inline constexpr std::string_view kClassId = "{4F7A2C90-1E5B-4D38-A6C1-93D05B8E2F47}";

// The boards with digital outputs.
std::span<const BoardAdapter> boardAdapters();

com::ControlLibrary& library();

}  // namespace brennix::daq::rastow
