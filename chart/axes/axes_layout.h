#pragma once
// Where a paint puts things: the rectangle inside border, caption and
// margins, the PlotArea left after ticks and labels, and the bands the
// traces go into.

#include <string>
#include <vector>

#include "chart/axes/chart_appearance.h"
#include "platform/gfx/geometry.h"

namespace brennix::chart {

// Spacing counts the control would refuse are drawn as the nearest valid
// one, so that no paint divides by zero or loops without end.
int majorSpacing(std::int16_t value);  // 1 .. 100
int minorSpacing(std::int16_t value);  // 1 .. 50

struct AxesLayout {
    gfx::Rect inner;     // after border, caption and the 6-pixel margin
    gfx::Rect plotArea;  // inner less ticks and labels
    int charWidth = 0;   // 4/5 of the font's widest character
    int textHeight = 0;
    int yLabelWidth = 0;
    double labelMaximum = 0;  // ScaleMaximum, nudged when it equals ScaleMinimum

    int width() const { return inner.width(); }
    int height() const { return inner.height(); }
    int yMajorTick() const { return width() / 30; }
    int yMinorTick() const { return width() / 60; }
    int xMajorTick() const { return height() / 30; }
    int xMinorTick() const { return height() / 60; }
    int textWidth(const std::string& text) const {
        return static_cast<int>(text.size()) * charWidth;
    }
};

// The maximum the labels are computed with.
double labelMaximum(const ChartAppearance& a);

// Y label text of major tick k (0 at the top) out of YSpacingMajor.
std::string yTickText(const ChartAppearance& a, double labelMax, int k);

// The widest Y label by the character-width estimate.
int yLabelWidth(const ChartAppearance& a, double labelMax, int charWidth);

// inner less the room the enabled ticks and labels take.
gfx::Rect reducePlotArea(const ChartAppearance& a, const gfx::Rect& inner, int yLabelWidth,
                         int textHeight);

// The PlotArea cut into n bands with 20-pixel gaps, top band first.
std::vector<gfx::Rect> stackedBands(const gfx::Rect& plotArea, int n);

}  // namespace brennix::chart
