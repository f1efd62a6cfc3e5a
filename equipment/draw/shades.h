#pragma once
// Darker shades of a symbol colour, byte by byte. Colours here are plain
// (system colours already translated).

#include "platform/gfx/color.h"

namespace brennix::equipment {

// Each of red, green and blue shifted right by one.
constexpr gfx::ColorRef halved(gfx::ColorRef c) {
    return (c >> 1) & 0x7F7F7FU;
}

// Each of red, green and blue times numerator / denominator, truncated.
constexpr gfx::ColorRef scaled(gfx::ColorRef c, unsigned numerator, unsigned denominator) {
    return gfx::rgb(static_cast<std::uint8_t>(gfx::redOf(c) * numerator / denominator),
                    static_cast<std::uint8_t>(gfx::greenOf(c) * numerator / denominator),
                    static_cast<std::uint8_t>(gfx::blueOf(c) * numerator / denominator));
}

}  // namespace brennix::equipment
