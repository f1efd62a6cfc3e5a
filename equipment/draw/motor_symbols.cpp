#include "equipment/draw/motor_symbols.h"

#include <array>
#include <cmath>
#include <numbers>

#include "equipment/draw/shades.h"
#include "equipment/draw/symbol_painter.h"

namespace brennix::equipment {
namespace {

void sideView(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord ym = T + H / 2;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.rectangle(L, ym - H / 10, R, ym + H / 10);                            // shaft
    s.rectangle(L + W / 4, ym - H / 6, L + 5 * W / 16, ym + H / 6);         // coupling
    s.rectangle(L + 10 * W / 32, ym - H / 3, L + 11 * W / 32, ym + H / 3);  // flange
    s.pie(box(R - W / 2 - W / 6, ym - W / 4, R - W / 6, ym + W / 4), pt(L + 3 * W / 4, B),
          pt(L + 3 * W / 4, T));                          // rounded end
    s.rectangle(L + 11 * W / 32, T, L + 37 * W / 48, B);  // body
    s.rectangle(R - W / 32, ym - H / 6, R, ym + H / 6);   // fan cover
}

// A point in the direction of angle degrees (counter-clockwise from three
// o'clock) at distance r from (cx, cy).
gfx::Point towards(Coord cx, Coord cy, Coord r, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return pt(cx + std::llround(static_cast<double>(r) * std::cos(a)),
              cy - std::llround(static_cast<double>(r) * std::sin(a)));
}

// The housing seen from the fan end, on a base with two feet: the housing
// circle takes its radius from the half-diagonal, the fan guard shows four
// blades and the shaft end sits in the middle.
void endView(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const double halfDiagonal = std::sqrt(static_cast<double>(W) * static_cast<double>(W) +
                                          static_cast<double>(H) * static_cast<double>(H)) /
                                2;
    const Coord r = static_cast<Coord>(halfDiagonal / 2);
    const Coord cx = L + W / 2;
    const Coord cy = T + H / 2 - H / 20;
    SymbolPainter s(canvas);
    s.fill(halved(p.symbol));
    s.polygon({pt(L + W / 8, B), pt(L + W / 8, B - H / 10), pt(cx - 3 * r / 4, cy + r / 2),
               pt(cx + 3 * r / 4, cy + r / 2), pt(R - W / 8, B - H / 10), pt(R - W / 8, B)});
    s.fill(p.symbol);
    s.ellipse(cx - r, cy - r, cx + r, cy + r);
    s.fill(halved(p.symbol));
    const Coord blade = 3 * r / 4;
    const gfx::Rect blades = box(cx - blade, cy - blade, cx + blade, cy + blade);
    for (double middle : {45.0, 135.0, 225.0, 315.0}) {
        s.pie(blades, towards(cx, cy, r, middle - 20), towards(cx, cy, r, middle + 20));
    }
    s.fill(p.symbol);
    s.ellipse(cx - r / 5, cy - r / 5, cx + r / 5, cy + r / 5);
}

const std::array kStyles{
    SymbolStyle{sideView,
                {1000, 345},
                {[](int w) { return com::scaledSide(w, 0.345); },
                 [](int h) { return com::scaledSide(h, 1 / 0.345); }}},
    SymbolStyle{endView,
                {1000, 800},
                {[](int w) { return com::ratioSide(w, 4, 5); },
                 [](int h) { return com::ratioSide(h, 5, 4); }}},
};

}  // namespace

const StyleTable& motorStyles() {
    // Any other number is sized like the end view but draws nothing.
    static const StyleTable table{
        kStyles, SymbolStyle{nullptr, kStyles[1].defaultExtent, kStyles[1].aspect}, false};
    return table;
}

}  // namespace brennix::equipment
