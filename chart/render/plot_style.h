#pragma once
// How one trace is drawn: the per-plot properties LineStyle, LineWidth,
// PointStyle, Interp, FillBase and the three colours.

#include <cstdint>

#include "platform/gfx/color.h"

namespace brennix::chart {

enum enumLineStyle : std::int16_t { LS_Solid = 0, LS_Dash = 1, LS_Dot = 2 };

enum enumPointStyle : std::int16_t {
    PS_None = 0,
    PS_EmptySquare = 1,
    PS_SolidSquare = 2,
    PS_EmptyDiamond = 3,
    PS_SolidDiamond = 4,
    PS_EmptyCircle = 5,
    PS_SolidCircle = 6,
    PS_X = 7,
    PS_Cross = 8,
};

enum enumInterp : std::int16_t { IP_Direct = 0, IP_XY = 1, IP_YX = 2 };

enum enumFillBase : std::int16_t {
    FB_None = 0,
    FB_Zero = 1,
    FB_MinusInfinity = 2,
    FB_PlusInfinity = 3,
};

struct PlotStyle {
    std::int16_t LineStyle = LS_Solid;
    std::int16_t LineWidth = 0;  // pixels; 0 and 1 both draw one
    std::int16_t PointStyle = PS_None;
    std::int16_t Interp = IP_Direct;
    std::int16_t FillBase = FB_None;
    gfx::ColorRef LineColor = gfx::rgb(255, 0, 255);
    gfx::ColorRef PointColor = gfx::rgb(255, 255, 0);
    gfx::ColorRef FillColor = gfx::rgb(255, 128, 0);
};

}  // namespace brennix::chart
