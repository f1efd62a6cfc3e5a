// Values and settings far outside what a display can show: the paint stays
// inside its bounds, lights nothing it cannot read and always ends.

#include <gmock/gmock.h>

#include <cmath>
#include <limits>

#include "platform/gfx/raster_canvas.h"
#include "platform/gfx/recording_canvas.h"
#include "tests/instruments/seven_segment/e7segment_fixture.h"

namespace brennix::instruments::testing {
namespace {

constexpr gfx::ColorRef kMarker = gfx::rgb(1, 2, 3);

// Paints into bounds in the middle of a larger window and counts the pixels
// changed outside them.
int paintedOutside(com::Control& control, const gfx::Rect& bounds) {
    const gfx::Size size{bounds.right + 40, bounds.bottom + 40};
    gfx::RasterCanvas window(size);
    window.fillRect({0, 0, size.cx, size.cy}, kMarker);
    control.draw(window, bounds);
    int outside = 0;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            if (!bounds.contains({x, y}) &&
                window.bitmap().pixel(x, y) != window.bitmap().pixel(0, 0)) {
                ++outside;
            }
        }
    }
    return outside;
}

TEST_F(E7SegmentTest, NotANumberOrInfinityFromAHostIsRefusedAndTheDisplayKeepsItsValue) {
    const Reading shown = read();
    for (double v :
         {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        set("Value", v);
        EXPECT_EQ(read(), shown);
    }
}

TEST_F(E7SegmentTest, AHugeValueShowsItsLastDigits) {
    // 1e308 is exactly ...336 as a double.
    set("Value", 1e308);
    EXPECT_EQ(read(), (Reading{'+', {d('6') | kPoint, d('0'), d('0')}}));
    set("Value", -std::numeric_limits<double>::max());
    setShort("DigitAfterPoint", 0);
    EXPECT_EQ(read().sign, '-');
}

TEST_F(E7SegmentTest, FiftyDigitsFitTheWidthAndTheWidestSettingsEndQuickly) {
    setShort("DigitNumber", 50);
    Reading r = read();
    ASSERT_EQ(r.cells.size(), 50U);
    EXPECT_EQ(r.cells[47], d('3') | kPoint);
    EXPECT_EQ(r.cells[0], d('0'));
    // Cells narrower than a pixel draw nothing at all.
    setShort("DigitNumber", std::numeric_limits<std::int16_t>::max());
    setShort("DigitAfterPoint", std::numeric_limits<std::int16_t>::max());
    EXPECT_EQ(paint().size(), 1U);
    EXPECT_THAT(shownAfterPaint(), ::testing::IsEmpty());
}

TEST_F(E7SegmentTest, NothingIsDrawnOutsideTheBoundsWhateverTheSettings) {
    const gfx::Rect where{30, 20, 330, 100};
    const double values[] = {3.67,
                             -0.0,
                             1e308,
                             -1e308,
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -1234567.891};
    for (bool declined : {false, true}) {
        set("Declined", declined);
        for (int digits : {1, 5, 50, 400}) {
            setShort("DigitNumber", digits);
            setShort("DigitAfterPoint", digits / 2);
            for (double v : values) {
                set("Value", v);
                EXPECT_EQ(paintedOutside(*control, where), 0) << digits << " " << v;
            }
        }
    }
}

// Thousands of digits on bounds far wider than the window: only the cells
// that reach the window are drawn, and a cell leaning in from beside it is
// not lost.
TEST_F(E7SegmentTest, ThousandsOfDigitsBeyondTheWindowAreLeftOutYetTheWindowShowsTheSame) {
    setShort("DigitNumber", 32380);
    setShort("DigitAfterPoint", 3);
    set("Value", -98765.4321);
    const gfx::Rect wide{-200000, 0, 200000, 25};  // 12 pixels a cell
    for (bool declined : {false, true}) {
        set("Declined", declined);
        for (int left : {0, 5, 11}) {
            const gfx::Rect shifted{wide.left - left, wide.top, wide.right - left, wide.bottom};
            gfx::RasterCanvas narrow({40, 25});
            gfx::RasterCanvas broad({400, 25});
            control->draw(narrow, shifted);
            control->draw(broad, shifted);
            int differ = 0;
            for (int y = 0; y < 25; ++y) {
                for (int x = 0; x < 40; ++x) {
                    differ += narrow.bitmap().pixel(x, y) != broad.bitmap().pixel(x, y) ? 1 : 0;
                }
            }
            EXPECT_EQ(differ, 0) << declined << " " << left;
        }
    }
    gfx::RecordingCanvas canvas({40, 25});
    control->draw(canvas, {-2147483592, 0, 2147483647, 25});
    EXPECT_LT(canvas.calls().size(), 100U);
    EXPECT_GT(canvas.calls().size(), 1U);
}

TEST_F(E7SegmentTest, TinyAndEmptyBoundsPaintWithoutFault) {
    set("Declined", true);
    for (gfx::Rect b : {gfx::Rect{0, 0, 0, 0}, gfx::Rect{0, 0, 1, 1}, gfx::Rect{5, 5, 9, 200},
                        gfx::Rect{10, 10, 2, 2}}) {
        gfx::RasterCanvas window({12, 210});
        control->draw(window, b);
    }
    EXPECT_THAT(shownAfterPaint(), ::testing::IsEmpty());
}

}  // namespace
}  // namespace brennix::instruments::testing
