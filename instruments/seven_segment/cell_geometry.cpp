#include "instruments/seven_segment/cell_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace brennix::instruments {
namespace {

// The cell's proportions, all by integer division.
struct Proportions {
    explicit Proportions(const gfx::Rect& cell)
        : L(cell.left), T(cell.top), R(cell.right), B(cell.bottom), W(R - L), H(B - T) {
        ex = 3 * W / 64;
        ey = H / 20;
        mx = 3 * W / 56;
        sw = 3 * W / 28;
        h12 = H / 12;
        hy = H / 24;
        body = 3 * W / 4;
        lx = body - 2 * mx - 2 * ex - sw;
        oy = H / 2 - h12 / 2 - 2 * hy - ey;
    }

    std::int64_t L, T, R, B, W, H;
    std::int64_t ex, ey, mx, sw, h12, hy, body, lx, oy;
};

// A cell reaching the ends of int has vertices beyond them; they stay at
// the end rather than wrap across the page.
int saturated(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

gfx::Point at(std::int64_t x, std::int64_t y) {
    return {saturated(x), saturated(y)};
}

Hexagon horizontal(const Proportions& p, std::int64_t dy) {
    const std::int64_t x = p.L + p.ex;
    const std::int64_t y = p.T + p.ey + dy;
    return {at(x + 2 * p.mx, y + p.hy),     at(x + 3 * p.mx, y + p.h12),
            at(x + p.mx + p.lx, y + p.h12), at(x + 2 * p.mx + p.lx, y + p.hy),
            at(x + p.mx + p.lx, y),         at(x + 3 * p.mx, y)};
}

Hexagon upperVertical(const Proportions& p, std::int64_t dx) {
    const std::int64_t x = p.L + p.ex + dx;
    const std::int64_t y = p.T + p.ey;
    return {at(x + p.mx, y + 2 * p.hy),    at(x, y + p.hy + p.h12),
            at(x, y + p.hy + p.oy),        at(x + p.mx, y + 2 * p.hy + p.oy),
            at(x + p.sw, y + p.hy + p.oy), at(x + p.sw, y + p.hy + p.h12)};
}

// About the cell's horizontal middle.
Hexagon mirrored(const Proportions& p, Hexagon h) {
    for (auto& v : h) {
        v.y = saturated(p.T + p.B - v.y);
    }
    return h;
}

// The cell leans right by the width of its right quarter over its height.
// A vertex held at an end of int may lie past the cell; it leans as the
// cell's nearest edge does.
std::int64_t slant(const Proportions& p, std::int64_t y) {
    if (p.H == 0) {
        return 0;
    }
    y = std::clamp(y, std::min(p.T, p.B), std::max(p.T, p.B));
    return (p.B - y) * (p.W - p.body) / p.H;
}

void lean(const Proportions& p, Hexagon& h) {
    for (auto& v : h) {
        v.x = saturated(v.x + slant(p, v.y));
    }
}

}  // namespace

DigitCell digitCell(const gfx::Rect& cell, bool declined) {
    const Proportions p(cell);
    const std::int64_t step = p.H / 2 - p.hy - p.ey;
    const std::int64_t right = p.lx + 2 * p.mx;
    DigitCell d;
    d.segments = {{{kUpperLeft, upperVertical(p, 0)},
                   {kUpperRight, upperVertical(p, right)},
                   {kLowerLeft, mirrored(p, upperVertical(p, 0))},
                   {kLowerRight, mirrored(p, upperVertical(p, right))},
                   {kTop, horizontal(p, 0)},
                   {kMiddle, horizontal(p, step)},
                   {kBottom, horizontal(p, 2 * step)}}};
    const std::int64_t px = p.L + p.body + p.body / 4 - p.ex;
    d.point = {saturated(px - p.sw), saturated(p.B - p.h12 - p.ey), saturated(px),
               saturated(p.B - p.ey)};
    if (declined) {
        for (auto& s : d.segments) {
            lean(p, s.shape);
        }
        // Each corner of the box moves with its own height, as a vertex does.
        d.point.left = saturated(d.point.left + slant(p, d.point.top));
        d.point.right = saturated(d.point.right + slant(p, d.point.bottom));
    }
    return d;
}

SignCell signCell(const gfx::Rect& cell, bool declined) {
    const Proportions p(cell);
    const std::int64_t x = p.L + p.body / 2;
    const std::int64_t x0 = x - p.mx;
    const std::int64_t y0 = p.T + p.H / 2 - p.oy / 2;
    const std::int64_t end = y0 + p.hy + p.oy - p.h12;
    SignCell s;
    s.bar = {at(x, y0),        at(x0, y0 + p.hy),  at(x0, end),
             at(x, y0 + p.oy), at(x0 + p.sw, end), at(x0 + p.sw, y0 + p.hy)};
    s.middle = horizontal(p, p.H / 2 - p.hy - p.ey);
    if (declined) {
        lean(p, s.bar);
        lean(p, s.middle);
    }
    return s;
}

}  // namespace brennix::instruments
