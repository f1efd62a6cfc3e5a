#pragma once
// A whole chart frame in the order it is painted: frame, layout, X ticks and
// labels, then per band its background, grids, Y axis and traces.

#include <functional>

#include "chart/axes/axes_layout.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

// The Chart lays the X grid under the Y grid and draws the X ticks before
// the bands; the Graph draws the X grid, ticks and labels after its Y axis.
enum class AxesOrder { Chart, Graph };

// Draws the traces of one band (0 = top band); called once per band, after
// the band's axes.
using BandTraces = std::function<void(int band, const gfx::Rect& area)>;

// Layout inside the rectangle left by the frame, with the font already
// selected on canvas.
AxesLayout layoutAxes(const gfx::Canvas& canvas, const gfx::Rect& inner, const ChartAppearance& a);

// The bands of a layout: one per plot when the Chart is stacked, else the
// whole PlotArea.
std::vector<gfx::Rect> bandsOf(const AxesLayout& layout, const ChartAppearance& a, AxesOrder order);

AxesLayout drawAxes(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a,
                    const XTickWindow& window, const BandTraces& traces,
                    AxesOrder order = AxesOrder::Chart);

}  // namespace brennix::chart
