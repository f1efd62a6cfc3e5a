#include "tools/brennix-config/board_catalogue.h"

#include <algorithm>

namespace brennix::config {
namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::span<const daq::BoardEntry> boardCatalogue() {
    return daq::boardCatalogue();
}

const daq::BoardEntry* findBoard(std::string_view name) {
    return daq::boardNamed(name);
}

std::optional<std::string> boardWithOtherCase(std::string_view name) {
    for (const auto& board : boardCatalogue()) {
        if (equalIgnoringCase(board.name, name)) {
            return std::string(board.name);
        }
    }
    return std::nullopt;
}

}  // namespace brennix::config
