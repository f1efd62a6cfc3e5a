#pragma once
// The tube of the Slide: the content area, the tube's x range and the
// scale's top and bottom, and the heights of values on it. Integer
// divisions throughout, as the layout is in whole pixels.

#include "instruments/scale/scale_range.h"
#include "platform/gfx/geometry.h"

namespace brennix::instruments {

struct Tube {
    gfx::Rect area;  // A
    int width = 0;   // tw
    int half = 0;    // c
    int middle = 0;  // xm
    int left = 0;    // xl
    int right = 0;   // xr
    int top = 0;     // sT
    int bottom = 0;  // sB

    static Tube inArea(const gfx::Rect& area);
    int length() const { return bottom - top; }   // Hs
    int breadth() const { return right - left; }  // tb

    // sT + trunc(fraction from the top x Hs), kept within a few lengths of
    // the tube so that far-off values give sane pixels.
    int heightOf(const ScaleRange& range, double v) const;
    // The value a pointer dragged to height y stands for.
    double valueAtHeight(const ScaleRange& range, int y) const;
};

// A pixel coordinate from a computed one: NaN gives `fallback`, others are
// held within +-2^24 of it.
int pixel(double v, int fallback);

}  // namespace brennix::instruments
