#pragma once
// The rectangle a symbol is drawn in, with its sides, in 64-bit arithmetic:
// the drawings multiply sides by small fractions, and a host may hand any
// size. Points and boxes passed on to the canvas saturate well inside int, so
// a canvas may subtract two of them without overflow.

#include <algorithm>
#include <cstdint>

#include "platform/gfx/geometry.h"

namespace brennix::equipment {

using Coord = std::int64_t;

inline constexpr Coord kCoordinateLimit = Coord{1} << 29;

constexpr int onCanvas(Coord v) {
    return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

constexpr gfx::Point pt(Coord x, Coord y) {
    return {onCanvas(x), onCanvas(y)};
}

constexpr gfx::Rect box(Coord l, Coord t, Coord r, Coord b) {
    return {onCanvas(l), onCanvas(t), onCanvas(r), onCanvas(b)};
}

struct Frame {
    Coord L = 0;
    Coord T = 0;
    Coord R = 0;
    Coord B = 0;
    Coord W = 0;
    Coord H = 0;

    constexpr explicit Frame(const gfx::Rect& r)
        : L(r.left), T(r.top), R(r.right), B(r.bottom), W(R - L), H(B - T) {}
};

}  // namespace brennix::equipment
