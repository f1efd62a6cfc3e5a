#pragma once
// A class identifier: 128 bits written "{27F9B3E6-7379-11D4-A691-0050BAA83CEA}".

#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/result.h"

namespace brennix::com {

struct ClassId {
    std::array<std::uint8_t, 16> bytes{};

    // Braces optional, hexadecimal digits in either case.
    static Result<ClassId> parse(std::string_view text);
    // Upper case, with braces.
    std::string toString() const;

    auto operator<=>(const ClassId&) const = default;
};

}  // namespace brennix::com
