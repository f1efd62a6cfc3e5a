// Ticks, grid lines and labels: their pixels, texts and clip boxes.

#include <gtest/gtest.h>

#include "chart/axes/x_axis_painter.h"
#include "platform/com/message_box.h"
#include "tests/chart/axes/axes_fixture.h"

namespace brennix::chart::testing {
namespace {

using gfx::Point;
using gfx::Rect;
using Line = std::pair<Point, Point>;

constexpr gfx::ColorRef kYMajor = gfx::rgb(1, 0, 0);
constexpr gfx::ColorRef kYMinor = gfx::rgb(2, 0, 0);
constexpr gfx::ColorRef kXMajor = gfx::rgb(3, 0, 0);
constexpr gfx::ColorRef kXMinor = gfx::rgb(4, 0, 0);
constexpr gfx::ColorRef kYLabel = gfx::rgb(5, 0, 0);
constexpr gfx::ColorRef kXLabel = gfx::rgb(6, 0, 0);

class TicksTest : public AxesTest {
  protected:
    TicksTest() {
        a_.YMajorTickColor = kYMajor;
        a_.YMinorTickColor = kYMinor;
        a_.XMajorTickColor = kXMajor;
        a_.XMinorTickColor = kXMinor;
        a_.YLabelColor = kYLabel;
        a_.XLabelColor = kXLabel;
    }

    std::vector<gfx::RecordedCall> textsIn(gfx::ColorRef color) const {
        std::vector<gfx::RecordedCall> out;
        for (const auto& t : texts()) {
            if (t.textColor == color) {
                out.push_back(t);
            }
        }
        return out;
    }
};

// PlotArea 33, 7, 307, 202: sy = 19.5, my = 9.75.
TEST_F(TicksTest, AControl300PixelsWideHasYTicksOf10And5PixelsAtTruncatedSteps) {
    draw();
    std::vector<Line> majors;
    std::vector<Line> minors;
    for (int y : {7, 26, 46, 65, 85, 104, 124, 143, 163, 182, 201}) {
        majors.push_back({{23, y}, {33, y}});
    }
    for (int y : {16, 35, 55, 74, 94, 113, 133, 152, 172, 191}) {
        minors.push_back({{28, y}, {33, y}});
    }
    EXPECT_EQ(linesIn(kYMajor), majors);
    EXPECT_EQ(linesIn(kYMinor), minors);
}

TEST_F(TicksTest, LeftYLabelsAreRightAlignedAgainstTheTickAndCentredOnIt) {
    draw();
    const auto labels = textsIn(kYLabel);
    ASSERT_EQ(labels.size(), 11U);
    EXPECT_EQ(labels[0].text, "10");
    EXPECT_EQ(labels[0].points[0], (Point{23, 2}));
    EXPECT_EQ(labels[0].rect, (Rect{7, 2, 23, 12}));
    EXPECT_EQ(labels[0].textAlign, gfx::TextAlign::Right);
    EXPECT_EQ(labels[1].text, "9");
    EXPECT_EQ(labels[1].rect, (Rect{7, 21, 23, 31}));  // 26.5 - 5 and 26.5 + 5, truncated
    // The bottom label is ScaleMinimum, centred on the PlotArea's bottom edge.
    EXPECT_EQ(labels[10].text, "0");
    EXPECT_EQ(labels[10].rect, (Rect{7, 197, 23, 207}));
}

TEST_F(TicksTest, RightYTicksAndLabelsMirrorTheLeftOnesWithoutGridLines) {
    a_.YTickLeft = false;
    a_.YLabelLeft = false;
    a_.YTickRight = true;
    a_.YLabelRight = true;
    a_.YGridMajor = true;
    const AxesLayout layout = draw();
    ASSERT_EQ(layout.plotArea, (Rect{7, 7, 281, 202}));
    const auto majors = linesIn(kYMajor);
    ASSERT_EQ(majors.size(), 11U);
    EXPECT_EQ(majors[0], (Line{{281, 7}, {291, 7}}));
    EXPECT_EQ(majors[10], (Line{{281, 201}, {291, 201}}));
    EXPECT_EQ(linesIn(kYMinor).front(), (Line{{281, 16}, {286, 16}}));
    // One grid line per major step, from the left edge to the right.
    const auto grid = linesIn(a_.YGridMajorColor);
    ASSERT_EQ(grid.size(), 11U);
    EXPECT_EQ(grid[0], (Line{{7, 7}, {281, 7}}));

    const auto labels = textsIn(kYLabel);
    ASSERT_EQ(labels.size(), 11U);
    EXPECT_EQ(labels[0].textAlign, gfx::TextAlign::Left);
    EXPECT_EQ(labels[0].points[0], (Point{291, 2}));
    EXPECT_EQ(labels[0].rect, (Rect{291, 2, 307, 12}));
}

TEST_F(TicksTest, EqualScaleLimitsLabelEveryTickWithThatValue) {
    a_.ScaleMaximum = 5;
    a_.ScaleMinimum = 5;
    draw();
    const auto labels = textsIn(kYLabel);
    ASSERT_EQ(labels.size(), 11U);
    for (const auto& label : labels) {
        EXPECT_EQ(label.text, "5");
    }
}

TEST_F(TicksTest, OneMajorYStepGivesTheMaximumAtTheTopAndTheMinimumAtTheBottom) {
    a_.YSpacingMajor = 1;
    a_.ScaleMinimum = -3;
    draw();
    const auto labels = textsIn(kYLabel);
    ASSERT_EQ(labels.size(), 2U);
    EXPECT_EQ(labels[0].text, "10");
    EXPECT_EQ(labels[1].text, "-3");
    EXPECT_EQ(linesIn(kYMajor), (std::vector<Line>{{{23, 7}, {33, 7}}, {{23, 201}, {33, 201}}}));
}

TEST_F(TicksTest, SpacingsTheControlWouldRefuseAreDrawnAsTheNearestValidOne) {
    a_.YSpacingMajor = 0;
    a_.XSpacingMajor = -4;
    a_.XSpacingMinor = 500;
    draw();
    EXPECT_EQ(textsIn(kYLabel).size(), 2U);
    EXPECT_EQ(textsIn(kXLabel).size(), 2U);
    EXPECT_EQ(linesIn(kXMinor).size(), 49U);
}

// PlotArea 33 .. 307: sx = 68.5, mx = 34.25; X ticks 7 and 3 long.
TEST_F(TicksTest, BottomXTicksAndCentredLabelBoxesSitUnderThePlotArea) {
    draw();
    std::vector<Line> majors;
    for (int x : {33, 101, 170, 238, 306}) {
        majors.push_back({{x, 202}, {x, 209}});
    }
    EXPECT_EQ(linesIn(kXMajor), majors);
    EXPECT_EQ(linesIn(kXMinor).front(), (Line{{67, 202}, {67, 205}}));
    EXPECT_EQ(linesIn(kXMinor).size(), 4U);

    const auto labels = textsIn(kXLabel);
    ASSERT_EQ(labels.size(), 5U);
    const std::vector<std::string> expected{"0", "25", "50", "75", "100"};
    const std::vector<Rect> boxes{{29, 209, 37, 219},
                                  {93, 209, 109, 219},
                                  {162, 209, 178, 219},
                                  {230, 209, 246, 219},
                                  {294, 209, 318, 219}};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].text, expected[i]);
        EXPECT_EQ(labels[i].rect, boxes[i]);
        EXPECT_EQ(labels[i].points[0], (Point{(boxes[i].left + boxes[i].right) / 2, 209}));
        EXPECT_EQ(labels[i].textAlign, gfx::TextAlign::Center);
    }
}

