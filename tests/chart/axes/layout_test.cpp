// Where the frame, the PlotArea and the bands end up.

#include <gtest/gtest.h>

#include "chart/axes/axes_layout.h"
#include "tests/chart/axes/axes_fixture.h"

namespace brennix::chart::testing {
namespace {

using gfx::Rect;

TEST_F(AxesTest, DefaultPropertiesLeaveRoomForLeftLabelsLeftTicksAndBottomLabels) {
    const AxesLayout layout = draw();
    EXPECT_EQ(layout.inner, (Rect{7, 7, 307, 219}));
    EXPECT_EQ(layout.charWidth, 8);
    EXPECT_EQ(layout.yLabelWidth, 16);  // "10" is the widest label
    // left: tick 10 + labels 16; bottom: tick 7 + label row 10.
    EXPECT_EQ(layout.plotArea, (Rect{33, 7, 307, 202}));
}

TEST_F(AxesTest, EveryTickAndLabelOnTakesItsRoomFromEachSide) {
    a_.YTickRight = true;
    a_.YLabelRight = true;
    a_.XTickAbove = true;
    a_.XLabelAbove = true;
    EXPECT_EQ(draw().plotArea, (Rect{33, 7 + 7 + 10, 307 - 10 - 16, 202}));

    a_.YMajorTickMark = false;
    a_.XMajorTickMark = false;
    EXPECT_EQ(draw().plotArea, (Rect{23, 17, 291, 209}));
}

TEST_F(AxesTest, ACaptionTakesOneTextRowAndAnEmptyOneNone) {
    EXPECT_EQ(draw().inner.top, 7);
    a_.Caption = "Flow";
    const AxesLayout layout = draw();
    EXPECT_EQ(layout.inner.top, 17);
    const auto caption = texts().front();
    EXPECT_EQ(caption.text, "Flow");
    EXPECT_EQ(caption.points[0], (gfx::Point{157, 1}));
    EXPECT_EQ(caption.rect, (Rect{1, 1, 313, 225}));
    EXPECT_EQ(caption.textAlign, gfx::TextAlign::Center);
}

TEST_F(AxesTest, TheLabelWidthFollowsTheWidestFormattedLabel) {
    a_.YFormat = {format_class::Number, 1};  // "%.3f"
    a_.ScaleMinimum = -5;
    // "-5.000" and "10.000" are 6 characters.
    EXPECT_EQ(draw().yLabelWidth, 48);
}

TEST(StackedBands, TwoPlotsOverTwoHundredPixelsLeaveATwentyPixelGap) {
    const auto bands = stackedBands({0, 0, 50, 200}, 2);
    ASSERT_EQ(bands.size(), 2U);
    EXPECT_EQ(bands[0], (Rect{0, 0, 50, 90}));
    EXPECT_EQ(bands[1], (Rect{0, 110, 50, 200}));
}

TEST(StackedBands, UnevenHeightsTruncateEachEdgeAndKeepTheOuterOnes) {
    const auto bands = stackedBands({5, 10, 50, 111}, 3);
    ASSERT_EQ(bands.size(), 3U);
    // S = 101 - 40 = 61; 61 / 3 and 122 / 3 truncate, so the gaps come out 19.
    EXPECT_EQ(bands[0], (Rect{5, 10, 50, 111 - 40 - 40}));
    EXPECT_EQ(bands[1], (Rect{5, 10 + 20 + 20, 50, 111 - 20 - 20}));
    EXPECT_EQ(bands[2], (Rect{5, 10 + 40 + 40, 50, 111}));
}

TEST_F(AxesTest, AStackedChartGetsOneBandPerPlotAndAnOverlaidOneASingleBand) {
    a_.PlotNum = 4;
    std::vector<Rect> seen;
    draw([&](int, const Rect& band) { seen.push_back(band); });
    ASSERT_EQ(seen.size(), 1U);
    a_.PlotMode = PM_Stacked;
    seen.clear();
    const AxesLayout layout = draw([&](int band, const Rect& area) {
        EXPECT_EQ(band, static_cast<int>(seen.size()));
        seen.push_back(area);
    });
    EXPECT_EQ(seen, stackedBands(layout.plotArea, 4));
}

}  // namespace
}  // namespace brennix::chart::testing
