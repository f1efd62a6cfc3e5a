// Button counts and distances far outside what a group can show: painting
// and clicking stay safe and end quickly.

#include <gmock/gmock.h>

#include <limits>

#include "instruments/boolean/button_rules.h"
#include "instruments/boolean/group_painter.h"
#include "platform/gfx/raster_canvas.h"
#include "tests/instruments/boolean/boolean_fixture.h"

namespace brennix::instruments::testing {
namespace {

void paintRaster(com::Control& control, gfx::Size size) {
    gfx::RasterCanvas window(size);
    control.draw(window, {0, 0, size.cx, size.cy});
}

// Every button painted in its cell, one after another, over the group's
// background and caption.
void paintEveryButton(gfx::Canvas& canvas, const gfx::Rect& bounds, GroupLayout layout,
                      const GroupLook& look) {
    GroupLook background = look;
    background.style = 1;
    paintGroup(canvas, bounds, layout, background);
    canvas.selectFont(look.font);
    const int h = canvas.textMetrics().height;
    layout.hasCaption = !look.caption.empty();
    layout.lineHeight = h;
    const auto cells = buttonCells(bounds, layout);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int index = static_cast<int>(i);
        paintButton(canvas, cells[i], index, buttonOn(look.value, index), look, h);
    }
}

std::size_t buttonsPainted(const gfx::Rect& bounds, const GroupLayout& layout,
                           const GroupLook& look, gfx::Size size) {
    gfx::RecordingCanvas canvas(size);
    paintGroup(canvas, bounds, layout, look);
    std::size_t faces = 0;
    for (const auto& call : canvas.calls()) {
        faces += call.kind == gfx::CallKind::Rectangle ? 1 : 0;
    }
    return faces;
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

// Buttons that cannot reach the canvas, that a later face hides or that a
// later button of the same state paints over are left out, and no pixel
// changes for it.
TEST(BooleanButtonCount, ThousandsOfButtonsPaintOnlyWhatShowsAndTheSamePixels) {
    struct Case {
        int buttons;
        std::int32_t distance;
        gfx::Rect bounds;
    };
    const Case cases[] = {
        {1200, 0, {0, 0, 19, 15}},            // all in one cell of no width
        {1200, 5, {0, 0, 48, 36}},            // cells a pixel apart, marching off
        {1200, -1, {0, 0, 48, 36}},           // one cell a pixel wide, over and over
        {1200, -40, {0, 0, 48, 36}},          // one wide cell side by side, a pixel apart stacked
        {1200, -100, {0, 0, 48, 36}},         // wide cells a pixel apart
        {800, 0, {-20, -10, 40, 30}},         // bounds beyond the canvas
        {800, 7, {60, 40, 0, 0}},             // reversed bounds
        {40, 0, {0, 0, 400, 40}},             // ordinary cells, each shown
        {64, -3, {0, 0, 130, 30}},            // overlapping cells
        {1200, -2000000000, {0, 0, 48, 36}},  // cells far wider than the canvas, over it
        {30, -500, {-300, -200, 300, 200}},   // wide cells, some faces over the canvas
        {1200, -20, {0, -4, 48, 40}},         // cells just beyond the canvas at both ends
        {1200, -30, {-5, -5, 53, 41}},        // the same both ways
    };
    const gfx::Size size{48, 36};
    for (const Case& c : cases) {
        for (std::int16_t orientation : {0, 1}) {
            for (std::int16_t sequence : {0, 1}) {
                for (int texts = 0; texts < 4; ++texts) {
                    for (std::int32_t value : {0, 0x5A5A5A5A}) {
                        const GroupLayout layout{c.buttons, c.distance, orientation, sequence};
                        GroupLook look;
                        look.value = value;
                        look.stateText = (texts & 1) != 0;
                        look.indexText = (texts & 2) != 0;
                        look.buttonColor = gfx::rgb(0, 255, 255);
                        look.foreColor = gfx::rgb(0, 0, 0);
                        look.backColor = gfx::rgb(192, 192, 192);
                        look.caption = texts == 3 ? "Port" : "";
                        gfx::RasterCanvas quick(size);
                        gfx::RasterCanvas full(size);
                        paintGroup(quick, c.bounds, layout, look);
                        paintEveryButton(full, c.bounds, layout, look);
                        EXPECT_TRUE(quick.bitmap() == full.bitmap())
                            << c.buttons << " buttons, distance " << c.distance << ", orientation "
                            << orientation << ", sequence " << sequence << ", texts " << texts
                            << ", value " << value;
                    }
                }
            }
        }
    }
    GroupLook look;
    look.value = 0x0F0F0F0F;
    // Zero width, or cells one pixel apart: at most one button of each state
    // per cell on the canvas, at most a canvas's width of cells.
    EXPECT_LE(buttonsPainted({0, 0, 19, 15}, {21000, 0, 0, 0}, look, {19, 15}), 2U);
    EXPECT_LE(buttonsPainted({0, 0, 48, 36}, {32767, 5, 0, 1}, look, {48, 36}), 60U);
    EXPECT_LE(buttonsPainted({0, 0, 48, 36}, {32767, -100, 1, 0}, look, {48, 36}), 150U);
    look.indexText = false;
    EXPECT_LE(buttonsPainted({0, 0, 48, 36}, {32767, -40, 0, 0}, look, {48, 36}), 2U);
    // Faces over the whole canvas hide every button before them.
    EXPECT_LE(buttonsPainted({0, 0, 31, 28}, {16062, -2130690790, 0, 0}, look, {31, 28}), 200U);
    // Stacked cells far taller than the canvas: the same cell over and over
    // with its index text beyond the canvas.
    EXPECT_LE(buttonsPainted({0, 0, 31, 28}, {16062, -2130690790, 1, 0}, look, {31, 28}), 8U);
    // Every one of forty ordinary cells is painted.
    EXPECT_EQ(buttonsPainted({0, 0, 400, 40}, {40, 0, 0, 0}, look, {400, 40}), 40U);
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
