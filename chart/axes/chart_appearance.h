#pragma once
// The property values that shape the frame, the axes and the labels of a
// chart paint, named as the control's properties are. The control copies its
// properties in here; nothing here is checked again except where a value the
// control would refuse could break the arithmetic.

#include <cstdint>
#include <string>

#include "chart/labels/value_text.h"
#include "chart/labels/x_value_text.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"

namespace brennix::chart {

enum enumPlotMode : std::int16_t {
    PM_Overlaid = 0,
    PM_Stacked = 1,
};

struct ChartAppearance {
    // Stock properties.
    std::string Caption;
    gfx::Font Font;
    gfx::ColorRef ForeColor = gfx::systemColorRef(gfx::SystemColor::WindowText);

    gfx::ColorRef BkColor = gfx::systemColorRef(gfx::SystemColor::ButtonFace);
    gfx::ColorRef PlotAreaColor = gfx::rgb(0, 0, 0);
    double ScaleMaximum = 10.0;
    double ScaleMinimum = 0.0;

    // Y labels: FormatClass and Format.
    YLabelFormat YFormat;
    // X labels: XAxisFormatClass, XAxisFormat, TimeInterval, TimeBase0..2.
    XLabelFormat XFormat;

    std::int16_t YSpacingMinor = 2;
    std::int16_t YSpacingMajor = 10;
    bool YMajorTickMark = true;
    gfx::ColorRef YMajorTickColor = 0;
    bool YMinorTickMark = true;
    gfx::ColorRef YMinorTickColor = 0;
    bool YTickLeft = true;
    bool YTickRight = false;
    bool YLabelLeft = true;
    bool YLabelRight = false;
    gfx::ColorRef YLabelColor = 0;
    bool YGridMajor = false;
    bool YGridMinor = false;
    gfx::ColorRef YGridMajorColor = gfx::rgb(255, 0, 0);
    gfx::ColorRef YGridMinorColor = gfx::rgb(0, 255, 0);

    bool XTickBottom = true;
    bool XTickAbove = false;
    bool XLabelAbove = false;
    bool XLabelBottom = true;
    bool XMajorTickMark = true;
    bool XMinorTickMark = true;
    gfx::ColorRef XMajorTickColor = 0;
    gfx::ColorRef XMinorTickColor = 0;
    std::int16_t XSpacingMajor = 4;
    std::int16_t XSpacingMinor = 2;
    gfx::ColorRef XLabelColor = 0;
    bool XGridMajor = false;
    bool XGridMinor = false;
    gfx::ColorRef XGridMajorColor = gfx::rgb(0, 0, 255);
    gfx::ColorRef XGridMinorColor = gfx::rgb(0, 255, 255);

    // Chart only: stacked bands, one per plot.
    std::int16_t PlotMode = PM_Overlaid;
    std::int16_t PlotNum = 1;
};

}  // namespace brennix::chart
