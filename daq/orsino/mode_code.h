#pragma once
// The code a driver's set-mode function gets for a trigger mode and a
// transfer mode, per board.

#include <cstdint>
#include <optional>

#include "daq/common/board_catalogue.h"

namespace brennix::daq::orsino {

enum class ModeRefusal { None, Interrupt, Dma };

struct ModeCode {
    std::int32_t code = 0;
    ModeRefusal refusal = ModeRefusal::None;
};

// Empty when the code stays as it is: a Zolt board, or no board known.
std::optional<ModeCode> modeCodeFor(std::optional<Board> board, std::int32_t trigger,
                                    std::int32_t transfer);

// The code for a software-triggered single conversion; empty for Zolt.
std::optional<std::int32_t> singleConversionMode(std::optional<Board> board);

}  // namespace brennix::daq::orsino
