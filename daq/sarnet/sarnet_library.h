#pragma once
// The SARNET library: the adapters of the boards it serves, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "platform/com/control_library.h"

namespace brennix::daq::sarnet {

inline constexpr std::string_view kProgId = "SARNET.SarnetCtrl.1";
inline constexpr std::string_view kClassId = "{A26E8D04-7B3F-4C19-8E52-D4C07F91B368}";

// The boards with a counter.
std::span<const BoardAdapter> boardAdapters();

com::ControlLibrary& library();

}  // namespace brennix::daq::sarnet
