#pragma once
// The board types the hardware controls know, the driver that serves each,
// the form of its Initial call, and which controls accept it. A board is
// named by its exact, case-sensitive string.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace brennix::daq {

enum class Board {
    Senu,
    Vexa,
    Olmi,
    Dorv,
    Zolt,
    Fenq,
    Ubrix,
    Quem,
    Kilp,
    Mavo,
    Rulk,
    Tepa,
    TepaB,
    Nilb,
    Pruv,
};

inline constexpr std::size_t kBoardCount = 15;

// The six hardware controls, each with its own column of the catalogue.
enum class ControlKind { Orsino, Pellam, Quillet, Rastow, Sarnet, Tolvan };

inline constexpr std::size_t kControlKindCount = 6;

enum class InitialForm {
    CardBase,     // Initial(card, base)
    CardBaseIrq,  // Initial(card, base, irq)
    None,         // Initial(): its result is ignored and taken as 0
};

struct BoardEntry {
    Board board;
    std::string_view name;
    std::string_view driver;
    InitialForm initial;
    // Indexed by ControlKind.
    std::array<bool, kControlKindCount> servedBy;
};

const std::array<BoardEntry, kBoardCount>& boardCatalogue();

const BoardEntry& entryOf(Board board);

// The board of that exact name, whoever serves it.
std::optional<Board> boardNamed(std::string_view name);

// The board of that name if the control serves it.
std::optional<Board> boardServedBy(ControlKind control, std::string_view name);

bool serves(ControlKind control, Board board);

}  // namespace brennix::daq
