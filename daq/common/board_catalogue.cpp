#include "daq/common/board_catalogue.h"

namespace brennix::daq {
namespace {

constexpr bool y = true;
constexpr bool n = false;

//                                                                  AI AO DI DO pulse counter
constexpr std::array<BoardEntry, kBoardCount> kCatalogue{{
    {Board::Senu, "Brax-Senu", "Senu", InitialForm::CardBase, {y, y, y, y, n, n}},
    {Board::Vexa, "Brax-VexaL", "Vexa", InitialForm::CardBase, {y, y, y, y, y, y}},
    {Board::Olmi, "Brax-Olmi", "Olmi", InitialForm::CardBase, {y, y, y, y, y, y}},
    {Board::Dorv, "Brax-Dorv", "Dorv", InitialForm::CardBaseIrq, {n, y, y, y, n, n}},
    {Board::Zolt, "Brax-Zolt", "Zolt", InitialForm::CardBase, {y, n, n, n, n, n}},
    {Board::Fenq, "Brax-Fenq", "Fenq", InitialForm::CardBase, {y, y, y, y, y, y}},
    {Board::Ubrix, "ISA-Ubrix", "Ubrix", InitialForm::None, {y, y, y, y, n, n}},
    {Board::Quem, "Brax-Quem", "Quem", InitialForm::CardBase, {n, y, n, n, n, n}},
    {Board::Kilp, "Brax-Kilp", "Kilp", InitialForm::CardBase, {n, n, y, y, y, y}},
    {Board::Mavo, "Brax-Mavo", "Mavo", InitialForm::CardBaseIrq, {n, n, y, y, n, n}},
    {Board::Rulk, "Brax-Rulk", "Rulk", InitialForm::CardBaseIrq, {n, n, y, y, n, n}},
    {Board::Tepa, "Brax-Tepa", "Tepa", InitialForm::CardBase, {n, n, y, y, n, n}},
    {Board::TepaB, "Brax-Tepa/16", "TepaB", InitialForm::CardBase, {n, n, y, y, n, n}},
    {Board::Nilb, "Brax-Nilb", "Nilb", InitialForm::CardBase, {n, n, y, y, y, y}},
    {Board::Pruv, "Brax-Pruv", "Pruv", InitialForm::CardBaseIrq, {n, n, y, y, n, n}},
}};

}  // namespace

const std::array<BoardEntry, kBoardCount>& boardCatalogue() {
    return kCatalogue;
}

const BoardEntry& entryOf(Board board) {
    return kCatalogue[static_cast<std::size_t>(board)];
}

std::optional<Board> boardNamed(std::string_view name) {
    for (const auto& entry : kCatalogue) {
        if (entry.name == name) {
            return entry.board;
        }
    }
    return std::nullopt;
}

bool serves(ControlKind control, Board board) {
    return entryOf(board).servedBy[static_cast<std::size_t>(control)];
}

std::optional<Board> boardServedBy(ControlKind control, std::string_view name) {
    auto board = boardNamed(name);
    if (board && serves(control, *board)) {
        return board;
    }
    return std::nullopt;
}

}  // namespace brennix::daq
