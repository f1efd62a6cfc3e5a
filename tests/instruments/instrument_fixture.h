#pragma once
// Instruments as a host holds them: created with their defaults, sized in
// pixels, painted onto a recording canvas for geometry or into a window of
// their own for pixels, and compared with golden pictures. Set
// BRENNIX_UPDATE_GOLDEN=1 to rewrite the pictures after a change meant to
// alter them, and look at them before committing.

#include <gtest/gtest.h>
#include <cmath>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/control.h"
#include "platform/com/extent.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/raster_canvas.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::instruments::testing {

inline constexpr int kPpi = 96;

template <class T>
std::shared_ptr<T> make(gfx::Size pixels = {}) {
    auto control = com::createControl<T>();
    if (pixels.cx > 0 || pixels.cy > 0) {
        control->setExtent(com::pixelsToHiMetric(pixels, kPpi));
    }
    return control;
}

// A property put through dispatch, as a host sets it.
inline void set(com::Control& control, const char* name, const com::Variant& value) {
    EXPECT_TRUE(control.put(name, value).ok()) << name;
}
// A host cannot store NaN or infinity in a Double property: it is refused
// and the control keeps what it had.
inline void set(com::Control& control, const char* name, double value) {
    if (!std::isfinite(value)) {
        EXPECT_FALSE(control.put(name, com::Variant(value)).ok()) << name;
        return;
    }
    set(control, name, com::Variant(value));
}
inline void set(com::Control& control, const char* name, bool value) {
    set(control, name, com::Variant(value));
}
inline void set(com::Control& control, const char* name, int value) {
    set(control, name, com::Variant(static_cast<std::int16_t>(value)));
}
inline void setColor(com::Control& control, const char* name, gfx::ColorRef value) {
    set(control, name, com::Variant::fromColor(value));
}

// Every call of one paint of the control in bounds.
inline std::vector<gfx::RecordedCall> record(com::Control& control, const gfx::Rect& bounds) {
    gfx::RecordingCanvas canvas({bounds.right, bounds.bottom});
    control.draw(canvas, bounds);
    return canvas.calls();
}

// The control painted in a window of the given size.
inline gfx::Bitmap renderWindow(com::Control& control, gfx::Size size) {
    gfx::RasterCanvas window(size);
    control.draw(window, {0, 0, size.cx, size.cy});
    return window.bitmap();
}

inline void expectMatchesGolden(const gfx::Bitmap& actual, const std::string& name) {
    const auto golden = std::filesystem::path(BRENNIX_INSTRUMENTS_GOLDEN_DIR) / name;
    std::string error;
    if (std::getenv("BRENNIX_UPDATE_GOLDEN") != nullptr) {
        std::filesystem::create_directories(golden.parent_path());
        ASSERT_TRUE(gfx::savePng(actual, golden.string(), error)) << error;
    }
    const auto expected = gfx::loadPng(golden.string(), error);
    ASSERT_TRUE(expected.has_value()) << error;
    ASSERT_EQ(expected->size(), actual.size());
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            differing += actual.pixel(x, y) != expected->pixel(x, y) ? 1 : 0;
        }
    }
    if (differing != 0) {
        const auto out = std::filesystem::temp_directory_path() / ("actual-" + name);
        gfx::savePng(actual, out.string(), error);
        ADD_FAILURE() << differing << " pixels differ from " << golden << "; got " << out;
    }
}

}  // namespace brennix::instruments::testing
