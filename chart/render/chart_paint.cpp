#include "chart/render/chart_paint.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "chart/render/bitmap_shelf.h"
#include "chart/render/chart_trace.h"

namespace brennix::chart {

XTickWindow chartTickWindow(const ChartHistory& history, const ChartAppearance& a) {
    return XTickWindow::forChart(history.ringLength(), history.cycleCount(), history.startNum(),
                                 history.viewNum(),
                                 static_cast<short>(majorSpacing(a.XSpacingMajor)));
}

AxesLayout drawChart(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a,
                     const PlotStyles& plots, const ChartHistory& history) {
    const int plotCount = std::clamp<int>(a.PlotNum, 1, ChartHistory::kMaxPlots);
    const bool stacked = a.PlotMode == PM_Stacked;
    std::unique_ptr<TraceLayer> layer;
    const auto traces = [&](int band, const gfx::Rect& area) {
        if (!history.hasData()) {
            return;
        }
        if (!layer) {
            layer = TraceLayer::make(canvas);
        }
        const int first = stacked ? band : 0;
        const int end = stacked ? band + 1 : plotCount;
        for (int plot = first; plot < end; ++plot) {
            drawChartTrace(canvas, area, plots[static_cast<std::size_t>(plot)], history, plot,
                           a.ScaleMaximum, a.ScaleMinimum, layer.get());
        }
    };
    return drawAxes(canvas, bounds, a, chartTickWindow(history, a), traces, AxesOrder::Chart);
}

void paintChart(gfx::Canvas& target, const gfx::Rect& bounds, const ChartAppearance& a,
                const PlotStyles& plots, const ChartHistory& history) {
    // Layouts measure in int; a side far beyond any screen or page (or one
    // that does not fit an int at all) would overflow them: nothing is drawn.
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
    drawChart(frame.canvas(), {0, 0, area.width(), area.height()}, a, plots, history);
    target.blockCopy(area, frame.canvas(), {0, 0});
}

}  // namespace brennix::chart
