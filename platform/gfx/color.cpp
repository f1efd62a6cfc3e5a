#include "platform/gfx/color.h"

#include <array>
#include <utility>

namespace brennix::gfx {
namespace {

// The classic scheme, in one table so that it can change.
constexpr std::array<std::pair<std::uint8_t, ColorRef>, 7> kScheme{{
    {5, rgb(255, 255, 255)},
    {8, rgb(0, 0, 0)},
    {15, rgb(212, 208, 200)},
    {16, rgb(128, 128, 128)},
    {20, rgb(255, 255, 255)},
    {21, rgb(64, 64, 64)},
    {22, rgb(212, 208, 200)},
}};

}  // namespace

std::optional<ColorRef> systemColorValue(std::uint8_t index) {
    for (const auto& [i, value] : kScheme) {
        if (i == index) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<ColorRef> translateColor(std::uint32_t value) {
    switch (value >> 24) {
        case 0x00:
            return value;
        case 0x80:
            if ((value & 0x00FFFF00U) != 0) {
                return std::nullopt;
            }
            return systemColorValue(static_cast<std::uint8_t>(value & 0xFF));
        default:
            return std::nullopt;
    }
}

}  // namespace brennix::gfx
