#pragma once
// The frame around every chart paint: the bevel-like 4-pixel border, the
// background, the caption row and the 6-pixel margin.

#include "chart/axes/chart_appearance.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

// Draws the frame of the control rectangle bounds and returns the rectangle
// the axes are laid out in. Leaves the font selected and the text
// background set to BkColor.
gfx::Rect drawFrame(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a);

}  // namespace brennix::chart
