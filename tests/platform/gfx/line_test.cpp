// Lines: end points, octant tie rules, clipping, wide and patterned pens.

#include <gtest/gtest.h>

#include <random>

#include "platform/gfx/raster_canvas.h"
#include "tests/platform/gfx/pixel_art.h"

namespace brennix::gfx {
namespace {

using testing::basicLegend;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;
using testing::pixelArt;
using Art = std::vector<std::string>;

class LineTest : public ::testing::Test {
  protected:
    RasterCanvas canvas_{Size{12, 10}};

    void line(Point a, Point b) {
        canvas_.moveTo(a);
        canvas_.lineTo(b);
    }
    Art art(const Rect& r) const { return pixelArt(canvas_.bitmap(), r, basicLegend()); }
};

TEST_F(LineTest, OnePixelLineLeavesOutItsEndPixelAndMovesThePosition) {
    line({1, 1}, {5, 1});
    EXPECT_EQ(art({0, 0, 7, 3}), (Art{".......", ".####..", "......."}));
    EXPECT_EQ(canvas_.currentPosition(), (Point{5, 1}));
}

TEST_F(LineTest, PolylineSegmentsStartOnThePreviousEndAndLeaveOutTheLastPoint) {
    const Point pts[] = {{1, 1}, {4, 1}, {4, 4}};
    canvas_.polyline(pts);
    EXPECT_EQ(art({0, 0, 6, 6}), (Art{"......", ".####.", "....#.", "....#.", "......", "......"}));
}

TEST_F(LineTest, ShallowTiesStayOnTheStartRowGoingRightAndStepGoingLeft) {
    line({0, 0}, {4, 2});
    EXPECT_EQ(art({0, 0, 5, 3}), (Art{"##...", "..##.", "....."}));
    canvas_.bitmap().fill(toPixel(testing::kWhite));
    line({4, 2}, {0, 0});
    EXPECT_EQ(art({0, 0, 5, 3}), (Art{".#...", "..##.", "....#"}));
}

TEST_F(LineTest, SteepTiesFollowTheSameBiasByOctant) {
    line({0, 0}, {2, 4});
    EXPECT_EQ(art({0, 0, 3, 5}), (Art{"#..", "#..", ".#.", ".#.", "..."}));
    canvas_.bitmap().fill(toPixel(testing::kWhite));
    line({2, 4}, {0, 0});
    EXPECT_EQ(art({0, 0, 3, 5}), (Art{"...", "#..", ".#.", ".#.", "..#"}));
}

TEST_F(LineTest, ALineCoversTheSamePixelsBothWaysApartFromItsEnds) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(0, 39);
    for (int i = 0; i < 300; ++i) {
        const Point a{coord(rng), coord(rng)};
        const Point b{coord(rng), coord(rng)};
        RasterCanvas forward(Size{40, 40});
        RasterCanvas backward(Size{40, 40});
        forward.moveTo(a);
        forward.lineTo(b);
        forward.setPixel(a, kBlack);
        forward.setPixel(b, kBlack);
        backward.moveTo(b);
        backward.lineTo(a);
        backward.setPixel(a, kBlack);
        backward.setPixel(b, kBlack);
        ASSERT_EQ(forward.bitmap(), backward.bitmap())
            << "(" << a.x << "," << a.y << ") - (" << b.x << "," << b.y << ")";
    }
}

TEST_F(LineTest, ClippedLinesHitExactlyThePixelsOfTheWholeLine) {
    // A small surface shows the window (200, 150) .. (240, 180) of a big one.
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(-600, 600);
    for (int i = 0; i < 200; ++i) {
        const Point a{coord(rng), coord(rng)};
        const Point b{coord(rng) / 10 + 220, coord(rng) / 10 + 165};
        for (int style = 0; style < 2; ++style) {
            const Pen pen{style == 0 ? PenStyle::Solid : PenStyle::Dot, 1, kBlack};
            RasterCanvas small(Size{40, 30});
            RasterCanvas big(Size{1400, 1400});
            small.selectPen(pen);
            big.selectPen(pen);
            small.moveTo({a.x - 200, a.y - 150});
            small.lineTo({b.x - 200, b.y - 150});
            big.moveTo({a.x + 700, a.y + 700});
            big.lineTo({b.x + 700, b.y + 700});
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 40; ++x) {
                    ASSERT_EQ(small.bitmap().pixel(x, y), big.bitmap().pixel(x + 900, y + 850))
                        << "line " << i << " style " << style << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(LineTest, FarAwayEndPointsDrawOnlyTheVisiblePart) {
    line({-2000000000, 5}, {2000000000, 5});
    EXPECT_EQ(art({0, 4, 12, 7}), (Art{"............", "############", "............"}));
}

TEST_F(LineTest, WidthZeroDrawsAsOne) {
    canvas_.selectPen({PenStyle::Solid, 0, kBlack});
    line({1, 1}, {5, 1});
    EXPECT_EQ(art({0, 0, 7, 3}), (Art{".......", ".####..", "......."}));
}

TEST_F(LineTest, NullPenDrawsNothing) {
    canvas_.selectPen({PenStyle::Null, 3, kBlack});
    line({1, 1}, {9, 8});
    EXPECT_EQ(testing::countColor(canvas_.bitmap(), kBlack), 0);
}

class WidePenTest : public LineTest {};

TEST_F(WidePenTest, OddWidthIsCentredAndCoversTheEndPointWithRoundCaps) {
    canvas_.selectPen({PenStyle::Solid, 3, kBlack});
    line({2, 3}, {8, 3});
    // The dot of a 3-pixel pen is a plus, so the caps cut the band's corners.
    EXPECT_EQ(art({0, 1, 12, 6}), (Art{"............", "..#######...", ".#########..",
                                       "..#######...", "............"}));
}

TEST_F(WidePenTest, EvenWidthPutsTheExtraRowAbove) {
    canvas_.selectPen({PenStyle::Solid, 4, kBlack});
    line({3, 5}, {8, 5});
    EXPECT_EQ(art({0, 2, 12, 8}), (Art{"............", "..#######...", ".#########..",
                                       ".#########..", "..#######...", "............"}));
}

TEST_F(WidePenTest, EvenWidthPutsTheExtraColumnLeft) {
    canvas_.selectPen({PenStyle::Solid, 2, kBlack});
    line({5, 2}, {5, 6});
    EXPECT_EQ(art({3, 1, 8, 8}),
              (Art{".##..", ".##..", ".##..", ".##..", ".##..", ".##..", "....."}));
}

TEST_F(WidePenTest, DashedAndDottedPensWiderThanOneDrawSolid) {
    for (PenStyle style : {PenStyle::Dash, PenStyle::Dot}) {
        RasterCanvas wide(Size{60, 5});
        wide.selectPen({style, 2, kBlack});
        wide.moveTo({5, 2});
        wide.lineTo({50, 2});
        for (int x = 5; x <= 50; ++x) {
            EXPECT_EQ(wide.bitmap().colorAt(x, 2), kBlack) << x;
        }
    }
}

class PatternTest : public ::testing::Test {
  protected:
    RasterCanvas canvas_{Size{64, 3}};

    void SetUp() override { canvas_.fillRect({0, 0, 64, 3}, kRed); }
    // Row 1 as characters: '#' pen, 'b' gap painted in the background colour,
    // 'r' untouched.
    std::string row() const { return pixelArt(canvas_.bitmap(), {0, 1, 64, 2}, basicLegend())[0]; }
};

TEST_F(PatternTest, DashIsEighteenOnSixOffWithOpaqueGapsInTheBackgroundColour) {
    canvas_.selectPen({PenStyle::Dash, 1, kBlack});
    canvas_.setBackgroundColor(kBlue);
    canvas_.moveTo({0, 1});
    canvas_.lineTo({60, 1});
    EXPECT_EQ(row(), std::string(18, '#') + std::string(6, 'b') + std::string(18, '#') +
                         std::string(6, 'b') + std::string(12, '#') + "rrrr");
}

TEST_F(PatternTest, DotIsThreeOnThreeOffAndTransparentModeLeavesTheGaps) {
    canvas_.selectPen({PenStyle::Dot, 1, kBlack});
    canvas_.setBackgroundMode(BackgroundMode::Transparent);
    canvas_.moveTo({0, 1});
    canvas_.lineTo({16, 1});
    EXPECT_EQ(row().substr(0, 18), "###rrr###rrr###rrr");
}

TEST_F(PatternTest, EachLineToRestartsThePattern) {
    canvas_.selectPen({PenStyle::Dot, 1, kBlack});
    canvas_.setBackgroundColor(kBlue);
    canvas_.moveTo({0, 1});
    canvas_.lineTo({4, 1});
    canvas_.lineTo({8, 1});
    EXPECT_EQ(row().substr(0, 9), "###b###br");
}

TEST_F(PatternTest, PensSwitchedBackAndForthKeepTheirPatternAndTheLatestBackground) {
    const Pen dotted{PenStyle::Dot, 1, kBlue};
    canvas_.selectPen(dotted);
    canvas_.selectPen({PenStyle::Solid, 1, kBlack});
    canvas_.selectPen(dotted);
    canvas_.moveTo({0, 1});
    canvas_.lineTo({8, 1});
    canvas_.setBackgroundColor(kBlack);
    canvas_.setBackgroundColor(kRed);
    canvas_.moveTo({10, 1});
    canvas_.lineTo({18, 1});
    EXPECT_EQ(row().substr(0, 19), "bbb...bbrrbbbrrrbbr");
}

TEST_F(PatternTest, APolylineRunsThePatternOnAcrossItsSegments) {
    canvas_.selectPen({PenStyle::Dot, 1, kBlack});
    canvas_.setBackgroundColor(kBlue);
    const Point pts[] = {{0, 1}, {4, 1}, {8, 1}};
    canvas_.polyline(pts);
    EXPECT_EQ(row().substr(0, 9), "###bbb##r");
}

}  // namespace
}  // namespace brennix::gfx
