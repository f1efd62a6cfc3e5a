#pragma once
// Equipment controls as a host holds them: created with their defaults,
// sized through their extent handler, painted onto a recording canvas for
// geometry or into a window of their own for pixels.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/com/control.h"
#include "platform/com/extent.h"
#include "platform/gfx/raster_canvas.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::equipment::testing {

inline constexpr int kPpi = 96;

// What the host ends up with after proposing a size in pixels.
inline gfx::Size proposePixels(com::Control& control, gfx::Size pixels) {
    return com::hiMetricToPixels(control.setExtent(com::pixelsToHiMetric(pixels, kPpi)), kPpi);
}

// Every call of one paint of the control in bounds.
inline std::vector<gfx::RecordedCall> record(com::Control& control, const gfx::Rect& bounds) {
    gfx::RecordingCanvas canvas({bounds.right, bounds.bottom});
    control.draw(canvas, bounds);
    return canvas.calls();
}

// The calls of one paint after the background fill, which must come first.
inline std::vector<gfx::RecordedCall> recordSymbol(com::Control& control, const gfx::Rect& bounds) {
    auto calls = record(control, bounds);
    EXPECT_FALSE(calls.empty());
    if (calls.empty()) {
        return calls;
    }
    EXPECT_EQ(calls.front().kind, gfx::CallKind::FillRect);
    EXPECT_EQ(calls.front().rect, bounds);
    EXPECT_EQ(calls.front().color, control.translateColor(control.backColor()));
    calls.erase(calls.begin());
    return calls;
}

// The control painted in a window of its own pixel size.
inline gfx::Bitmap renderWindow(com::Control& control) {
    const gfx::Size size = control.extentPixels();
    gfx::RasterCanvas window(size);
    control.draw(window, {0, 0, size.cx, size.cy});
    return window.bitmap();
}

template <class T>
std::shared_ptr<T> make() {
    return com::createControl<T>();
}

}  // namespace brennix::equipment::testing
