#include "equipment/draw/pipe_symbols.h"

#include <array>
#include <utility>

#include "equipment/draw/symbol_painter.h"

namespace brennix::equipment {
namespace {

// Elbow 0 joins the bottom and the right edge. The other three are its
// mirror images, pixel for pixel: a pixel column x becomes L + R - 1 - x, a
// run of columns [a, b) becomes [L + R - b, L + R - a); rows likewise.
class Mirror {
  public:
    Mirror(const Frame& f, bool x, bool y) : f_(f), x_(x), y_(y) {}

    gfx::Point pixel(Coord x, Coord y) const {
        return pt(x_ ? f_.L + f_.R - 1 - x : x, y_ ? f_.T + f_.B - 1 - y : y);
    }
    gfx::Rect rect(Coord l, Coord t, Coord r, Coord b) const {
        const auto [l2, r2] = x_ ? std::pair{f_.L + f_.R - r, f_.L + f_.R - l} : std::pair{l, r};
        const auto [t2, b2] = y_ ? std::pair{f_.T + f_.B - b, f_.T + f_.B - t} : std::pair{t, b};
        return box(l2, t2, r2, b2);
    }
    // The 1-pixel line over columns [a, b) of row y.
    void rowLine(SymbolPainter& s, Coord a, Coord b, Coord y) const {
        const gfx::Rect r = rect(a, y, b, y + 1);
        s.line({r.left, r.top}, {r.right, r.top});
    }
    // The 1-pixel line over rows [a, b) of column x.
    void columnLine(SymbolPainter& s, Coord x, Coord a, Coord b) const {
        const gfx::Rect r = rect(x, a, x + 1, b);
        s.line({r.left, r.top}, {r.left, r.bottom});
    }

  private:
    Frame f_;
    bool x_;
    bool y_;
};

template <bool MirrorX, bool MirrorY>
void elbow(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    const Coord c = W / 6;
    const Coord b = W / 8;
    const Mirror m(f, MirrorX, MirrorY);
    SymbolPainter s(canvas);
    s.fill(p.symbol);
    s.polygon({m.pixel(L + c, B - 2 * b), m.pixel(L + c, B - 4 * b), m.pixel(L + 4 * b, T + c),
               m.pixel(R - 2 * b, T + c), m.pixel(R - 2 * b, T + 3 * c),
               m.pixel(R - 3 * b, T + 3 * c), m.pixel(L + 3 * c, B - 3 * b),
               m.pixel(L + 3 * c, B - 2 * b)});
    s.fill(p.back);
    const gfx::Rect bottom = m.rect(L, B - 2 * b, L + 4 * c, B);
    s.rectangle(bottom.left, bottom.top, bottom.right, bottom.bottom);
    m.rowLine(s, L, L + 4 * c, B - b);
    const gfx::Rect right = m.rect(R - 2 * b, T, R, T + 4 * c);
    s.rectangle(right.left, right.top, right.right, right.bottom);
    m.columnLine(s, R - b, T, T + 4 * c);
}

// The body in the flow colour, outlined only with Edge, and two black lines
// along it at a third and two thirds of its thickness.
template <bool Vertical>
void straightRun(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    if (p.edge) {
        s.fill(p.symbol);
        s.rectangle(L, T, R, B);
    } else {
        canvas.fillRect(box(L, T, R, B), p.symbol);
    }
    s.pen(1, kBlack);
    if constexpr (Vertical) {
        s.line(pt(L + W / 3, T), pt(L + W / 3, B));
        s.line(pt(L + 2 * W / 3, T), pt(L + 2 * W / 3, B));
    } else {
        s.line(pt(L, T + H / 3), pt(R, T + H / 3));
        s.line(pt(L, T + 2 * H / 3), pt(R, T + 2 * H / 3));
    }
}

template <bool Vertical>
void joint(gfx::Canvas& canvas, const Frame& f, const Palette& p) {
    const auto [L, T, R, B, W, H] = f;
    SymbolPainter s(canvas);
    s.fill(p.back);
    s.rectangle(L, T, R, B);
    if constexpr (Vertical) {
        s.line(pt(L + W / 2, T), pt(L + W / 2, B));
    } else {
        s.line(pt(L, T + H / 2), pt(R, T + H / 2));
    }
}

constexpr gfx::Size kElbowExtent{1000, 1000};

const std::array kStyles{
    SymbolStyle{elbow<false, false>, kElbowExtent, kSquare, true},
    SymbolStyle{elbow<true, false>, kElbowExtent, kSquare, true},
    SymbolStyle{elbow<false, true>, kElbowExtent, kSquare, true},
    SymbolStyle{elbow<true, true>, kElbowExtent, kSquare, true},
    SymbolStyle{straightRun<false>,
                {1000, 400},
                {[](int w) { return com::scaledSide(w, 0.4); },
                 [](int h) { return com::scaledSide(h, 2.5); }},
                true},
    SymbolStyle{straightRun<true>,
                {1000, 2500},
                {[](int w) { return com::scaledSide(w, 2.5); },
                 [](int h) { return com::scaledSide(h, 0.4); }},
                true},
    SymbolStyle{joint<true>,
                {1000, 2000},
                {[](int w) { return com::ratioSide(w, 2, 1); },
                 [](int h) { return com::scaledSide(h, 0.5); }}},
    SymbolStyle{joint<false>,
                {1000, 500},
                {[](int w) { return com::scaledSide(w, 0.5); },
                 [](int h) { return com::ratioSide(h, 2, 1); }}},
};

}  // namespace

const StyleTable& pipeStyles() {
    static const StyleTable table{kStyles};
    return table;
}

}  // namespace brennix::equipment
