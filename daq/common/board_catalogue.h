#pragma once
// The board types the hardware controls know, the driver that serves each,
// the form of its Initial call, which controls accept it and what its page
// adapts to. Derived from the boards' adapters; a board is named by its
// exact, case-sensitive string.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "daq/common/board_page.h"
#include "daq/common/board_resources.h"

namespace brennix::daq {

// The six hardware controls, each with its own column of the catalogue.
enum class ControlKind { Orsino, Pellam, Quillet, Rastow, Sarnet, Tolvan };

inline constexpr std::size_t kControlKindCount = 6;

enum class InitialForm {
    CardBase,     // Initial(card, base)
    CardBaseIrq,  // Initial(card, base, irq)
    None,         // Initial(): its result is ignored and taken as 0
};

struct BoardEntry {
    std::string_view name;
    std::string_view driver;
    bool outsideDriver;  // not one of this system's drivers
    InitialForm initial;
    // Indexed by ControlKind.
    std::array<bool, kControlKindCount> servedBy;
    BoardPage page;
    BoardResources resources;
};

std::span<const BoardEntry> boardCatalogue();

// The board of that exact name, whoever serves it, or nullptr.
const BoardEntry* boardNamed(std::string_view name);

// Does the control accept a board of that name?
bool serves(ControlKind control, std::string_view name);

}  // namespace brennix::daq
