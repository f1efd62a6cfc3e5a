// Button counts and distances far outside what a group can show: painting
// and clicking stay safe and end quickly.

#include <gmock/gmock.h>

#include <limits>

#include "platform/gfx/raster_canvas.h"
#include "tests/instruments/boolean/boolean_fixture.h"

namespace brennix::instruments::testing {
namespace {

void paintRaster(com::Control& control, gfx::Size size) {
    gfx::RasterCanvas window(size);
    control.draw(window, {0, 0, size.cx, size.cy});
}

TEST_F(BooleanTest, NoButtonsOrANegativeCountDrawAndHitNothing) {
    resize(200, 60);
    for (int n : {0, -1, -1000, int{std::numeric_limits<std::int16_t>::min()}}) {
        setShort("BtnNum", n);
        setValue(5);
        EXPECT_EQ(paint().size(), 1U) << n;
        click(100, 30);
        EXPECT_EQ(value(), 5) << n;
        paintRaster(*control, {200, 60});
    }
}

TEST_F(BooleanTest, AThousandButtonsInAFewPixelsDrawDegenerateButtons) {
    resize(400, 60);
    setShort("BtnNum", 1000);
    setValue(-1);
    paintRaster(*control, {400, 60});
    click(200, 30);
    // Cells of no width hold no point strictly inside.
    EXPECT_EQ(value(), -1);
    setShort("Orientation", 1);
    paintRaster(*control, {400, 60});
}

TEST_F(BooleanTest, DistancesLargerThanTheControlPushCellsAwayWithoutOverflow) {
    resize(400, 60);
    setShort("BtnNum", 1000);
    for (std::int32_t gap : {1000, std::numeric_limits<std::int32_t>::max(),
                             std::numeric_limits<std::int32_t>::min(), -7}) {
        set("Distance", com::Variant(gap));
        for (int orientation : {0, 1}) {
            setShort("Orientation", orientation);
            for (int sequence : {0, 1}) {
                setShort("IndexSequence", sequence);
                paintRaster(*control, {400, 60});
                click(200, 30);
            }
        }
    }
    // Two buttons 1000 pixels apart: the first keeps its place, the second
    // lies far outside; a press where it would be if it fit hits nothing.
    setShort("BtnNum", 2);
    setValue(0);
    set("Distance", com::Variant(std::int32_t{1000}));
    setShort("Orientation", 0);
    setShort("IndexSequence", 0);
    click(10, 30);
    EXPECT_EQ(value(), 0);
}

TEST_F(BooleanTest, OverlappingCellsOfANegativeDistanceAllToggle) {
    resize(200, 60);
    setShort("BtnNum", 2);
    set("Distance", com::Variant(std::int32_t{-100}));
    // Cells of (200 + 100) / 2 = 150: (50, 0, 200, 60) and (0, 0, 150, 60).
    click(100, 30);
    EXPECT_EQ(value(), 3);
    click(20, 30);
    EXPECT_EQ(value(), 1);
}

}  // namespace
}  // namespace brennix::instruments::testing
