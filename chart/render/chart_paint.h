#pragma once
// A whole paint of the Chart: frame, axes, labels and, while the history
// holds data, the traces of every plot in its band.

#include <array>

#include "chart/axes/draw_axes.h"
#include "chart/history/chart_history.h"
#include "chart/render/plot_style.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

using PlotStyles = std::array<PlotStyle, ChartHistory::kMaxPlots>;

// The X label window of the Chart: sample numbers count the ring cycles.
XTickWindow chartTickWindow(const ChartHistory& history, const ChartAppearance& a);

// Draws straight onto canvas, with the control occupying bounds.
AxesLayout drawChart(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a,
                     const PlotStyles& plots, const ChartHistory& history);

// Draws into an off-screen surface of the bounds' size and copies it onto
// target in one block, so that a repaint per sample does not flicker.
void paintChart(gfx::Canvas& target, const gfx::Rect& bounds, const ChartAppearance& a,
                const PlotStyles& plots, const ChartHistory& history);

}  // namespace brennix::chart
