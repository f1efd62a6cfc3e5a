#pragma once
// Axis titles drawn beside a chart: the Chart writes labels but no titles,
// and a canvas writes text only upright, so the Y title is drawn upright on
// a surface of its own and turned a quarter turn.

#include <string_view>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"

namespace brennix::acquire {

inline const gfx::Font kTitleFont{"DejaVu Sans", 9.0, false, false};

// Centred on `centreX`, its top at `top`.
void drawTitleAcross(gfx::Canvas& canvas, std::string_view text, int centreX, int top);

// Reading upwards, its left edge (the text's top) at `left`, centred on
// `centreY`.
void drawTitleUpwards(gfx::Bitmap& picture, std::string_view text, int left, int centreY);

}  // namespace brennix::acquire
