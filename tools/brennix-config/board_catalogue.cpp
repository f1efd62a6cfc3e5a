#include "tools/brennix-config/board_catalogue.h"

#include <algorithm>
#include <array>

namespace brennix::config {
namespace {

// The controls derive card numbers 0 to 7; the Vexa, Olmi and Senu drivers
// take cards 0 and 1 only.
constexpr std::array<CatalogueBoard, 15> kBoards = {{
    {"Brax-Senu", "Senu", 2},
    {"Brax-VexaL", "Vexa", 2},
    {"Brax-Olmi", "Olmi", 2},
    {"Brax-Dorv", "Dorv", 8},
    {"Brax-Zolt", "Zolt (outside driver)", 8},
    {"Brax-Fenq", "Fenq (outside driver)", 8},
    {"ISA-Ubrix", "Ubrix (outside driver)", 8},
    {"Brax-Quem", "Quem (outside driver)", 8},
    {"Brax-Kilp", "Kilp (outside driver)", 8},
    {"Brax-Mavo", "Mavo (outside driver)", 8},
    {"Brax-Rulk", "Rulk (outside driver)", 8},
    {"Brax-Tepa", "Tepa (outside driver)", 8},
    {"Brax-Tepa/16", "TepaB (outside driver)", 8},
    {"Brax-Nilb", "Nilb (outside driver)", 8},
    {"Brax-Pruv", "Pruv (outside driver)", 8},
}};

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::span<const CatalogueBoard> boardCatalogue() {
    return kBoards;
}

const CatalogueBoard* findBoard(std::string_view name) {
    auto it = std::find_if(kBoards.begin(), kBoards.end(),
                           [&](const CatalogueBoard& b) { return b.name == name; });
    return it == kBoards.end() ? nullptr : &*it;
}

std::optional<std::string> boardWithOtherCase(std::string_view name) {
    for (const auto& board : kBoards) {
        if (equalIgnoringCase(board.name, name)) {
            return std::string(board.name);
        }
    }
    return std::nullopt;
}

}  // namespace brennix::config
