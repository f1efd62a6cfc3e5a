#pragma once
// The board names the hardware controls know, exactly as they compare them.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brennix::config {

struct CatalogueBoard {
    std::string_view name;    // case-sensitive, byte for byte
    std::string_view driver;  // which driver serves it
    int maxCards;             // cards of this type a driver accepts
};

std::span<const CatalogueBoard> boardCatalogue();
const CatalogueBoard* findBoard(std::string_view name);
// A catalogue name that differs only in case, for a hint.
std::optional<std::string> boardWithOtherCase(std::string_view name);

}  // namespace brennix::config
