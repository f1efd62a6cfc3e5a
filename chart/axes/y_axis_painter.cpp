#include "chart/axes/y_axis_painter.h"

#include "chart/axes/axis_lines.h"
#include "chart/axes/axis_ticks.h"
#include "chart/axes/pixel_math.h"

namespace brennix::chart {
namespace {

// A label whose box runs from top to bottom; x is the aligned edge.
void label(gfx::Canvas& canvas, gfx::TextAlign align, int x, int boxLeft, int boxRight, int top,
           int bottom, const std::string& text) {
    canvas.setTextAlign(align);
    canvas.textOutClipped({x, top}, {boxLeft, top, boxRight, bottom}, text);
}

void leftSide(gfx::Canvas& canvas, const gfx::Rect& band, const AxesLayout& layout,
              const ChartAppearance& a, const AxisTicks& s) {
    const int l = band.left;
    const int r = band.right;
    const int b = band.bottom;
    const int major = layout.yMajorTick();
    const int minor = layout.yMinorTick();
    const int th = layout.textHeight;
    const int labelRight = l - major;
    const int labelLeft = labelRight - layout.yLabelWidth;
    const bool majorTicks = a.YTickLeft && a.YMajorTickMark;
    const bool minorTicks = a.YTickLeft && a.YMinorTickMark;

    for (int k = 0; k < s.majors(); ++k) {
        const double yd = s.major(k);
        const int y = s.majorPixel(k);
        if (majorTicks) {
            axisLine(canvas, a.YMajorTickColor, {l - major, y}, {l, y});
        }
        if (a.YGridMajor) {
            axisLine(canvas, a.YGridMajorColor, {l, y}, {r, y});
        }
        if (a.YLabelLeft) {
            label(canvas, gfx::TextAlign::Right, labelRight, labelLeft, labelRight,
                  truncToInt(yd - th / 2), truncToInt(yd + th / 2),
                  yTickText(a, layout.labelMaximum, k));
        }
        for (int m = 1; m < s.minors(); ++m) {
            const int ym = s.minorPixel(y, m);
            if (minorTicks) {
                axisLine(canvas, a.YMinorTickColor, {l - minor, ym}, {l, ym});
            }
            if (a.YGridMinor) {
                axisLine(canvas, a.YGridMinorColor, {l, ym}, {r, ym});
            }
        }
    }
    if (majorTicks) {
        axisLine(canvas, a.YMajorTickColor, {l - major, b - 1}, {l, b - 1});
    }
    if (a.YGridMajor) {
        axisLine(canvas, a.YGridMajorColor, {l, b - 1}, {r, b - 1});
    }
    if (a.YLabelLeft) {
        label(canvas, gfx::TextAlign::Right, labelRight, labelLeft, labelRight, b - th / 2,
              b + th / 2, ValueToText(a.ScaleMinimum, a.YFormat));
    }
}

void rightSide(gfx::Canvas& canvas, const gfx::Rect& band, const AxesLayout& layout,
               const ChartAppearance& a, const AxisTicks& s) {
    const int r = band.right;
    const int b = band.bottom;
    const int major = layout.yMajorTick();
    const int minor = layout.yMinorTick();
    const int th = layout.textHeight;
    const int labelLeft = r + major;
    const int labelRight = labelLeft + layout.yLabelWidth;
    const bool majorTicks = a.YTickRight && a.YMajorTickMark;
    const bool minorTicks = a.YTickRight && a.YMinorTickMark;

    for (int k = 0; k < s.majors(); ++k) {
        const double yd = s.major(k);
        const int y = s.majorPixel(k);
        if (majorTicks) {
            axisLine(canvas, a.YMajorTickColor, {r, y}, {r + major, y});
        }
        if (a.YLabelRight) {
            label(canvas, gfx::TextAlign::Left, labelLeft, labelLeft, labelRight,
                  truncToInt(yd - th / 2), truncToInt(yd + th / 2),
                  yTickText(a, layout.labelMaximum, k));
        }
        if (minorTicks) {
            for (int m = 1; m < s.minors(); ++m) {
                const int ym = s.minorPixel(y, m);
                axisLine(canvas, a.YMinorTickColor, {r, ym}, {r + minor, ym});
            }
        }
    }
    if (majorTicks) {
        axisLine(canvas, a.YMajorTickColor, {r, b - 1}, {r + major, b - 1});
    }
    if (a.YLabelRight) {
        label(canvas, gfx::TextAlign::Left, labelLeft, labelLeft, labelRight, b - th / 2,
              b + th / 2, ValueToText(a.ScaleMinimum, a.YFormat));
    }
}

}  // namespace

void drawYAxis(gfx::Canvas& canvas, const gfx::Rect& band, const AxesLayout& layout,
               const ChartAppearance& a) {
    const AxisTicks s(band.top, band.bottom, a.YSpacingMajor, a.YSpacingMinor);
    leftSide(canvas, band, layout, a, s);
    rightSide(canvas, band, layout, a, s);
}

}  // namespace brennix::chart
