#include "chart/graph/graph_paint.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "chart/history/chart_x_axis.h"
#include "chart/render/bitmap_shelf.h"
#include "chart/render/trace_painter.h"

namespace brennix::chart {

void drawGraphTrace(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                    const GraphSamples& samples, int plot, int plotNum, const GraphWindow& window,
                    double max, double min, TraceLayer* layer) {
    if (window.ViewNum < 1) {
        return;  // no x rule without a window
    }
    const std::int64_t count = samples.sampleCount(plot, plotNum);
    const std::int64_t first = std::max<std::int64_t>(window.StartNum, 0);
    const std::int64_t last =
        std::min<std::int64_t>(std::int64_t{window.StartNum} + window.ViewNum, count - 1);
    if (first > last) {
        return;
    }
    const ChartXAxis axis(band.left, band.right, window.StartNum, window.ViewNum);
    TracePainter painter(canvas, band, style, YScale(max, min, band.top, band.bottom),
                         PreviousPoint::DrawnOnly);
    painter.composeIn(layer);
    for (std::int64_t s = first; s <= last; ++s) {
        painter.point(axis.x(s), samples.value(plot, s, plotNum));
    }
}

AxesLayout drawGraph(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a,
                     const PlotStyles& plots, const GraphSamples& samples,
                     const GraphWindow& window) {
    const int plotNum = std::clamp<int>(a.PlotNum, 1, static_cast<int>(plots.size()));
    const auto traces = [&](int /*band*/, const gfx::Rect& area) {
        if (samples.empty()) {
            return;
        }
        const std::unique_ptr<TraceLayer> layer = TraceLayer::make(canvas);
        for (int plot = 0; plot < plotNum; ++plot) {
            drawGraphTrace(canvas, area, plots[static_cast<std::size_t>(plot)], samples, plot,
                           plotNum, window, a.ScaleMaximum, a.ScaleMinimum, layer.get());
        }
    };
    const XTickWindow ticks = XTickWindow::forGraph(
        window.StartNum, window.ViewNum, static_cast<short>(majorSpacing(a.XSpacingMajor)));
    return drawAxes(canvas, bounds, a, ticks, traces, AxesOrder::Graph);
}

void paintGraph(gfx::Canvas& target, const gfx::Rect& bounds, const ChartAppearance& a,
                const PlotStyles& plots, const GraphSamples& samples, const GraphWindow& window) {
    // As the Chart's: a side beyond any page (or beyond int) draws nothing.
    constexpr std::int64_t kLargest = 1 << 20;
    if (std::abs(std::int64_t{bounds.right} - bounds.left) > kLargest ||
        std::abs(std::int64_t{bounds.bottom} - bounds.top) > kLargest) {
        return;
    }
    const gfx::Rect area = bounds.normalized();
    if (area.isEmpty()) {
        return;
    }
    FrameSurface frame(target, {area.width(), area.height()});
    drawGraph(frame.canvas(), {0, 0, area.width(), area.height()}, a, plots, samples, window);
    target.blockCopy(area, frame.canvas(), {0, 0});
}

}  // namespace brennix::chart
