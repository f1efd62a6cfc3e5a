#pragma once
// The eleven outside board libraries that the simulator stands in for.

#include <cstddef>
#include <string_view>

namespace brennix::outside {

enum class Library { Zolt, Fenq, Ubrix, Quem, Kilp, Mavo, Rulk, Tepa, TepaB, Nilb, Pruv };

inline constexpr std::size_t kLibraryCount = 11;

constexpr std::size_t indexOf(Library library) {
    return static_cast<std::size_t>(library);
}

std::string_view libraryName(Library library);

}  // namespace brennix::outside
