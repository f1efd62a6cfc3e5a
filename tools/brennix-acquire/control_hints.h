#pragma once
// What the tool adds on the line after one of the control's terse messages:
// what the store says about the device and whether anything answers at its
// address, so that the user knows what to change.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/brennix-acquire/acquire_options.h"
#include "tools/brennix-acquire/run_plan.h"

namespace brennix::acquire {

struct HintContext {
    int deviceNumber = -1;
    std::string board;
    DeviceFacts device;
    Transfer transfer = Transfer::Interrupt;
    // The device numbers of the store's devices on the same board, in the
    // order the controls count cards.
    std::vector<int> sameBoard;
    // Whether a board decodes the registers at a base address.
    std::function<bool(std::uint32_t base)> boardAnswers;
};

std::optional<std::string> explainMessage(std::string_view text, const HintContext& context);

// Reads the A/D status and the digital inputs (reading them changes
// nothing); a bus where nothing decodes them answers 0xFF throughout.
bool boardAnswersAt(std::uint32_t base);

}  // namespace brennix::acquire
