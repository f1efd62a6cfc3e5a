#pragma once
// X grid lines of one band, and the X ticks and labels along the whole
// PlotArea.

#include "chart/axes/axes_layout.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

void drawXGrid(gfx::Canvas& canvas, const gfx::Rect& band, const ChartAppearance& a);

// Label texts come from window; a label that cannot be formatted shows its
// message and stays empty.
void drawXTicksAndLabels(gfx::Canvas& canvas, const gfx::Rect& plotArea, const AxesLayout& layout,
                         const ChartAppearance& a, const XTickWindow& window);

}  // namespace brennix::chart
