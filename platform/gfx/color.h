#pragma once
// Colour values as the controls store them: 0x00BBGGRR, or 0x80 in the high
// byte and a system-colour index in the low byte.

#include <cstdint>
#include <optional>

namespace brennix::gfx {

using ColorRef = std::uint32_t;

constexpr ColorRef rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) |
           (static_cast<ColorRef>(b) << 16);
}
constexpr std::uint8_t redOf(ColorRef c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t greenOf(ColorRef c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(ColorRef c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

enum class SystemColor : std::uint8_t {
    Window = 5,
    WindowText = 8,
    ButtonFace = 15,
    ButtonShadow = 16,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
};

constexpr ColorRef systemColorRef(SystemColor c) {
    return 0x80000000U | static_cast<ColorRef>(c);
}
constexpr bool namesSystemColor(ColorRef c) {
    return (c >> 24) == 0x80;
}

// The current scheme's value of a system colour; nullopt for an index the
// scheme does not know.
std::optional<ColorRef> systemColorValue(std::uint8_t index);

// A plain colour as it is; a system colour looked up; nullopt for a value
// that is neither (unknown index or another high byte).
std::optional<ColorRef> translateColor(std::uint32_t value);

}  // namespace brennix::gfx
