#include "chart/axes/frame_painter.h"

namespace brennix::chart {
namespace {

void borderLine(gfx::Canvas& canvas, gfx::ColorRef color, gfx::Point a, gfx::Point b,
                gfx::Point c) {
    const gfx::Pen old = canvas.selectPen({gfx::PenStyle::Solid, 4, color});
    canvas.moveTo(a);
    canvas.lineTo(b);
    canvas.lineTo(c);
    canvas.selectPen(old);
}

}  // namespace

gfx::Rect drawFrame(gfx::Canvas& canvas, const gfx::Rect& bounds, const ChartAppearance& a) {
    const gfx::Rect& r = bounds;
    borderLine(canvas, gfx::rgb(255, 255, 255), {r.left, r.bottom}, {r.left, r.top},
               {r.right, r.top});
    borderLine(canvas, gfx::rgb(0, 0, 0), {r.right, r.top}, {r.right, r.bottom},
               {r.left, r.bottom});

    gfx::Rect rect = bounds.deflated(1, 1);
    canvas.fillRect(rect, a.BkColor);

    canvas.selectFont(a.Font);
    canvas.setBackgroundColor(a.BkColor);
    if (!a.Caption.empty()) {
        canvas.setTextAlign(gfx::TextAlign::Center);
        canvas.setTextColor(a.ForeColor);
        canvas.textOutClipped({(rect.left + rect.right) / 2, rect.top}, rect, a.Caption);
        rect.top += canvas.textMetrics().height;
    }
    return rect.deflated(6, 6);
}

}  // namespace brennix::chart