TEST_F(TicksTest, BottomLabelsWithoutMajorTicksStillStartATickLengthBelow) {
    a_.XMajorTickMark = false;
    const AxesLayout layout = draw();
    ASSERT_EQ(layout.plotArea.bottom, 209);
    EXPECT_TRUE(linesIn(kXMajor).empty());
    EXPECT_EQ(linesIn(kXMinor).size(), 4U);  // minor marks do not depend on the major ones
    for (const auto& label : textsIn(kXLabel)) {
        EXPECT_EQ(label.rect.top, 216);
        EXPECT_EQ(label.rect.bottom, 226);
    }
}

TEST_F(TicksTest, TicksAndLabelsAboveGrowUpwardFromTheTopEdge) {
    a_.XTickBottom = false;
    a_.XLabelBottom = false;
    a_.XTickAbove = true;
    a_.XLabelAbove = true;
    const AxesLayout layout = draw();
    ASSERT_EQ(layout.plotArea.top, 24);
    EXPECT_EQ(linesIn(kXMajor).front(), (Line{{layout.plotArea.left, 24}, {33, 17}}));
    EXPECT_EQ(linesIn(kXMinor).front().second.y, 21);
    const auto labels = textsIn(kXLabel);
    ASSERT_EQ(labels.size(), 5U);
    EXPECT_EQ(labels[0].rect.top, 7);
    EXPECT_EQ(labels[0].rect.bottom, 17);
}

TEST_F(TicksTest, MinorGridLinesStepFromThePreviousTruncatedLineButMinorTicksFromTheMajor) {
    a_.XSpacingMajor = 10;
    a_.XSpacingMinor = 3;
    a_.XGridMajor = true;
    a_.XGridMinor = true;
    a_.XLabelBottom = false;
    const Rect band{0, 0, 57, 20};  // sx = 5.7, mx = 1.9
    drawXGrid(canvas_, band, a_);
    const auto grid = linesIn(a_.XGridMinorColor);
    ASSERT_GE(grid.size(), 4U);
    EXPECT_EQ(grid[0].first.x, 1);
    EXPECT_EQ(grid[1].first.x, 2);  // trunc(1 + 1.9)
    EXPECT_EQ(grid[2].first.x, 6);
    EXPECT_EQ(grid[3].first.x, 7);  // trunc(6 + 1.9), where the tick goes to trunc(5 + 3.8)
    const auto majors = linesIn(a_.XGridMajorColor);
    ASSERT_EQ(majors.size(), 11U);
    EXPECT_EQ(majors[1], (Line{{5, 0}, {5, 20}}));
    EXPECT_EQ(majors[10], (Line{{56, 0}, {56, 20}}));

    AxesLayout layout;
    layout.inner = {0, 0, 300, 212};
    drawXTicksAndLabels(canvas_, band, layout, a_, {});
    const auto ticks = linesIn(kXMinor);
    ASSERT_GE(ticks.size(), 2U);
    EXPECT_EQ(ticks[0].first.x, 1);
    EXPECT_EQ(ticks[1].first.x, 3);  // trunc(0 + 2 * 1.9)
}

TEST_F(TicksTest, AnInvalidBaseDateShowsItsMessageOncePerLabelAndLeavesTheLabelsEmpty) {
    a_.XFormat.formatClass = x_format_class::Date;
    a_.XFormat.timeBase0 = 1990;
    com::MessageRecorder recorder;
    draw();
    EXPECT_EQ(recorder.texts(), std::vector<std::string>(5, "XValueToStr Error."));
    const auto labels = textsIn(kXLabel);
    ASSERT_EQ(labels.size(), 5U);
    for (const auto& label : labels) {
        EXPECT_EQ(label.text, "");
    }
}

}  // namespace
}  // namespace brennix::chart::testing
