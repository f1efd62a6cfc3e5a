#include "equipment/draw/pump_symbols.h"

#include <algorithm>
#include <array>

#include "equipment/draw/shades.h"
#include "equipment/draw/symbol_painter.h"

namespace brennix::equipment {
namespace {

// Styles 0 to 3: a shaded motor end behind, the outlet, the casing in front.
template <bool Right, bool Bottom>
void sidePump(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(halved(p.symbol));
    if constexpr (Right) {
        s.ellipse(R - H, T, R, B);
    } else {
        s.ellipse(L, T, L + H, B);
    }
    s.fill(p.symbol);
    const Coord top = Bottom ? B - H / 3 : T;
    const Coord bottom = Bottom ? B : T + H / 3;
    if constexpr (Right) {
        s.rectangle(L, top, R - W / 2 + H / 10, bottom);
        s.ellipse(L + W / 2 + H / 10 - H / 2, T, L + W / 2 + H / 2 + H / 10, B);
    } else {
        s.rectangle(L + W / 2 - H / 10, top, R, bottom);
        s.ellipse(L + W / 2 - H / 2 - H / 10, T, L + W / 2 + H / 2 - H / 10, B);
    }
}

void footPumpLeft(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(L, B), pt(R - H / 10, B), pt(L + W / 2 - H / 10, T)});
    s.rectangle(L + W / 2 - H / 10, T, R, T + H / 3);
    s.ellipse(L + W / 2 - H / 10 - 5 * H / 12, T, L + W / 2 - H / 10 + 5 * H / 12, T + 5 * H / 6);
}

void footPumpRight(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(L + H / 10, B), pt(R, B), pt(L + H / 10 + W / 2, T)});
    s.rectangle(L, T, R - W / 2 + H / 10, T + H / 3);
    s.ellipse(L + W / 2 + H / 10 - H / 2, T, L + W / 2 + H / 2 + H / 10, B);
}

void uprightPumpRight(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord cy = T + H / 2 + W / 10;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(L, T + W / 10), pt(L, B), pt(R, T + W / 10 + H / 2)});
    s.rectangle(R - W / 3, T, R, T + H / 2 + W / 10);
    s.ellipse(L + W / 6, cy - 5 * W / 12, R, cy + 5 * W / 12);
}

void uprightPumpLeft(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord cy = T + H / 2 + W / 10;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(R, T + W / 10), pt(R, B), pt(L, T + W / 10 + H / 2)});
    s.rectangle(L, T, L + W / 3, T + H / 2 + W / 10);
    s.ellipse(L, cy - 5 * W / 12, R - W / 6, cy + 5 * W / 12);
}

// Styles 8 and 9: foot, round casing and two flanged nozzles, one on top and
// one to the right. A nozzle is a body, the flat ellipse of its open end and
// the curve where it enters the casing; the body's straight edge inside the
// casing is drawn over with a 2-pixel pen in the pump colour, so nozzle and
// casing read as one piece of metal. Open ends keep a depth of 4 pixels at
// the smallest sizes, or they would vanish into their outline.
void squarePump(gfx::Canvas& canvas, const Frame& f, const Palette& p, bool screw) {
    const auto [L, T, R, B, W, H] = f;
    const Coord cx = L + 9 * W / 20;  // casing centre
    const Coord cy = (T + W / 10 + B - W / 10) / 2;
    const Coord half = 3 * W / 20;                 // half the nozzle width
    const Coord lip = std::max<Coord>(W / 20, 2);  // half the depth of an open end
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(L + W / 10, B), pt(R - 2 * W / 10, B), pt(cx, T + H / 2)});
    s.ellipse(L, T + W / 10, R - W / 10, B - W / 10);

    // Top nozzle: from its open end at the top down into the casing.
    const Coord topJoin = T + W / 10 + W / 10;
    s.rectangle(cx - half, T + lip, cx + half, topJoin);
    s.ellipse(cx - half, T, cx + half, T + 2 * lip);
    s.pen(2, p.symbol);
    s.line(pt(cx - half + 1, topJoin - 1), pt(cx + half - 1, topJoin - 1));
    s.pen(1, kBlack);
    s.arc(box(cx - half, topJoin - lip, cx + half, topJoin + lip), pt(cx - half, topJoin),
          pt(cx + half, topJoin));

    // Right nozzle: from the casing out to its open end at the right edge.
    const Coord sideJoin = R - 2 * W / 10;
    s.fill(p.symbol);
    s.rectangle(sideJoin, cy - half, R - lip, cy + half);
    s.ellipse(R - 2 * lip, cy - half, R, cy + half);
    s.pen(2, p.symbol);
    s.line(pt(sideJoin + 1, cy - half + 1), pt(sideJoin + 1, cy + half - 1));
    s.pen(1, kBlack);
    s.arc(box(sideJoin - lip, cy - half, sideJoin + lip, cy + half), pt(sideJoin, cy - half),
          pt(sideJoin, cy + half));

    if (screw) {
        // The screw: a zig-zag down the middle of the casing.
        const Coord r = (R - W / 10 - L) / 2;
        const Coord z = r / 3;
        s.pen(1, kBlack);
        s.line(pt(cx, cy - 2 * r / 3), pt(cx - z, cy - r / 4));
        s.line(pt(cx - z, cy - r / 4), pt(cx + z, cy + r / 4));
        s.line(pt(cx + z, cy + r / 4), pt(cx, cy + 2 * r / 3));
    }
}

void squarePumpPlain(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    squarePump(canvas, f, p, false);
}

void squarePumpScrew(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    squarePump(canvas, f, p, true);
}

constexpr com::AspectRule kLying{[](int w) { return com::ratioSide(w, 2, 3); },
                                 [](int h) { return com::scaledSide(h, 1.5); }};
constexpr com::AspectRule kUpright{[](int w) { return com::scaledSide(w, 1.5); },
                                   [](int h) { return com::ratioSide(h, 2, 3); }};
constexpr com::AspectRule kSquarePump{[](int w) { return com::ratioSide(w, 11, 10); },
                                      [](int h) { return com::ratioSide(h, 10, 11); }};
constexpr gfx::Size kLyingExtent{1000, 666};
constexpr gfx::Size kUprightExtent{1000, 1500};
constexpr gfx::Size kSquareExtent{1000, 1000};

const std::array kStyles{
    SymbolStyle{sidePump<false, false>, kLyingExtent, kLying},
    SymbolStyle{sidePump<true, false>, kLyingExtent, kLying},
    SymbolStyle{sidePump<false, true>, kLyingExtent, kLying},
    SymbolStyle{sidePump<true, true>, kLyingExtent, kLying},
    SymbolStyle{footPumpLeft, kLyingExtent, kLying},
    SymbolStyle{footPumpRight, kLyingExtent, kLying},
    SymbolStyle{uprightPumpRight, kUprightExtent, kUpright},
    SymbolStyle{uprightPumpLeft, kUprightExtent, kUpright},
    SymbolStyle{squarePumpPlain, kSquareExtent, kSquarePump},
    SymbolStyle{squarePumpScrew, kSquareExtent, kSquarePump},
};

}  // namespace

const StyleTable& pumpStyles() {
    static const StyleTable table{kStyles};
    return table;
}

}  // namespace brennix::equipment
