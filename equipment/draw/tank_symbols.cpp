#include "equipment/draw/tank_symbols.h"

#include <array>

#include "equipment/draw/shades.h"
#include "equipment/draw/symbol_painter.h"

namespace brennix::equipment {
namespace {

// The front half of a ring round the vessel at height y: counter-clockwise
// from its left end to its right end.
void seam(SymbolPainter& s, Coord l, Coord r, Coord y, Coord halfDepth) {
    s.arc(box(l, y - halfDepth, r, y + halfDepth), pt(l, y), pt(r, y));
}

void hopper(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord e = T + W / 10 + H / 2;
    const Coord m = T + H / 2 + W / 12;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(L + W / 2 - W / 20, B), pt(L + W / 2 + W / 20, B), pt(R, e), pt(R, T + W / 6),
               pt(L, T + W / 6), pt(L, e)});
    s.ellipse(L, T, R, T + W / 3);
    s.arc(box(L, m - W / 6, R, m + W / 6), pt(L, e), pt(R, e));
}

void pointedVessel(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord upper = T + 2 * H / 10;
    const Coord lower = B - H / 10;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(L + W / 2, T), pt(L, upper), pt(L, lower), pt(L + W / 2, B), pt(R, lower),
               pt(R, upper)});
    s.arc(box(L, lower - H / 30, R, lower + H / 30), pt(L, lower), pt(R, lower));
    s.arc(box(L, upper - H / 20, R, upper + H / 20), pt(L, upper), pt(R, upper));
}

// A column: dished bottom, the shell, the lid seen from above, and two
// seams a third of the shell apart.
void column(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord dish = W / 6;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.pie(box(L, B - 2 * dish, R, B), pt(L, B - dish), pt(R, B - dish));
    s.rectangle(L, T + dish, R, B - dish + 1);
    s.ellipse(L, T, R, T + 2 * dish);
    const Coord shell = H - 2 * dish;
    seam(s, L, R, T + dish + shell / 3, W / 12);
    seam(s, L, R, T + dish + 2 * shell / 3, W / 12);
}

// A sphere on two legs tied together, with its equator seam.
void sphere(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord l = L + W / 20;
    const Coord r = R - W / 20;
    const Coord diameter = r - l;
    const Coord equator = T + diameter / 2;
    const Coord leg = W / 12;
    const Coord leftLeg = L + W / 8;
    const Coord rightLeg = R - W / 8 - leg;
    SymbolPainter s(canvas);
    s.fill(halved(p.symbol));
    s.rectangle(leftLeg, equator, leftLeg + leg, B);
    s.rectangle(rightLeg, equator, rightLeg + leg, B);
    s.rectangle(leftLeg + leg, B - H / 8 - H / 60, rightLeg, B - H / 8 + H / 60);
    s.fill(p.symbol);
    s.ellipse(l, T, r, T + diameter);
    seam(s, l, r, equator, diameter / 8);
}

// A vessel with a domed head and a conical bottom on two grey legs; a level
// glass on the right shows the liquid in grey against the background.
void coneVessel(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord head = W / 6;
    const Coord shellBottom = B - W / 2;
    const Coord outlet = B - W / 8;
    const Coord leg = W / 12;
    SymbolPainter s(canvas);
    s.fill(kTankGrey);
    s.rectangle(L + W / 20, shellBottom - head, L + W / 20 + leg, B);
    s.rectangle(R - W / 20 - leg, shellBottom - head, R - W / 20, B);
    s.fill(p.symbol);
    s.rectangle(L + 2 * W / 5 + W / 20, outlet - 1, R - 2 * W / 5 - W / 20, B);
    s.polygon({pt(L, shellBottom), pt(R - 1, shellBottom), pt(R - 2 * W / 5, outlet),
               pt(L + 2 * W / 5, outlet)});
    s.pie(box(L, T, R, T + 2 * head), pt(R, T + head), pt(L, T + head));
    s.rectangle(L, T + head, R, shellBottom + 1);
    const Coord glassLeft = R - W / 5;
    const Coord glassRight = R - W / 10;
    const Coord glassTop = T + head + W / 10;
    const Coord glassBottom = shellBottom - W / 10;
    s.fill(p.back);
    s.rectangle(glassLeft, glassTop, glassRight, glassBottom);
    s.fill(kTankGrey);
    s.rectangle(glassLeft, glassTop + (glassBottom - glassTop) / 3, glassRight, glassBottom);
}

const std::array kStyles{
    SymbolStyle{hopper, {2000, 2000}, kSquare},
    SymbolStyle{pointedVessel,
                {2000, 3000},
                {[](int w) { return com::scaledSide(w, 1.5); },
                 [](int h) { return com::ratioSide(h, 2, 3); }}},
    SymbolStyle{column,
                {2000, 4400},
                {[](int w) { return com::scaledSide(w, 2.2); },
                 [](int h) { return com::scaledSide(h, 0.45454545454545453); }}},
    SymbolStyle{sphere,
                {2000, 2400},
                {[](int w) { return com::scaledSide(w, 1.2); },
                 [](int h) { return com::scaledSide(h, 0.8333333333333334); }}},
    SymbolStyle{coneVessel,
                {2000, 3600},
                {[](int w) { return com::scaledSide(w, 1.8); },
                 [](int h) { return com::scaledSide(h, 0.5555555555555556); }}},
};

}  // namespace

const StyleTable& tankStyles() {
    static const StyleTable table{kStyles};
    return table;
}

}  // namespace brennix::equipment
