// What a Boolean group draws and how clicks set its Value.

#include <gmock/gmock.h>

#include "instruments/boolean/button_rules.h"
#include "instruments/boolean/group_painter.h"
#include "tests/instruments/boolean/boolean_fixture.h"

namespace brennix::instruments::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(BooleanTest, TheDefaultIsOneCyanButtonThatAClickTurnsFromOffToOn) {
    resize(120, 48);
    const gfx::ColorRef dark = gfx::rgb(0, 63, 63);
    const gfx::ColorRef light = gfx::rgb(191, 255, 255);
    const int h = lineHeight(control->font());

    auto calls = paint();
    ASSERT_EQ(calls.size(), 6U);
    EXPECT_EQ(calls[0].kind, gfx::CallKind::FillRect);
    EXPECT_EQ(calls[0].rect, bounds());
    // The button fills the control; its bevel is a twelfth of its width.
    EXPECT_EQ(calls[1].kind, gfx::CallKind::Rectangle);
    EXPECT_EQ(calls[1].rect, (gfx::Rect{10, 10, 110, 38}));
    EXPECT_EQ(calls[1].pen.color, kCyan);
    EXPECT_EQ(calls[1].brush.color, kCyan);
    EXPECT_THAT(calls[2].points,
                ElementsAre(gfx::Point{0, 0}, gfx::Point{0, 48}, gfx::Point{10, 38},
                            gfx::Point{10, 10}, gfx::Point{110, 10}, gfx::Point{120, 0}));
    EXPECT_EQ(calls[2].brush.color, light);  // raised
    EXPECT_EQ(calls[3].brush.color, dark);
    EXPECT_EQ(calls[4].text, "OFF");
    EXPECT_EQ(calls[4].points[0], (gfx::Point{60, (48 - h) / 2}));
    EXPECT_EQ(calls[4].textAlign, gfx::TextAlign::Center);
    EXPECT_EQ(calls[4].backgroundColor, kCyan);
    EXPECT_EQ(calls[4].rect, bounds());
    EXPECT_EQ(calls[5].text, "0");
    EXPECT_EQ(calls[5].points[0], (gfx::Point{60, 48 - h - 10}));

    click(60, 24);
    EXPECT_EQ(value(), 1);
    calls = paint();
    EXPECT_EQ(calls[2].brush.color, dark);  // pressed
    EXPECT_EQ(calls[3].brush.color, light);
    EXPECT_EQ(calls[4].text, "ON");
    EXPECT_GE(site.invalidations(), 1);
}

TEST_F(BooleanTest, ButtonZeroIsTheRightmostSoTheLeftmostOfFourSetsEight) {
    resize(200, 60);
    setShort("BtnNum", 4);
    EXPECT_THAT(texts(), ElementsAre("OFF", "0", "OFF", "1", "OFF", "2", "OFF", "3"));
    std::vector<gfx::Rect> rects;
    for (const auto& call : paint()) {
        if (call.kind == gfx::CallKind::Rectangle) {
            rects.push_back(call.rect);
        }
    }
    EXPECT_THAT(rects, ElementsAre(gfx::Rect{154, 4, 196, 56}, gfx::Rect{104, 4, 146, 56},
                                   gfx::Rect{54, 4, 96, 56}, gfx::Rect{4, 4, 46, 56}));
    click(25, 30);
    EXPECT_EQ(value(), 8);
    click(175, 30);
    EXPECT_EQ(value(), 9);
}

TEST_F(BooleanTest, FromLeftTopPutsButtonZeroFirstInBothOrientations) {
    resize(200, 60);
    setShort("BtnNum", 4);
    setShort("IndexSequence", 1);
    click(25, 30);
    EXPECT_EQ(value(), 1);

    resize(60, 200);
    setValue(0);
    setShort("Orientation", 1);
    click(30, 25);
    EXPECT_EQ(value(), 1);
    setShort("IndexSequence", 0);
    click(30, 25);
    EXPECT_EQ(value(), 9);
}

TEST_F(BooleanTest, StackedButtonsShareTheHeightLeftUnderTheCaptionLine) {
    resize(60, 200);
    set("Caption", "Port A");
    setShort("Orientation", 1);
    setShort("BtnNum", 3);
    set("Distance", com::Variant(std::int32_t{5}));
    const int h = lineHeight(control->font());
    const int ch = (200 - 2 * 5 - h) / 3;
    std::vector<gfx::Rect> rects;
    for (const auto& call : paint()) {
        if (call.kind == gfx::CallKind::Rectangle) {
            rects.push_back(call.rect);
        }
    }
    // Button 0 at the bottom; the bevel is a twelfth of the width, 5.
    EXPECT_THAT(rects, ElementsAre(gfx::Rect{5, 200 - ch + 5, 55, 195},
                                   gfx::Rect{5, 200 - 2 * ch - 5 + 5, 55, 200 - ch - 5 - 5},
                                   gfx::Rect{5, 200 - 3 * ch - 10 + 5, 55, 200 - 2 * ch - 10 - 5}));
    EXPECT_EQ(texts().front(), "Port A");
}

