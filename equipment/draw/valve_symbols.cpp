#include "equipment/draw/valve_symbols.h"

#include <array>

#include "equipment/draw/shades.h"
#include "equipment/draw/symbol_painter.h"

namespace brennix::equipment {
namespace {

void gateValve(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord q = H / 4;
    const Coord e = H / 12;
    const Coord fh = 2 * (H / 6);
    const Coord v = H / 8;
    const Coord sp = H / 40;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.ellipse(R - W / 4 - e, T, R - W / 4 + e, T + fh);
    s.rectangle(L + W / 4, T, R - W / 4, T + fh);
    s.pen(2, p.symbol);
    s.line(pt(R - W / 4, T + 2), pt(R - W / 4, T + fh - 2));
    s.fill(p.symbol);
    s.ellipse(L + W / 4 - e, T, L + W / 4 + e, T + fh);
    s.rectangle(L + W / 2 - v, T + fh, L + W / 2 + v, B - q - e);
    s.ellipse(R - 2 * v, B - 2 * q, R, B);
    s.ellipse(R - 2 * v - sp, B - 2 * q, R - sp, B);
    s.rectangle(L + v, B - q - e, R - v, B - q + e);
    s.ellipse(L + sp, B - 2 * q, L + sp + 2 * v, B);
    s.ellipse(L, B - 2 * q, L + 2 * v, B);
}

void domeValve(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord a = W / 3;
    const Coord g = H / 8;
    const Coord q = H / 4;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.pie(box(L + W / 2 - a, T, L + W / 2 + a, T + 2 * a), pt(L + W / 2 + a, T + a - 1),
          pt(L + W / 2 - a, T + a - 1));
    s.rectangle(L + W / 2 - H / 16, T + a - 1, L + W / 2 + H / 16, B - 3 * g);
    s.ellipse(L, B - 2 * q, L + 2 * g, B);
    s.rectangle(L + g, B - 3 * g, R - g, B - g);
    s.ellipse(R - 2 * g, B - 2 * q, R, B);
}

void domeValveVertical(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord a = H / 3;
    const Coord fw = W / 8;
    const Coord q = W / 4;
    const Coord ym = T + H / 2;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.pie(box(R - 2 * a, ym - a, R, ym + a), pt(R - a - 1, ym + a), pt(R - a - 1, ym - a));
    s.rectangle(L + 3 * fw, ym - W / 16, R - a, ym + W / 16);
    s.ellipse(L, B - 2 * fw, L + 2 * q, B);
    s.rectangle(L + fw, T + fw, L + 3 * fw, B - fw);
    s.ellipse(L, T, L + 2 * q, T + 2 * fw);
}

// The disc of a butterfly valve seen edge-on as two wings, and the 3-pixel
// seat line on the right.
void wings(SymbolPainter& s, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    s.fill(p.symbol);
    s.polygon({pt(L, T + H / 2), pt(L, B), pt(L + W / 2, B - H / 4)});
    s.polygon({pt(L + W / 2, B - H / 4), pt(R - 1, B), pt(R - 1, T + H / 2)});
    s.pen(3, p.symbol);
    s.line(pt(R, B), pt(R, T + H / 2));
}

void butterflyBox(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.rectangle(L + W / 4, T, R - W / 4, T + 2 * H / 6);
    s.rectangle(L + W / 4 + W / 6, T + 2 * H / 6, R - W / 4 - W / 6, B - H / 4);
    wings(s, f, p);
}

void butterflyLever(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord c = L + W / 6 + W / 4;
    const Coord d = R - (W / 4 + W / 6);
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({pt(c, B - H / 4), pt(c, T), pt(R - 1, T), pt(R - 1, T + H / 12), pt(d, T + H / 12),
               pt(d, B - H / 4)});
    s.pen(3, p.symbol);
    s.line(pt(R, T + H / 12), pt(R, T));
    wings(s, f, p);
}

void butterflyDome(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.pie(box(L + W / 4, T, R - W / 4, T + 2 * H / 6), pt(R - W / 4, T + 2 * H / 12 - 1),
          pt(L + W / 4, T + 2 * H / 12 - 1));
    s.rectangle(L + W / 4 + W / 6, T + H / 6, R - W / 4 - W / 6, B - H / 4);
    wings(s, f, p);
}

void sideViewHorizontal(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.rectangle(L, T, L + 6 * W / 10, T + W / 10);
    s.rectangle(L, B - W / 10, L + 6 * W / 10, B);
    s.rectangle(L + W / 10, T + W / 10, L + W / 2, B - W / 10);
    s.rectangle(L + W / 2, T + 2 * W / 10, L + 13 * W / 20, B - 2 * W / 10);
    s.fill(kValveGrey);
    s.rectangle(L + 13 * W / 20, T + 3 * W / 10, L + 13 * W / 20 + W / 10, B - 3 * W / 10);
    s.rectangle(L + W / 10 + 13 * W / 20, T + W / 10, R, B - W / 10);
}

void sideViewVertical(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.rectangle(L, B - 6 * H / 10, L + H / 10, B);
    s.rectangle(R - H / 10, B - 6 * H / 10, R, B);
    s.rectangle(L + H / 10, T + H / 2, R - H / 10, B - H / 10);
    s.rectangle(L + 2 * H / 10, B - 13 * H / 20, R - 2 * H / 10, B - H / 2);
    s.fill(kValveGrey);
    s.rectangle(L + 3 * H / 10, B - 13 * H / 20 - H / 10, R - 3 * H / 10, B - 13 * H / 20);
    s.rectangle(L + H / 10, T, R - H / 10, B - 13 * H / 20 - H / 10);
}

// A control valve: top bar and stem in black, then the diaphragm actuator,
// the yoke, the bonnet, the body and its two end flanges, stacked from the
// top in the valve colour and two darker shades of it.
void controlValve(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const gfx::ColorRef mid = scaled(p.symbol, 2, 3);
    const gfx::ColorRef dark = scaled(p.symbol, 1, 3);
    const Coord cx = L + W / 2;
    const Coord actuatorTop = T + H / 10;
    const Coord actuatorBottom = T + 3 * H / 10;
    const Coord yokeBottom = T + 6 * H / 10;
    const Coord bonnetBottom = T + 7 * H / 10;
    const Coord yoke = W / 12;
    SymbolPainter s(canvas);
    s.pen(3, kBlack);
    s.line(pt(L + W / 3, T + 1), pt(R - W / 3, T + 1));
    s.pen(5, kBlack);
    s.line(pt(cx, T + 1), pt(cx, B - H / 4));
    s.fill(p.symbol);
    s.rectangle(L + W / 10, actuatorTop, R - W / 10, T + 2 * H / 10 + 1);
    s.fill(mid);
    s.rectangle(L + W / 10, T + 2 * H / 10, R - W / 10, actuatorBottom);
    s.rectangle(L + W / 3, actuatorBottom - 1, L + W / 3 + yoke, yokeBottom + 1);
    s.rectangle(R - W / 3 - yoke, actuatorBottom - 1, R - W / 3, yokeBottom + 1);
    s.rectangle(L + 3 * W / 10, yokeBottom, R - 3 * W / 10, bonnetBottom + 1);
    s.fill(dark);
    s.rectangle(L + W / 8, bonnetBottom, R - W / 8, B - H / 20);
    s.fill(p.symbol);
    s.rectangle(L, bonnetBottom - H / 40, L + W / 8 + 1, B);
    s.rectangle(R - W / 8 - 1, bonnetBottom - H / 40, R, B);
}

constexpr gfx::Size kSquareExtent{1000, 1000};
constexpr gfx::Size kTallExtent{1000, 1300};
constexpr gfx::Size kWideExtent{1000, 769};
constexpr com::AspectRule kTall{[](int w) { return com::scaledSide(w, 1.3); },
                                [](int h) { return com::scaledSide(h, 0.7692307692307692); }};
constexpr com::AspectRule kWide{[](int w) { return com::scaledSide(w, 0.7692307692307692); },
                                [](int h) { return com::scaledSide(h, 1.3); }};

const std::array kStyles{
    SymbolStyle{gateValve, kSquareExtent, kSquare},
    SymbolStyle{domeValve, kTallExtent, kTall},
    SymbolStyle{domeValveVertical, kWideExtent, kWide},
    SymbolStyle{butterflyBox, kSquareExtent, kSquare},
    SymbolStyle{butterflyLever, kSquareExtent, kSquare},
    SymbolStyle{butterflyDome, kSquareExtent, kSquare},
    SymbolStyle{sideViewHorizontal, kWideExtent, kWide},
    SymbolStyle{sideViewVertical, kTallExtent, kTall},
    SymbolStyle{controlValve,
                {1000, 1400},
                {[](int w) { return com::scaledSide(w, 1.4); },
                 [](int h) { return com::scaledSide(h, 0.7142857142857143); }}},
};

}  // namespace

const StyleTable& valveStyles() {
    // Numbers outside the table keep a square but show the message.
    static const StyleTable table{kStyles, SymbolStyle{nullptr, {}, kSquare}};
    return table;
}

}  // namespace brennix::equipment
