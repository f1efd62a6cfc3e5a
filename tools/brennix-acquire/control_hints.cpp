#include "tools/brennix-acquire/control_hints.h"

#include <cstdio>

#include "platform/hw/ports.h"
#include "tools/brennix-config/board_catalogue.h"

namespace brennix::acquire {
namespace {

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::string listed(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        text += (i == 0                    ? ""
                 : i + 1 == numbers.size() ? " and "
                                           : ", ") +
                std::to_string(numbers[i]);
    }
    return text;
}

std::string nothingAnswers(const HintContext& c) {
    const std::string n = std::to_string(c.deviceNumber);
    return "no board answers at " + hex(c.device.base) + " (BaseAddress1 of device " + n +
           "): its registers read 0xFF. Check the board's address and correct it with "
           "brennix-config set " +
           n + " BaseAddress1 0x...";
}

std::string timeoutHint(const HintContext& c) {
    if (!c.boardAnswers(c.device.base)) {
        return nothingAnswers(c);
    }
    const std::string n = std::to_string(c.deviceNumber);
    std::string lines = "IRQ1 (" + std::to_string(c.device.irq) + ")";
    if (c.transfer == Transfer::Dma) {
        lines += " and DMA (" + std::to_string(c.device.dma) + ")";
    }
    return "the board at " + hex(c.device.base) +
           " answers, but the block did not come: " + "check " + lines + " of device " + n +
           " against the board's jumpers (brennix-config show " + n + ")";
}

std::string cardHint(const HintContext& c) {
    const daq::BoardEntry* board = config::findBoard(c.board);
    if (board == nullptr || c.device.card < 0) {
        return "device " + std::to_string(c.deviceNumber) + " could not be initialised";
    }
    const int cards = board->resources.cards;
    std::string accepted = cards == 2 ? "cards 0 and 1" : "cards 0 to " + std::to_string(cards - 1);
    return "device " + std::to_string(c.deviceNumber) + " is card " +
           std::to_string(c.device.card) + " of " + c.board +
           " (the controls count that board's devices " + listed(c.sameBoard) +
           " in this order), but the " + std::string(board->driver) + " driver accepts " +
           accepted + ": remove the " + c.board +
           " devices you do not have with brennix-config remove N";
}

std::string irqHint(const HintContext& c) {
    const std::string n = std::to_string(c.deviceNumber);
    return "IRQ1 of device " + n + " is " + std::to_string(c.device.irq) + ", but a " + c.board +
           " takes IRQ 2 to 7: brennix-config set " + n + " IRQ1 5 (or the line the board uses)";
}

}  // namespace

std::optional<std::string> explainMessage(std::string_view text, const HintContext& context) {
    if (text == "Timeout error,check IRQ or DMA") {
        return timeoutHint(context);
    }
    if (text == "Get data error" && !context.boardAnswers(context.device.base)) {
        return nothingAnswers(context);
    }
    if (text == "Invalid board number") {
        return cardHint(context);
    }
    if (text == "Invalid IRQ number,see manual about this board") {
        return irqHint(context);
    }
    return std::nullopt;
}

bool boardAnswersAt(std::uint32_t base) {
    // Offset 5 is the A/D status, 6 and 7 the digital inputs, on every
    // board the tool measures with.
    for (std::uint32_t offset = 5; offset <= 7; ++offset) {
        if (hw::readByte(static_cast<hw::PortAddress>(base + offset)) != 0xFF) {
            return true;
        }
    }
    return false;
}

}  // namespace brennix::acquire
