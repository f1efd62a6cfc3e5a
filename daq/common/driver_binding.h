#pragma once
// How a control library reaches the drivers of its catalogue column: the
// Initial function of each board, bound when the library is linked, and the
// attach report of the drivers that have one.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "daq/common/board_catalogue.h"

namespace brennix::daq {

using InitialCardBase = std::int32_t (*)(std::int32_t card, std::int32_t base);
// A driver whose results are 16 bits wide; they are sign-extended.
using InitialCardBaseShort = std::int16_t (*)(std::int32_t card, std::int32_t base);
using InitialCardBaseIrq = std::int32_t (*)(std::int32_t card, std::int32_t base, std::int32_t irq);
using InitialNoArguments = std::int32_t (*)();

using InitialFunction =
    std::variant<InitialCardBase, InitialCardBaseShort, InitialCardBaseIrq, InitialNoArguments>;

// 1 attached, -1 attached without port access, 0 failed.
using AttachReport = std::int32_t (*)();

struct DriverBinding {
    Board board;
    InitialFunction initial;
    AttachReport attachReport = nullptr;  // drivers of this system only
};

// Does the function's shape fit the board's Initial form?
bool fitsCatalogue(const DriverBinding& binding);

// The driver's Initial result as the controls take it: sign-extended, and 0
// for a driver whose result is ignored. Empty when the binding does not fit
// the catalogue.
std::optional<std::int32_t> callInitial(const DriverBinding& binding, std::int32_t card,
                                        std::int32_t base, std::int32_t irq);

// Why controls over these drivers must not be created, or empty when every
// driver attached.
std::optional<std::string> attachFailure(std::span<const DriverBinding> bindings);

}  // namespace brennix::daq
