#pragma once
// Y ticks, Y grid lines and Y labels of one band. The text colour is the
// caller's (YLabelColor).

#include "chart/axes/axes_layout.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

void drawYAxis(gfx::Canvas& canvas, const gfx::Rect& band, const AxesLayout& layout,
               const ChartAppearance& a);

}  // namespace brennix::chart