TEST_F(BooleanTest, WithOneOnFlagAClickLeavesOnlyThatButtonOnAndASecondTurnsItOff) {
    resize(200, 60);
    setShort("BtnNum", 4);
    set("OneOnFlag", true);
    setValue(1);
    click(75, 30);  // button 2
    EXPECT_EQ(value(), 4);
    click(75, 30);
    EXPECT_EQ(value(), 0);
}

TEST_F(BooleanTest, AssigningOneOnFlagKeepsOnlyTheLowestBitOfThePresentButtons) {
    setShort("BtnNum", 4);
    for (bool flag : {true, false}) {
        setValue(6);
        set("OneOnFlag", flag);
        EXPECT_EQ(value(), 2);
    }
    // Bits of absent buttons count for nothing, and are kept when no
    // present button is on.
    setValue(0x30);
    set("OneOnFlag", true);
    EXPECT_EQ(value(), 0x30);
    setValue(0x31);
    set("OneOnFlag", true);
    EXPECT_EQ(value(), 1);
    setShort("BtnNum", 0);
    setValue(6);
    set("OneOnFlag", true);
    EXPECT_EQ(value(), 6);
}

TEST_F(BooleanTest, ButtonsFromThirtyTwoOnShareTheBitsOfTheFirstThirtyTwo) {
    EXPECT_EQ(clicked(0, 33, false), 2);
    EXPECT_EQ(clicked(0, 31, false), std::int32_t(0x80000000U));
    EXPECT_EQ(clicked(-1, 63, false), 0x7FFFFFFF);
    EXPECT_EQ(oneOnReduced(std::int32_t(0x80000000U), 40), std::int32_t(0x80000000U));

    resize(400, 40);
    setShort("BtnNum", 40);
    setShort("IndexSequence", 1);
    click(33 * 10 + 5, 20);
    EXPECT_EQ(value(), 2);
    const auto t = texts();
    EXPECT_EQ(t[2 * 1], "ON");
    EXPECT_EQ(t[2 * 33], "ON");
    EXPECT_EQ(t[2 * 33 + 1], "33");
}

TEST_F(BooleanTest, StyleOtherThanZeroDrawsOnlyBackgroundAndCaptionYetClicksStillToggle) {
    resize(120, 60);
    set("Caption", "Pump");
    setShort("Style", 1);
    const auto calls = paint();
    ASSERT_EQ(calls.size(), 2U);
    EXPECT_EQ(calls[0].kind, gfx::CallKind::FillRect);
    EXPECT_EQ(calls[1].kind, gfx::CallKind::TextOut);
    EXPECT_EQ(calls[1].text, "Pump");
    EXPECT_EQ(calls[1].points[0], (gfx::Point{60, 0}));
    click(60, 40);
    EXPECT_EQ(value(), 1);
}

TEST_F(BooleanTest, StateTextOffHidesTheIndexToo) {
    setShort("BtnNum", 2);
    set("StateText", false);
    set("IndexText", true);
    EXPECT_THAT(texts(), IsEmpty());
    set("StateText", true);
    set("IndexText", false);
    EXPECT_THAT(texts(), ElementsAre("OFF", "OFF"));
}

TEST_F(BooleanTest, ClicksInGapsOnEdgesAndOnTheCaptionLineChangeNothing) {
    resize(210, 60);
    set("Caption", "Valves");
    setShort("BtnNum", 2);
    set("Distance", com::Variant(std::int32_t{10}));
    const int h = lineHeight(control->font());
    // Cells of 100: (110, h, 210, 60) and (0, h, 100, 60).
    for (auto [x, y] : {std::pair{105, 30}, {50, h / 2}, {100, 30}, {110, 30}, {50, h}, {50, 60}}) {
        click(x, y);
        EXPECT_EQ(value(), 0) << x << "," << y;
    }
    site.clearRecords();
    click(105, 30);
    EXPECT_EQ(site.invalidations(), 0);
    click(50, h + 1);
    EXPECT_EQ(value(), 2);
}

TEST_F(BooleanTest, OnlyTheLeftButtonToggles) {
    control->mouseDown(com::MouseButton::Right, 0, 50, 25);
    EXPECT_EQ(value(), 0);
}

}  // namespace
}  // namespace brennix::instruments::testing
