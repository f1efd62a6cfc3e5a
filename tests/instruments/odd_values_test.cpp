// Values a host sets far outside the range, NaN or infinity, and controls
// of no size: every paint, drag and mouse event ends without a crash, a hang
// or a write outside the bitmap (run under the sanitizer build too).

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "instruments/knob/knob_ctrl.h"
#include "instruments/slide/slide_ctrl.h"
#include "platform/com/headless_site.h"
#include "tests/instruments/instrument_fixture.h"

namespace brennix::instruments::testing {
namespace {

const double kInf = std::numeric_limits<double>::infinity();
const std::vector<double> kOddValues{std::nan(""), kInf, -kInf, 1e308, -1e308, 1e15, -37.0};
const std::vector<gfx::Size> kOddSizes{{0, 0}, {1, 1}, {7, 300}, {300, 7}, {12, 12}, {31, 40}};

template <class T>
class OddValues : public ::testing::Test {};
using Instruments = ::testing::Types<CKnobCtrl, CSlideCtrl>;
TYPED_TEST_SUITE(OddValues, Instruments);

// Paints, then presses, drags and releases across the control and beyond;
// a drag leaves Value as it was or puts it in range, never elsewhere.
template <class T>
void exercise(T& control, gfx::Size size) {
    const double before = control.value();
    gfx::RasterCanvas window(size.cx > 0 && size.cy > 0 ? size : gfx::Size{1, 1});
    com::HeadlessSite site;
    site.setCanvas(&window);
    site.attach(control);
    control.draw(window, {0, 0, size.cx, size.cy});
    for (int y = -10; y <= size.cy + 10; y += 7) {
        for (int x = -10; x <= size.cx + 10; x += 9) {
            control.mouseDown(com::MouseButton::Left, 0, x, y);
            control.mouseMove(1, 0, size.cx - x, size.cy - y);
            control.mouseMove(1, 0, x, -1000000);
            control.mouseUp(com::MouseButton::Left, 0, x, y);
        }
    }
    control.draw(window, {0, 0, size.cx, size.cy});
    const double after = control.value();
    EXPECT_TRUE(control.range().inRange(after) || after == before ||
                (std::isnan(after) && std::isnan(before)))
        << after;
}

TYPED_TEST(OddValues, ValuesAndPointersFarOffTheScaleDrawAndDragSafely) {
    for (double v : kOddValues) {
        SCOPED_TRACE(v);
        auto control = make<TypeParam>({150, 150});
        for (int n = 1; n <= 8; ++n) {
            set(*control, ("Pointer" + std::to_string(n) + "Visible").c_str(), true);
        }
        set(*control, "Pointer2Value", v);
        set(*control, "Pointer5Value", -v);
        set(*control, "Value", v);
        set(*control, "FillStyle", 1);
        exercise(*control, {150, 150});
        set(*control, "FillStyle", 2);
        set(*control, "Inverse", true);
        exercise(*control, {150, 150});
        // A finite value is stored as given; a non-finite one never gets in.
        EXPECT_FALSE(std::isnan(control->pointers()[1].value));
    }
}

TYPED_TEST(OddValues, ScalesWithOddEndsAndSpacingsDrawSafely) {
    struct Scale {
        double minimum, maximum;
        int spacing, major, minor, base;
    };
    const std::vector<Scale> scales{{0, 0, 0, 1, 1, 0},
                                    {5, 5, 2, 1, 1, 0},
                                    {0, 1e308, 2, 1, 1, 0},
                                    {-1e308, 1e308, 0, 1, 1, 0},
                                    {0, 10, 1, 32767, 32767, 0},
                                    {0, 10, 2, -3, 1, 20},
                                    {0, 10, 2, 3, 0, -20},
                                    {0, 10, 1, 0, 0, 0},
                                    {10, 0, 2, 1, 7, 5},
                                    {0, kInf, 0, 1, 1, 0},
                                    {std::nan(""), 10, 2, 2, 1, 0}};
    for (const Scale& s : scales) {
        SCOPED_TRACE(s.maximum);
        auto control = make<TypeParam>({160, 160});
        set(*control, "ScaleMinimum", s.minimum);
        set(*control, "ScaleMaximum", s.maximum);
        set(*control, "Spacing", s.spacing);
        set(*control, "SpacingMajor", s.major);
        set(*control, "SpacingMinor", s.minor);
        set(*control, "SpacingBase", s.base);
        set(*control, "TickLeftAbove", true);
        set(*control, "TickLabelLeftAbove", true);
        set(*control, "FormatClass", 0);
        set(*control, "Format", 4);
        exercise(*control, {160, 160});
    }
}

TYPED_TEST(OddValues, ControlsOfNoOrLittleSizeDrawSafely) {
    for (gfx::Size size : kOddSizes) {
        SCOPED_TRACE(size.cx);
        auto control = make<TypeParam>(size);
        set(*control, "Caption", com::Variant(std::string("A caption wider than the control")));
        set(*control, "Value", 12345.678);
        set(*control, "FillStyle", 1);
        exercise(*control, size);
        // Painted into bounds that lie partly off the surface.
        gfx::RasterCanvas small({20, 20});
        control->draw(small, {-40, -40, 60, 60});
        control->draw(small, {10, 10, 5, 5});
    }
}

bool untouched(const gfx::Bitmap& b) {
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (b.colorAt(x, y) != gfx::rgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

// Hosts hand paints rectangles anywhere; near the ends of int every offset
// the layouts add from a side would overflow. Such a paint draws nothing.
TYPED_TEST(OddValues, RectanglesAtTheEndsOfTheIntRangeDrawNothing) {
    const std::vector<gfx::Rect> kFarBounds{
        {0, INT_MIN, 150, INT_MIN + 5},  // bottom next to the least int
        {0, INT_MIN + 100, 150, INT_MIN},     {0, INT_MAX - 5, 150, INT_MAX},
        {INT_MAX - 150, 0, INT_MAX, 150},     {INT_MIN, 0, INT_MIN + 150, 150},
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {-1000000000, 10, 1000000000, 30},
    };
    auto control = make<TypeParam>({150, 150});
    set(*control, "Caption", com::Variant(std::string("Far")));
    set(*control, "DigitDisplay", true);
    set(*control, "Value", 12345.678);
    for (const gfx::Rect& bounds : kFarBounds) {
        SCOPED_TRACE(std::to_string(bounds.left) + ", " + std::to_string(bounds.top) + ", " +
                     std::to_string(bounds.right) + ", " + std::to_string(bounds.bottom));
        gfx::RasterCanvas canvas({64, 48});
        canvas.fillRect({0, 0, 64, 48}, gfx::rgb(255, 255, 255));
        control->draw(canvas, bounds);
        EXPECT_TRUE(untouched(canvas.bitmap()));
    }
    gfx::RasterCanvas canvas({64, 48});
    canvas.fillRect({0, 0, 64, 48}, gfx::rgb(255, 255, 255));
    control->draw(canvas, {0, 0, 64, 48});
    EXPECT_FALSE(untouched(canvas.bitmap()));
}

}  // namespace
}  // namespace brennix::instruments::testing
