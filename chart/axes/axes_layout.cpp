#include "chart/axes/axes_layout.h"

#include <algorithm>

namespace brennix::chart {

int majorSpacing(std::int16_t value) {
    return std::clamp<int>(value, 1, 100);
}

int minorSpacing(std::int16_t value) {
    return std::clamp<int>(value, 1, 50);
}

double labelMaximum(const ChartAppearance& a) {
    return a.ScaleMaximum == a.ScaleMinimum ? a.ScaleMaximum + 1e-10 : a.ScaleMaximum;
}

std::string yTickText(const ChartAppearance& a, double labelMax, int k) {
    const double v = labelMax - (labelMax - a.ScaleMinimum) * k / majorSpacing(a.YSpacingMajor);
    return ValueToText(v, a.YFormat);
}

int yLabelWidth(const ChartAppearance& a, double labelMax, int charWidth) {
    const auto widthOf = [charWidth](const std::string& text) {
        return static_cast<int>(text.size()) * charWidth;
    };
    int widest = std::max(widthOf(ValueToText(labelMax, a.YFormat)),
                          widthOf(ValueToText(a.ScaleMinimum, a.YFormat)));
    const int major = majorSpacing(a.YSpacingMajor);
    for (int k = 0; k <= major; ++k) {
        const double v = labelMax - k * (labelMax - a.ScaleMinimum) / major;
        widest = std::max(widest, widthOf(ValueToText(v, a.YFormat)));
    }
    return widest;
}

gfx::Rect reducePlotArea(const ChartAppearance& a, const gfx::Rect& inner, int labelWidth,
                         int textHeight) {
    const int w = inner.width();
    const int h = inner.height();
    gfx::Rect p = inner;
    if (a.YTickLeft && a.YMajorTickMark) {
        p.left += w / 30;
    }
    if (a.YTickRight && a.YMajorTickMark) {
        p.right -= w / 30;
    }
    if (a.YLabelLeft) {
        p.left += labelWidth;
    }
    if (a.YLabelRight) {
        p.right -= labelWidth;
    }
    if (a.XTickAbove && a.XMajorTickMark) {
        p.top += h / 30;
    }
    if (a.XTickBottom && a.XMajorTickMark) {
        p.bottom -= h / 30;
    }
    if (a.XLabelAbove) {
        p.top += textHeight;
    }
    if (a.XLabelBottom) {
        p.bottom -= textHeight;
    }
    return p;
}

std::vector<gfx::Rect> stackedBands(const gfx::Rect& plotArea, int n) {
    n = std::max(n, 1);
    const int top = plotArea.top;
    const int bottom = plotArea.bottom;
    const int s = (bottom - top) - 20 * (n - 1);
    std::vector<gfx::Rect> bands;
    bands.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int j = n - 1 - i;
        bands.push_back({plotArea.left, top + 20 * i + (s * i) / n, plotArea.right,
                         bottom - 20 * j - (s * j) / n});
    }
    return bands;
}

}  // namespace brennix::chart
