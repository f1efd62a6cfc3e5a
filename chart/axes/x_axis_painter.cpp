#include "chart/axes/x_axis_painter.h"

#include "chart/axes/axis_lines.h"
#include "chart/axes/axis_ticks.h"
#include "chart/axes/pixel_math.h"
#include "platform/com/message_box.h"

namespace brennix::chart {
namespace {

AxisTicks ticksOf(const gfx::Rect& area, const ChartAppearance& a) {
    return {area.left, area.right, a.XSpacingMajor, a.XSpacingMinor};
}

// One edge of the PlotArea: ticks grow from edgeY by direction, the label
// row spans labelTop .. labelTop + th.
struct XEdge {
    int edgeY;
    int direction;
    int labelTop;
    bool ticks;
    bool labels;
};

std::string labelText(int k, const ChartAppearance& a, const XTickWindow& window) {
    XLabelText label = XValueToStr(k, a.XFormat, window);
    if (label.message) {
        com::showMessage(*label.message, {}, com::MessageOwner::Control);
    }
    return std::move(label.text);
}

void xLabel(gfx::Canvas& canvas, const AxesLayout& layout, const ChartAppearance& a,
            const std::string& text, int boxLeft, int boxRight, int top) {
    canvas.setTextColor(a.XLabelColor);
    canvas.setTextAlign(gfx::TextAlign::Center);
    const gfx::Rect box{boxLeft, top, boxRight, top + layout.textHeight};
    canvas.textOutClipped({(boxLeft + boxRight) / 2, top}, box, text);
}

void drawEdge(gfx::Canvas& canvas, const gfx::Rect& area, const AxesLayout& layout,
              const ChartAppearance& a, const XTickWindow& window, const XEdge& edge,
              const AxisTicks& s) {
    const int major = layout.xMajorTick() * edge.direction;
    const int minor = layout.xMinorTick() * edge.direction;
    const bool majorTicks = edge.ticks && a.XMajorTickMark;
    const bool minorTicks = edge.ticks && a.XMinorTickMark;
    const int y = edge.edgeY;

    for (int k = 0; k < s.majors(); ++k) {
        const double xd = s.major(k);
        const int x = s.majorPixel(k);
        if (majorTicks) {
            axisLine(canvas, a.XMajorTickColor, {x, y}, {x, y + major});
        }
        if (edge.labels) {
            const std::string text = labelText(k, a, window);
            const int hw = layout.textWidth(text) / 2;
            xLabel(canvas, layout, a, text, truncToInt(xd - hw), truncToInt(xd + hw),
                   edge.labelTop);
        }
        if (minorTicks) {
            for (int m = 1; m < s.minors(); ++m) {
                const int xm = s.minorPixel(x, m);
                axisLine(canvas, a.XMinorTickColor, {xm, y}, {xm, y + minor});
            }
        }
    }
    const int last = area.right - 1;
    if (majorTicks) {
        axisLine(canvas, a.XMajorTickColor, {last, y}, {last, y + major});
    }
    if (edge.labels) {
        const std::string text = labelText(s.majors(), a, window);
        const int hw = layout.textWidth(text) / 2;
        xLabel(canvas, layout, a, text, last - hw, last + hw, edge.labelTop);
    }
}

}  // namespace

void drawXGrid(gfx::Canvas& canvas, const gfx::Rect& band, const ChartAppearance& a) {
    if (!a.XGridMajor && !a.XGridMinor) {
        return;
    }
    const AxisTicks s = ticksOf(band, a);
    const int t = band.top;
    const int b = band.bottom;
    for (int k = 0; k < s.majors(); ++k) {
        int x = s.majorPixel(k);
        if (a.XGridMajor) {
            axisLine(canvas, a.XGridMajorColor, {x, t}, {x, b});
        }
        for (int m = 1; m < s.minors(); ++m) {
            // Each minor line steps on from the previous truncated one.
            x = s.nextMinorPixel(x);
            if (a.XGridMinor) {
                axisLine(canvas, a.XGridMinorColor, {x, t}, {x, b});
            }
        }
    }
    if (a.XGridMajor) {
        axisLine(canvas, a.XGridMajorColor, {band.right - 1, t}, {band.right - 1, b});
    }
}

void drawXTicksAndLabels(gfx::Canvas& canvas, const gfx::Rect& plotArea, const AxesLayout& layout,
                         const ChartAppearance& a, const XTickWindow& window) {
    const AxisTicks s = ticksOf(plotArea, a);
    const int major = layout.xMajorTick();
    const int th = layout.textHeight;
    drawEdge(canvas, plotArea, layout, a, window,
             {plotArea.bottom, 1, plotArea.bottom + major, a.XTickBottom, a.XLabelBottom}, s);
    drawEdge(canvas, plotArea, layout, a, window,
             {plotArea.top, -1, plotArea.top - major - th, a.XTickAbove, a.XLabelAbove}, s);
}

}  // namespace brennix::chart
