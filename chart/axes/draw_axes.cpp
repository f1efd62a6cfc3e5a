#include "chart/axes/draw_axes.h"

#include <algorithm>

#include "chart/axes/frame_painter.h"
#include "chart/axes/x_axis_painter.h"
#include "chart/axes/y_axis_painter.h"

namespace brennix::chart {

AxesLayout layoutAxes(const gfx::Canvas& canvas, const gfx::Rect& inner, const ChartAppearance& a) {
    AxesLayout layout;
    const gfx::TextMetrics metrics = canvas.textMetrics();
    layout.inner = inner;
    layout.charWidth = (4 * metrics.maxCharWidth) / 5;
    layout.textHeight = metrics.height;
    layout.labelMaximum = labelMaximum(a);
    layout.yLabelWidth = yLabelWidth(a, layout.labelMaximum, layout.charWidth);
    layout.plotArea = reducePlotArea(a, inner, layout.yLabelWidth, layout.textHeight);
    return layout;
}

std::vector<gfx::Rect> bandsOf(const AxesLayout& layout, const ChartAppearance& a,
                               AxesOrder order) {
    if (order == AxesOrder::Chart && a.PlotMode == PM_Stacked) {
        return stackedBands(layout.plotArea, std::clamp<int>(a.PlotNum, 1, 8));
    }
    return {layout.plotArea};
}

AxesLayout drawAxes(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a,
                    const XTickWindow& window, const BandTraces& traces, AxesOrder order) {
    const gfx::Rect inner = drawFrame(canvas, bounds, a);
    const AxesLayout layout = layoutAxes(canvas, inner, a);
    const gfx::Rect& area = layout.plotArea;

    if (order == AxesOrder::Chart) {
        drawXTicksAndLabels(canvas, area, layout, a, window);
    }
    canvas.setTextColor(a.YLabelColor);
    if (order == AxesOrder::Graph) {
        canvas.fillRect(area, a.PlotAreaColor);
        drawYAxis(canvas, area, layout, a);
        drawXGrid(canvas, area, a);
        drawXTicksAndLabels(canvas, area, layout, a, window);
        if (traces) {
            traces(0, area);
        }
        return layout;
    }
    const std::vector<gfx::Rect> bands = bandsOf(layout, a, order);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const gfx::Rect& band = bands[i];
        canvas.fillRect(band, a.PlotAreaColor);
        drawXGrid(canvas, band, a);
        drawYAxis(canvas, band, layout, a);
        if (traces) {
            traces(static_cast<int>(i), band);
        }
    }
    return layout;
}

}  // namespace brennix::chart
