#pragma once
// Pens, brushes and fonts selected for one use and put back afterwards.

#include "platform/gfx/canvas.h"

namespace brennix::gfx {

class ScopedPen {
  public:
    ScopedPen(Canvas& canvas, const Pen& pen) : canvas_(canvas), previous_(canvas.selectPen(pen)) {}
    ~ScopedPen() { canvas_.selectPen(previous_); }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

  private:
    Canvas& canvas_;
    Pen previous_;
};

class ScopedBrush {
  public:
    ScopedBrush(Canvas& canvas, const Brush& brush)
        : canvas_(canvas), previous_(canvas.selectBrush(brush)) {}
    ~ScopedBrush() { canvas_.selectBrush(previous_); }
    ScopedBrush(const ScopedBrush&) = delete;
    ScopedBrush& operator=(const ScopedBrush&) = delete;

  private:
    Canvas& canvas_;
    Brush previous_;
};

class ScopedFont {
  public:
    ScopedFont(Canvas& canvas, const Font& font)
        : canvas_(canvas), previous_(canvas.selectFont(font)) {}
    ~ScopedFont() { canvas_.selectFont(previous_); }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

  private:
    Canvas& canvas_;
    Font previous_;
};

}  // namespace brennix::gfx
