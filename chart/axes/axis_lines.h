#pragma once
// One tick or grid line: its own 1-pixel solid pen, made and put back
// around the line.

#include "platform/gfx/canvas.h"

namespace brennix::chart {

inline void axisLine(gfx::Canvas& canvas, gfx::ColorRef color, gfx::Point from, gfx::Point to) {
    const gfx::Pen old = canvas.selectPen({gfx::PenStyle::Solid, 1, color});
    canvas.moveTo(from);
    canvas.lineTo(to);
    canvas.selectPen(old);
}

}  // namespace brennix::chart
