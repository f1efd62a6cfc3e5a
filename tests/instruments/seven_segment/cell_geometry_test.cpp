// The shapes of one cell, worked out by hand for a 64 x 96 cell at (100, 10):
// ex 3, ey 4, mx 3, sw 6, H/12 8, hy 4, lx 30, oy 32.

#include <gmock/gmock.h>

#include <limits>

#include "instruments/seven_segment/cell_geometry.h"

namespace brennix::instruments::testing {
namespace {

using gfx::Point;
using ::testing::ElementsAre;

const gfx::Rect kCell{100, 10, 164, 106};

const Segment& segment(const DigitCell& d, SegmentCode bit) {
    for (const Segment& s : d.segments) {
        if (s.bit == bit) {
            return s;
        }
    }
    ADD_FAILURE() << "no segment " << int{bit};
    return d.segments[0];
}

TEST(DigitCellGeometry, SegmentsComeInDrawingOrder) {
    const DigitCell d = digitCell(kCell, false);
    std::vector<int> bits;
    for (const Segment& s : d.segments) {
        bits.push_back(s.bit);
    }
    EXPECT_THAT(bits, ElementsAre(kUpperLeft, kUpperRight, kLowerLeft, kLowerRight, kTop, kMiddle,
                                  kBottom));
}

TEST(DigitCellGeometry, HorizontalSegmentsArePointedBarsStackedDownTheCell) {
    const DigitCell d = digitCell(kCell, false);
    EXPECT_THAT(segment(d, kTop).shape,
                ElementsAre(Point{109, 18}, Point{112, 22}, Point{136, 22}, Point{139, 18},
                            Point{136, 14}, Point{112, 14}));
    // Each next one H/2 - hy - ey = 40 lower: the middle one straddles H/2.
    EXPECT_EQ(segment(d, kMiddle).shape[0], (Point{109, 58}));
    EXPECT_EQ(segment(d, kBottom).shape[0], (Point{109, 98}));
}

TEST(DigitCellGeometry, VerticalSegmentsMirrorAboutTheMiddle) {
    const DigitCell d = digitCell(kCell, false);
    EXPECT_THAT(segment(d, kUpperLeft).shape,
                ElementsAre(Point{106, 22}, Point{103, 26}, Point{103, 50}, Point{106, 54},
                            Point{109, 50}, Point{109, 26}));
    EXPECT_THAT(segment(d, kUpperRight).shape,
                ElementsAre(Point{142, 22}, Point{139, 26}, Point{139, 50}, Point{142, 54},
                            Point{145, 50}, Point{145, 26}));
    EXPECT_THAT(segment(d, kLowerLeft).shape,
                ElementsAre(Point{106, 94}, Point{103, 90}, Point{103, 66}, Point{106, 62},
                            Point{109, 66}, Point{109, 90}));
    EXPECT_EQ(segment(d, kLowerRight).shape[0], (Point{142, 94}));
}

TEST(DigitCellGeometry, ThePointSitsInTheRightQuarterOnTheBaseline) {
    EXPECT_EQ(digitCell(kCell, false).point, (gfx::Rect{151, 94, 157, 102}));
}

TEST(DigitCellGeometry, ASlantedCellLeansRightByItsRightQuarterOverItsHeight) {
    const DigitCell upright = digitCell(kCell, false);
    const DigitCell slanted = digitCell(kCell, true);
    // Shift (B - y) * 16 / 96 with B = 106.
    EXPECT_THAT(segment(slanted, kTop).shape,
                ElementsAre(Point{109 + 14, 18}, Point{112 + 14, 22}, Point{136 + 14, 22},
                            Point{139 + 14, 18}, Point{136 + 15, 14}, Point{112 + 15, 14}));
    EXPECT_EQ(segment(slanted, kBottom).shape[0], (Point{109 + 1, 98}));
    EXPECT_EQ(slanted.point, (gfx::Rect{151 + 2, 94, 157 + 0, 102}));
    for (std::size_t i = 0; i < upright.segments.size(); ++i) {
        for (std::size_t v = 0; v < 6; ++v) {
            EXPECT_EQ(slanted.segments[i].shape[v].y, upright.segments[i].shape[v].y);
        }
    }
}

TEST(SignCellGeometry, ThePlusBarCrossesTheMiddleStrokeAtTheBodysCentre) {
    const SignCell s = signCell(kCell, false);
    EXPECT_EQ(s.middle, segment(digitCell(kCell, false), kMiddle).shape);
    // x = 100 + 48 / 2, from x - mx to x - mx + sw; y0 = 10 + 48 - 16.
    EXPECT_THAT(s.bar, ElementsAre(Point{124, 42}, Point{121, 46}, Point{121, 70}, Point{124, 74},
                                   Point{127, 70}, Point{127, 46}));
}

TEST(DigitCellGeometry, AnEmptyCellCollapsesWithoutDividingByZero) {
    const DigitCell d = digitCell({5, 5, 5, 5}, true);
    for (const Segment& s : d.segments) {
        for (Point p : s.shape) {
            EXPECT_EQ(p, (Point{5, 5}));
        }
    }
    EXPECT_EQ(signCell({5, 5, 5, 5}, true).bar[0], (Point{5, 5}));
}

// A lean moves every vertex toward the cell's right side, however far the
// cell reaches; near the ends of int a vertex stops there, never wraps.
TEST(DigitCellGeometry, LeaningMovesEveryVertexTowardTheRightSideEvenAtTheEndsOfInt) {
    constexpr int kMost = std::numeric_limits<int>::max();
    constexpr int kLeast = std::numeric_limits<int>::min();
    const int sides[] = {kLeast, kLeast + 16, kLeast + 999, -7, 0, 1000, kMost - 909, kMost};
    const auto toward = [](const gfx::Rect& cell, int leaning, int upright) {
        return cell.right >= cell.left ? leaning >= upright : leaning <= upright;
    };
    for (int left : sides) {
        for (int right : sides) {
            for (int top : sides) {
                for (int bottom : sides) {
                    const gfx::Rect cell{left, top, right, bottom};
                    const DigitCell upright = digitCell(cell, false);
                    const DigitCell leaning = digitCell(cell, true);
                    const SignCell uprightSign = signCell(cell, false);
                    const SignCell leaningSign = signCell(cell, true);
                    bool ok = toward(cell, leaning.point.right, upright.point.right);
                    for (std::size_t i = 0; i < upright.segments.size(); ++i) {
                        for (std::size_t v = 0; v < upright.segments[i].shape.size(); ++v) {
                            ok = ok && toward(cell, leaning.segments[i].shape[v].x,
                                              upright.segments[i].shape[v].x);
                        }
                    }
                    for (std::size_t v = 0; v < uprightSign.bar.size(); ++v) {
                        ok = ok && toward(cell, leaningSign.bar[v].x, uprightSign.bar[v].x) &&
                             toward(cell, leaningSign.middle[v].x, uprightSign.middle[v].x);
                    }
                    EXPECT_TRUE(ok) << left << ", " << top << ", " << right << ", " << bottom;
                }
            }
        }
    }
}

}  // namespace
}  // namespace brennix::instruments::testing
