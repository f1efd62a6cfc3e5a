#pragma once
// How clicks and the OneOnFlag change a Boolean group's Value, and the
// shades of its bevels.

#include <cstdint>

#include "platform/gfx/color.h"

namespace brennix::instruments {

// Buttons 32 and above share the bits of buttons 0 to 31.
constexpr std::uint32_t buttonMask(int index) {
    return std::uint32_t{1} << (static_cast<unsigned>(index) % 32U);
}

constexpr bool buttonOn(std::int32_t value, int index) {
    return (static_cast<std::uint32_t>(value) & buttonMask(index)) != 0;
}

// A click on a button: with oneOn an off button becomes the only one on;
// otherwise the button's bit flips.
constexpr std::int32_t clicked(std::int32_t value, int index, bool oneOn) {
    const std::uint32_t mask = buttonMask(index);
    const auto bits = static_cast<std::uint32_t>(value);
    if (oneOn && (bits & mask) == 0) {
        return static_cast<std::int32_t>(mask);
    }
    return static_cast<std::int32_t>(bits ^ mask);
}

// Assigning OneOnFlag keeps only the lowest bit set among the buttons'
// bits; without one set the value stays.
constexpr std::int32_t oneOnReduced(std::int32_t value, int buttons) {
    if (buttons <= 0) {
        return value;
    }
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint32_t present =
        buttons >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << buttons) - 1;
    const std::uint32_t owned = bits & present;
    if (owned == 0) {
        return value;
    }
    return static_cast<std::int32_t>(owned & (~owned + 1));
}

constexpr gfx::ColorRef darkShade(gfx::ColorRef c) {
    return gfx::rgb(gfx::redOf(c) >> 2, gfx::greenOf(c) >> 2, gfx::blueOf(c) >> 2);
}

constexpr std::uint8_t lighter(std::uint8_t b) {
    return static_cast<std::uint8_t>((b + 255) / 2);
}

constexpr gfx::ColorRef lightShade(gfx::ColorRef c) {
    return gfx::rgb(lighter(lighter(gfx::redOf(c))), lighter(lighter(gfx::greenOf(c))),
                    lighter(lighter(gfx::blueOf(c))));
}

}  // namespace brennix::instruments
