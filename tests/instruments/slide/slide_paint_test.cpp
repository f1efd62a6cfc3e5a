#include <gtest/gtest.h>

#include "tests/instruments/slide/slide_fixture.h"

namespace brennix::instruments::testing {
namespace {

using gfx::CallKind;

class SlidePaint : public SlideTest {
  protected:
    // Ticks on the right: lines starting at the tube's right edge.
    std::vector<gfx::RecordedCall> rightTicks(const std::vector<gfx::RecordedCall>& calls,
                                              const Tube& t) {
        std::vector<gfx::RecordedCall> out;
        for (const auto& c : ofKind(calls, CallKind::LineTo)) {
            if (c.points[0].x == t.right && c.pen.width == 1) {
                out.push_back(c);
            }
        }
        return out;
    }
};

TEST_F(SlidePaint, ASixtyByThreeHundredSlideHasATubeFourPixelsWide) {
    const Tube t = tube();
    EXPECT_EQ(t.area.right - t.area.left, 54);
    EXPECT_EQ(t.width, 4);
    EXPECT_EQ(t.left, 28);
    EXPECT_EQ(t.right, 32);
    EXPECT_EQ(t.top, t.area.top + 2);
    EXPECT_EQ(t.bottom, t.area.bottom - 4);
    EXPECT_EQ(t.area.bottom, 300 - 3 - metrics.height - 10);
    const auto calls = paint();
    const auto ellipses = ofKind(calls, CallKind::Ellipse);
    ASSERT_EQ(ellipses.size(), 2U);
    EXPECT_EQ(ellipses[0].rect, (gfx::Rect{28, t.area.bottom - 4, 32, t.area.bottom}));
    EXPECT_EQ(ellipses[0].brush.color, 0x0000FFU);  // the bulb in the fill colour
    EXPECT_EQ(ellipses[1].rect, (gfx::Rect{28, t.area.top, 32, t.area.top + 4}));
    const auto tubes = ofKind(calls, CallKind::Rectangle);
    ASSERT_EQ(tubes.size(), 1U);
    EXPECT_EQ(tubes[0].rect, (gfx::Rect{28, t.top, 32, t.bottom}));
    EXPECT_EQ(tubes[0].brush.color, 0xFFFFFFU);
    EXPECT_EQ(tubes[0].pen.color, 0U);
}

TEST_F(SlidePaint, AutoSpacingOnATwoHundredPixelScaleMakesSevenDivisions) {
    resize({60, 215});
    set(*slide, "DigitDisplay", false);
    const Tube t = tube();
    ASSERT_EQ(t.length(), 200);
    const auto calls = paint();
    EXPECT_EQ(texts(calls), (std::vector<std::string>{"0", "1", "2", "4", "5", "7", "8", "10"}));
    const auto ticks = rightTicks(calls, t);
    int majors = 0;
    for (const auto& c : ticks) {
        majors += c.points[1].x == t.right + t.breadth() ? 1 : 0;
    }
    EXPECT_EQ(majors, 8);
    EXPECT_EQ(ticks.size() - majors, 7U);
    EXPECT_EQ(ticks.front().points[0].y, t.bottom);
    EXPECT_EQ(ticks.back().points[0].y, t.top);
}

TEST_F(SlidePaint, SpacingByUnitsOfThreeLabelsZeroThreeSixAndTen) {
    set(*slide, "Spacing", 2);
    set(*slide, "SpacingMajor", 3);
    set(*slide, "SpacingMinor", 1);
    const Tube t = tube();
    const auto calls = paint();
    const auto labels = texts(calls);
    ASSERT_EQ(labels.size(), 5U);  // the digit box comes first
    EXPECT_EQ(std::vector<std::string>(labels.begin() + 1, labels.end()),
              (std::vector<std::string>{"0", "3", "6", "10"}));
    EXPECT_EQ(rightTicks(calls, t).size(), 4U + 6U);
}

TEST_F(SlidePaint, TicksAndLabelsGoOnEitherSideTheirSwitchesAllow) {
    set(*slide, "DigitDisplay", false);
    set(*slide, "TickLeftAbove", true);
    set(*slide, "TickLabelLeftAbove", true);
    const Tube t = tube();
    const auto calls = paint();
    const auto labels = ofKind(calls, CallKind::TextOut);
    // A 285-pixel scale: ten divisions, eleven labels a side.
    ASSERT_EQ(labels.size(), 22U);
    const int tb = t.breadth();
    for (std::size_t i = 0; i < labels.size(); i += 2) {
        EXPECT_EQ(labels[i].textAlign, gfx::TextAlign::Left);
        EXPECT_EQ(labels[i].rect.left, t.right + tb + 3);
        EXPECT_EQ(labels[i + 1].textAlign, gfx::TextAlign::Right);
        EXPECT_EQ(labels[i + 1].rect.right, t.left - tb - 3);
        EXPECT_EQ(labels[i].text, labels[i + 1].text);
        EXPECT_EQ(labels[i].rect.top, labels[i + 1].rect.top);
    }
    int leftMajors = 0;
    for (const auto& c : ofKind(calls, CallKind::LineTo)) {
        leftMajors += c.points[0].x == t.left - tb && c.points[1].x == t.left ? 1 : 0;
    }
    EXPECT_EQ(leftMajors, 11);
    set(*slide, "TickRightBottom", false);
    set(*slide, "TickLabelLeftAbove", false);
    EXPECT_TRUE(texts(paint()).empty());
}

TEST_F(SlidePaint, FillToMaximumAtTheMinimumFillsDownToWithinAPixelOfTheBottom) {
    set(*slide, "FillStyle", 1);
    setColor(*slide, "FillColor", 0x00C000);
    const Tube t = tube();
    const auto fills = ofKind(paint(), CallKind::FillRect);
    ASSERT_GE(fills.size(), 2U);
    const auto& column = fills[fills.size() - 2];
    EXPECT_EQ(column.color, 0x00C000U);
    EXPECT_EQ(column.rect,
              (gfx::Rect{t.middle - t.half + 1, t.top - 3, t.middle + t.half, t.bottom}));
    EXPECT_EQ(fills.back().color, 0xFFFFFFU);
    EXPECT_EQ(fills.back().rect.top, t.bottom - 1);
    EXPECT_EQ(fills.back().rect.bottom, t.bottom + 1);
}

TEST_F(SlidePaint, FillToMinimumRisesFromTheBottomToTheValue) {
    set(*slide, "FillStyle", 2);
    set(*slide, "Value", 5.0);
    const Tube t = tube();
    const auto fills = ofKind(paint(), CallKind::FillRect);
    ASSERT_GE(fills.size(), 2U);
    const int yv = t.heightOf(slide->range(), 5.0);
    EXPECT_EQ(fills.back().color, 0x0000FFU);
    EXPECT_EQ(fills.back().rect,
              (gfx::Rect{t.middle - t.half + 1, yv, t.middle + t.half, t.bottom + 1}));
    EXPECT_NEAR(yv, (t.top + t.bottom) / 2, 1);
}

TEST_F(SlidePaint, PointerBarsAreThreePixelLinesInTheirColoursOverTheColumn) {
    setColor(*slide, "Pointer1Color", 0x0000FF);
    set(*slide, "Pointer1Value", 5.0);
    set(*slide, "Pointer2Visible", true);
    set(*slide, "Pointer2Value", -1.0);
    const Tube t = tube();
    std::vector<gfx::RecordedCall> bars;
    for (const auto& c : ofKind(paint(), CallKind::LineTo)) {
        if (c.pen.width == 3) {
            bars.push_back(c);
        }
    }
    ASSERT_EQ(bars.size(), 1U);
    EXPECT_EQ(bars[0].pen.color, 0x0000FFU);
    const int y = t.heightOf(slide->range(), 5.0) - 2;
    EXPECT_EQ(bars[0].points[0], (gfx::Point{t.middle - t.half + 2, y}));
    EXPECT_EQ(bars[0].points[1], (gfx::Point{t.middle - t.half + t.width - 4, y}));
}

TEST_F(SlidePaint, PatternTypeOneKeepsColumnAndPointersButDrawsNoTubeOrScale) {
    set(*slide, "PatternType", 1);
    const auto calls = paint();
    EXPECT_TRUE(ofKind(calls, CallKind::Ellipse).empty());
    EXPECT_TRUE(ofKind(calls, CallKind::Rectangle).empty());
    EXPECT_EQ(texts(calls), (std::vector<std::string>{"0"}));
    EXPECT_FALSE(ofKind(calls, CallKind::LineTo).empty());  // pointer 1
}

TEST_F(SlidePaint, AnInverseSlideCarriesTheMaximumAtTheBottom) {
    set(*slide, "DigitDisplay", false);
    set(*slide, "Inverse", true);
    const auto labels = texts(paint());
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front(), "10");
    EXPECT_EQ(labels.back(), "0");
}

}  // namespace
}  // namespace brennix::instruments::testing
