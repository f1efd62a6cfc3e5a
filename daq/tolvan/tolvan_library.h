#pragma once
// The TOLVAN library: the adapters of the boards it serves, its one class and the
// registration entry points.

#include <span>
#include <string_view>

#include "daq/common/board_adapter.h"
#include "platform/com/control_library.h"

namespace brennix::daq::tolvan {

inline constexpr std::string_view kProgId = "TOLVAN.TolvanCtrl.1";
inline constexpr std::string_view kClassId = "{E5B03F78-92A1-4D6C-B7E4-1C8F6A20D953}";

// The boards with a counter.
std::span<const BoardAdapter> boardAdapters();

com::ControlLibrary& library();

}  // namespace brennix::daq::tolvan
