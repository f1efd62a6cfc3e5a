#include "daq/orsino/mode_code.h"

namespace brennix::daq::orsino {

std::optional<ModeCode> modeCodeFor(const BoardAdapter* board, std::int32_t trigger,
                                    std::int32_t transfer) {
    if (board == nullptr || board->analogInput == nullptr || board->analogInput->modes == nullptr) {
        return std::nullopt;
    }
    const ModeTable& modes = *board->analogInput->modes;
    if (trigger < 0 || trigger > 2 || transfer < 0 || transfer > 2) {
        return modeCode(modes.outOfRange);
    }
    return modes.byTransferThenTrigger[static_cast<std::size_t>(transfer)]
                                      [static_cast<std::size_t>(trigger)];
}

std::optional<std::int32_t> singleConversionMode(const BoardAdapter* board) {
    if (board == nullptr || board->analogInput == nullptr) {
        return std::nullopt;
    }
    return board->analogInput->singleConversionMode;
}

}  // namespace brennix::daq::orsino
