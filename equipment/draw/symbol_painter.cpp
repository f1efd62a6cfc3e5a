#include "equipment/draw/symbol_painter.h"

#include <span>

namespace brennix::equipment {

SymbolPainter::SymbolPainter(gfx::Canvas& canvas)
    : canvas_(canvas), pen_(canvas.pen()), brush_(canvas.brush()) {}

SymbolPainter::~SymbolPainter() {
    canvas_.selectPen(pen_);
    canvas_.selectBrush(brush_);
}

void SymbolPainter::fill(gfx::ColorRef color) {
    pen(1, kBlack);
    brush(color);
}

void SymbolPainter::pen(int width, gfx::ColorRef color) {
    canvas_.selectPen({gfx::PenStyle::Solid, width, color});
}

void SymbolPainter::brush(gfx::ColorRef color) {
    canvas_.selectBrush({gfx::BrushStyle::Solid, color});
}

void SymbolPainter::rectangle(Coord l, Coord t, Coord r, Coord b) {
    canvas_.rectangle(box(l, t, r, b));
}

void SymbolPainter::ellipse(Coord l, Coord t, Coord r, Coord b) {
    canvas_.ellipse(box(l, t, r, b));
}

void SymbolPainter::pie(const gfx::Rect& box, gfx::Point radialStart, gfx::Point radialEnd) {
    canvas_.pie(box, radialStart, radialEnd);
}

void SymbolPainter::arc(const gfx::Rect& box, gfx::Point radialStart, gfx::Point radialEnd) {
    canvas_.arc(box, radialStart, radialEnd);
}

void SymbolPainter::polygon(std::initializer_list<gfx::Point> points) {
    canvas_.polygon(std::span<const gfx::Point>(points.begin(), points.size()));
}

void SymbolPainter::line(gfx::Point from, gfx::Point to) {
    canvas_.moveTo(from);
    canvas_.lineTo(to);
}

}  // namespace brennix::equipment
