#pragma once
// The code a driver's set-mode function gets for a trigger mode and a
// transfer mode, from the board's adapter.

#include <cstdint>
#include <optional>

#include "daq/common/board_adapter.h"

namespace brennix::daq::orsino {

// Empty when the code stays as it is: a board without mode codes, or no
// board known.
std::optional<ModeCode> modeCodeFor(const BoardAdapter* board, std::int32_t trigger,
                                    std::int32_t transfer);

// The code for a software-triggered single conversion; empty for a board
// without one.
std::optional<std::int32_t> singleConversionMode(const BoardAdapter* board);

}  // namespace brennix::daq::orsino
