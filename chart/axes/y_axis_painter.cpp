#include "chart/axes/y_axis_painter.h"

#include "chart/axes/axis_lines.h"
#include "chart/axes/pixel_math.h"

namespace brennix::chart {
namespace {

struct YSteps {
    int major;
    int minor;
    double sy;
    double my;
};

YSteps stepsOf(const gfx::Rect& band, const ChartAppearance& a) {
    YSteps s{majorSpacing(a.YSpacingMajor), minorSpacing(a.YSpacingMinor), 0, 0};
    s.sy = static_cast<double>(band.bottom - band.top) / s.major;
    s.my = s.sy / s.minor;
    return s;
}

// A label whose box runs from top to bottom; x is the aligned edge.
void label(gfx::Canvas& canvas, gfx::TextAlign align, int x, int boxLeft, int boxRight, int top,
           int bottom, const std::string& text) {
    canvas.setTextAlign(align);
    canvas.textOutClipped({x, top}, {boxLeft, top, boxRight, bottom}, text);
}

void leftSide(gfx::Canvas& canvas, const gfx::Rect& band, const AxesLayout& layout,
              const ChartAppearance& a, const YSteps& s) {
    const int l = band.left;
    const int t = band.top;
    const int r = band.right;
    const int b = band.bottom;
    const int major = layout.yMajorTick();
    const int minor = layout.yMinorTick();
    const int th = layout.textHeight;
    const int labelRight = l - major;
    const int labelLeft = labelRight - layout.yLabelWidth;
    const bool majorTicks = a.YTickLeft && a.YMajorTickMark;
    const bool minorTicks = a.YTickLeft && a.YMinorTickMark;

    for (int k = 0; k < s.major; ++k) {
        const double yd = t + k * s.sy;
        const int y = truncToInt(yd);
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
        for (int m = 1; m < s.minor; ++m) {
            const int ym = truncToInt(y + m * s.my);
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
               const ChartAppearance& a, const YSteps& s) {
    const int t = band.top;
    const int r = band.right;
    const int b = band.bottom;
    const int major = layout.yMajorTick();
    const int minor = layout.yMinorTick();
    const int th = layout.textHeight;
    const int labelLeft = r + major;
    const int labelRight = labelLeft + layout.yLabelWidth;
    const bool majorTicks = a.YTickRight && a.YMajorTickMark;
    const bool minorTicks = a.YTickRight && a.YMinorTickMark;

    for (int k = 0; k < s.major; ++k) {
        const double yd = t + k * s.sy;
        const int y = truncToInt(yd);
        if (majorTicks) {
            axisLine(canvas, a.YMajorTickColor, {r, y}, {r + major, y});
        }
        if (a.YLabelRight) {
            label(canvas, gfx::TextAlign::Left, labelLeft, labelLeft, labelRight,
                  truncToInt(yd - th / 2), truncToInt(yd + th / 2),
                  yTickText(a, layout.labelMaximum, k));
        }
        if (minorTicks) {
            for (int m = 1; m < s.minor; ++m) {
                const int ym = truncToInt(y + m * s.my);
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
    const YSteps s = stepsOf(band, a);
    leftSide(canvas, band, layout, a, s);
    rightSide(canvas, band, layout, a, s);
}

}  // namespace brennix::chart
