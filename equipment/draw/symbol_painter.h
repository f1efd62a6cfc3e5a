#pragma once
// Draws the primitives of a symbol with the pen and brush it names for each,
// and puts the canvas's own pen and brush back when it is done.

#include <initializer_list>

#include "equipment/draw/symbol_frame.h"
#include "platform/gfx/canvas.h"

namespace brennix::equipment {

inline constexpr gfx::ColorRef kBlack = gfx::rgb(0, 0, 0);

class SymbolPainter {
  public:
    explicit SymbolPainter(gfx::Canvas& canvas);
    ~SymbolPainter();
    SymbolPainter(const SymbolPainter&) = delete;
    SymbolPainter& operator=(const SymbolPainter&) = delete;

    // A solid brush of color under the 1-pixel black pen: how most parts
    // are drawn.
    void fill(gfx::ColorRef color);
    void pen(int width, gfx::ColorRef color);
    void brush(gfx::ColorRef color);

    void rectangle(Coord l, Coord t, Coord r, Coord b);
    void ellipse(Coord l, Coord t, Coord r, Coord b);
    void pie(const gfx::Rect& box, gfx::Point radialStart, gfx::Point radialEnd);
    void arc(const gfx::Rect& box, gfx::Point radialStart, gfx::Point radialEnd);
    void polygon(std::initializer_list<gfx::Point> points);
    void line(gfx::Point from, gfx::Point to);

  private:
    gfx::Canvas& canvas_;
    gfx::Pen pen_;
    gfx::Brush brush_;
};

}  // namespace brennix::equipment
