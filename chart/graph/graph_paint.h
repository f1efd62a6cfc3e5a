#pragma once
// A whole paint of the Graph: frame, axes and labels as the Chart draws
// them in a single band, then each plot's samples of the window.

#include <cstdint>

#include "chart/axes/draw_axes.h"
#include "chart/graph/graph_samples.h"
#include "chart/render/chart_paint.h"
#include "chart/render/trace_layer.h"

namespace brennix::chart {

struct GraphWindow {
    std::int32_t StartNum = 0;
    std::int32_t ViewNum = 100;
};

// Positions StartNum .. StartNum + ViewNum of one plot (0-based), placed
// across band; a position outside the band's rows is skipped and the line
// bridges it. A ViewNum below 1 places nothing. With a layer (made for
// canvas) the draws are composed through it, for the same pixels.
void drawGraphTrace(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                    const GraphSamples& samples, int plot, int plotNum, const GraphWindow& window,
                    double max, double min, TraceLayer* layer = nullptr);

AxesLayout drawGraph(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a,
                     const PlotStyles& plots, const GraphSamples& samples,
                     const GraphWindow& window);

// Through an off-screen surface and one block copy, as the Chart paints.
void paintGraph(gfx::Canvas& target, const gfx::Rect& bounds, const ChartAppearance& a,
                const PlotStyles& plots, const GraphSamples& samples, const GraphWindow& window);

}  // namespace brennix::chart
