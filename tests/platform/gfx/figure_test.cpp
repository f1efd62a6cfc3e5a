// Closed figures: which pixels rectangles, ellipses, arcs, pies and polygons
// cover with 1-pixel, wide, dashed and null pens.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

#include "platform/gfx/raster_canvas.h"
#include "platform/gfx/recording_canvas.h"
#include "tests/platform/gfx/pixel_art.h"

namespace brennix::gfx {
namespace {

using testing::basicLegend;
using testing::countColor;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;
using testing::kWhite;
using testing::pixelArt;
using Art = std::vector<std::string>;

// Figures are drawn on red so that the white default brush shows.
class FigureTest : public ::testing::Test {
  protected:
    explicit FigureTest(Size size = {16, 16}) : canvas_(size) {}
    void SetUp() override { canvas_.fillRect(canvas_.bitmap().bounds(), kRed); }
    Art art(const Rect& r) const { return pixelArt(canvas_.bitmap(), r, basicLegend()); }
    Art art() const { return art(canvas_.bitmap().bounds()); }
    // Bounding box of the pixels that are no longer red.
    Rect painted() const {
        Rect box{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
        const Bitmap& b = canvas_.bitmap();
        for (int y = 0; y < b.height(); ++y) {
            for (int x = 0; x < b.width(); ++x) {
                if (b.colorAt(x, y) != kRed) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
                }
            }
        }
        return box;
    }

    RasterCanvas canvas_;
};

using RectangleTest = FigureTest;

TEST_F(RectangleTest, OnePixelOutlineOnTheOuterRowsAndColumnsWithTheDefaultWhiteBrush) {
    canvas_.rectangle({1, 1, 6, 5});
    EXPECT_EQ(art({0, 0, 7, 6}),
              (Art{"rrrrrrr", "r#####r", "r#...#r", "r#...#r", "r#####r", "rrrrrrr"}));
}

TEST_F(RectangleTest, ReversedCornersAreSwappedAndEmptyRectanglesDrawNothing) {
    canvas_.rectangle({6, 5, 1, 1});
    const Art swapped = art({0, 0, 7, 6});
    EXPECT_EQ(swapped, (Art{"rrrrrrr", "r#####r", "r#...#r", "r#...#r", "r#####r", "rrrrrrr"}));
    canvas_.rectangle({10, 2, 10, 9});
    canvas_.rectangle({9, 12, 14, 12});
    EXPECT_EQ(painted(), (Rect{1, 1, 6, 5}));
}

TEST_F(RectangleTest, NullPenFillsOnePixelLessEachWay) {
    canvas_.selectPen({PenStyle::Null, 1, kBlack});
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    canvas_.rectangle({1, 1, 6, 5});
    EXPECT_EQ(art({0, 0, 7, 6}),
              (Art{"rrrrrrr", "rbbbbrr", "rbbbbrr", "rbbbbrr", "rrrrrrr", "rrrrrrr"}));
}

TEST_F(RectangleTest, NullBrushLeavesTheInside) {
    canvas_.selectBrush({BrushStyle::Null, kBlue});
    canvas_.rectangle({1, 1, 5, 4});
    EXPECT_EQ(art({0, 0, 6, 5}), (Art{"rrrrrr", "r####r", "r#rr#r", "r####r", "rrrrrr"}));
}

TEST_F(RectangleTest, FillRectCoversLeftTopInclusiveRightBottomExclusive) {
    canvas_.fillRect({2, 1, 5, 3}, kBlue);
    EXPECT_EQ(art({0, 0, 6, 4}), (Art{"rrrrrr", "rrbbbr", "rrbbbr", "rrrrrr"}));
}

TEST_F(RectangleTest, WidePenBandIsCentredOnTheOutlineRoundAtTheCornersAndTheBrushFillsTheRest) {
    canvas_.selectPen({PenStyle::Solid, 3, kBlack});
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    canvas_.rectangle({3, 3, 12, 10});
    EXPECT_EQ(art({1, 1, 14, 12}),
              (Art{"rrrrrrrrrrrrr", "rr#########rr", "r###########r", "r###########r",
                   "r###bbbbb###r", "r###bbbbb###r", "r###bbbbb###r", "r###########r",
                   "r###########r", "rr#########rr", "rrrrrrrrrrrrr"}));
}

TEST_F(RectangleTest, DashedOutlineStartsAtTheTopRightCornerGoingLeft) {
    RasterCanvas wide(Size{32, 4});
    wide.selectPen({PenStyle::Dash, 1, kBlack});
    wide.setBackgroundColor(kBlue);
    wide.selectBrush({BrushStyle::Null, kWhite});
    wide.rectangle({0, 0, 30, 4});
    const std::string top = pixelArt(wide.bitmap(), {0, 0, 30, 1}, basicLegend())[0];
    // (29,0) is the first dash pixel; 18 on reach x = 12, then 6 off.
    EXPECT_EQ(top.substr(12, 18), std::string(18, '#'));
    EXPECT_EQ(top.substr(6, 6), "bbbbbb");
    EXPECT_EQ(top.substr(0, 6), "######");
}

using EllipseTest = FigureTest;

TEST_F(EllipseTest, FiveByFiveCircle) {
    canvas_.ellipse({1, 1, 6, 6});
    EXPECT_EQ(art({0, 0, 7, 7}),
              (Art{"rrrrrrr", "rr###rr", "r#...#r", "r#...#r", "r#...#r", "rr###rr", "rrrrrrr"}));
}

TEST_F(EllipseTest, CurveTouchesEveryEdgeOfTheBoxAndStaysInside) {
    for (const Rect box :
         {Rect{1, 2, 14, 9}, Rect{0, 0, 16, 16}, Rect{3, 1, 9, 15}, Rect{2, 2, 6, 5}}) {
        SetUp();
        canvas_.ellipse(box);
        EXPECT_EQ(painted(), box);
    }
}

TEST_F(EllipseTest, OutlineIsSymmetricAndTheBrushFillsOnlyInside) {
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    canvas_.ellipse({0, 1, 15, 12});
    const Art a = art({0, 1, 15, 12});
    for (std::size_t y = 0; y < a.size(); ++y) {
        EXPECT_EQ(a[y], std::string(a[y].rbegin(), a[y].rend())) << y;
        EXPECT_EQ(a[y], a[a.size() - 1 - y]) << y;
        // Each row reads: outside, outline, inside, outline, outside.
        const auto first = a[y].find('#');
        const auto last = a[y].rfind('#');
        ASSERT_NE(first, std::string::npos);
        EXPECT_EQ(a[y].find_first_not_of("r"), first);
        EXPECT_EQ(a[y].find_last_not_of("r"), last);
        EXPECT_EQ(a[y].substr(first, last - first + 1).find('r'), std::string::npos);
    }
    EXPECT_GT(countColor(canvas_.bitmap(), kBlue), 60);
}

TEST_F(EllipseTest, BoxesTwoPixelsThinDrawAsRectangles) {
    canvas_.ellipse({1, 1, 3, 7});
    RasterCanvas expected(Size{16, 16});
    expected.fillRect(expected.bitmap().bounds(), kRed);
    expected.rectangle({1, 1, 3, 7});
    EXPECT_EQ(canvas_.bitmap(), expected.bitmap());
}

TEST_F(EllipseTest, NullPenFillsTheWholeShapeWithoutShrinking) {
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    canvas_.ellipse({1, 1, 12, 10});
    const Art outlined = art();
    SetUp();
    canvas_.selectPen({PenStyle::Null, 1, kBlack});
    canvas_.ellipse({1, 1, 12, 10});
    Art expected = outlined;
    for (auto& row : expected) {
        for (char& c : row) {
            c = c == '#' ? 'b' : c;
        }
    }
    EXPECT_EQ(art(), expected);
}

TEST_F(EllipseTest, WidePenBandReachesHalfTheWidthOutsideTheCurve) {
    canvas_.selectPen({PenStyle::Solid, 3, kBlack});
    canvas_.ellipse({3, 3, 13, 12});
    EXPECT_EQ(painted(), (Rect{2, 2, 14, 13}));
}

class ArcTest : public FigureTest {
  protected:
    ArcTest() : FigureTest({11, 11}) {}
    static constexpr Rect kBox{1, 1, 10, 10};  // a circle, centre (5, 5)
};

TEST_F(ArcTest, GoesCounterClockwiseFromTheStartRayAndLeavesOutTheFinalPixel) {
    // 3 o'clock to 12: the pixel on the start ray is drawn; the one on the
    // end ray counts as past it and the last one before it is left out.
    canvas_.arc(kBox, {10, 5}, {5, 0});
    EXPECT_EQ(art({5, 0, 11, 7}),
              (Art{"rrrrrr", "rrrrrr", "rr##rr", "rrr#rr", "rrrr#r", "rrrr#r", "rrrrrr"}));
}

TEST_F(ArcTest, APixelOnARayLiesPastItAboveTheCentreAndShortOfItBelow) {
    // From straight down to the lower right diagonal: the pixel on the start
    // ray is left out, the one on the end ray is the final pixel.
    canvas_.arc(kBox, {5, 9}, {9, 9});
    EXPECT_EQ(art({4, 7, 10, 10}), (Art{"rrrrrr", "rrr#rr", "rr#rrr"}));
    SetUp();
    // Both rays on the upper right diagonal: the whole ellipse but the pixel
    // before the one on the ray.
    canvas_.arc(kBox, {9, 1}, {9, 1});
    EXPECT_EQ(art({7, 1, 10, 5}), (Art{"rrr", "##r", "rrr", "rr#"}));
}

TEST_F(ArcTest, AnEndRayJustShortOfTheStartRayLeavesOutOnePixel) {
    canvas_.arc(kBox, {10, 5}, {10, 6});
    EXPECT_EQ(countColor(canvas_.bitmap(), kBlack), 23);
    EXPECT_EQ(art({8, 4, 10, 8}), (Art{"r#", "r#", "rr", "#r"}));
}

TEST(EvenBoxArcTest, PixelsLeftOfAndAboveTheCentreAreMeasuredOneUnitNearer) {
    // A box 10 x 8 has its centre at (15, 14); seen from it, (19, 12) lies
    // at (4, 1) as the traced quadrant has it, below the ray to (18, 13).
    RasterCanvas c({30, 30});
    c.arc({10, 10, 20, 18}, {18, 13}, {0, 0});
    EXPECT_NE(c.bitmap().colorAt(18, 11), kWhite);
    EXPECT_EQ(c.bitmap().colorAt(19, 12), kWhite);
    EXPECT_EQ(c.bitmap().colorAt(19, 13), kWhite);
}

TEST_F(ArcTest, SwappingTheRadialsDrawsTheOtherThreeQuarters) {
    canvas_.arc(kBox, {5, 0}, {10, 5});
    const Art a = art();
    EXPECT_EQ(a[1][5], '#');
    EXPECT_EQ(a[9][5], '#');
    EXPECT_EQ(a[5][1], '#');
    EXPECT_EQ(a[3][8], 'r');
}

TEST_F(ArcTest, RadialsOnlyGiveDirections) {
    canvas_.arc(kBox, {10, 5}, {5, 0});
    const Art near = art();
    SetUp();
    canvas_.arc(kBox, {500, 5}, {5, -300});
    EXPECT_EQ(art(), near);
}

TEST_F(ArcTest, EqualDirectionsGiveTheWholeEllipseButTheFinalPixel) {
    canvas_.arc(kBox, {9, 2}, {13, -1});
    const int drawn = countColor(canvas_.bitmap(), kBlack);
    SetUp();
    canvas_.selectBrush({BrushStyle::Null, kWhite});
    canvas_.ellipse(kBox);
    EXPECT_EQ(drawn, countColor(canvas_.bitmap(), kBlack) - 1);
    SetUp();
    // On the ray to 3 o'clock the middle pixel of the right side is both the
    // first and the final one: nothing is left out.
    canvas_.arc(kBox, {10, 5}, {30, 5});
    EXPECT_EQ(countColor(canvas_.bitmap(), kBlack), drawn + 1);
}

TEST_F(ArcTest, PieClosesThroughTheCentreAndFillsInside) {
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    canvas_.pie(kBox, {10, 5}, {5, 0});
    EXPECT_EQ(art({4, 0, 11, 7}),
              (Art{"rrrrrrr", "rr#rrrr", "rr###rr", "r#bb#rr", "r#bbb#r", "r#####r", "rrrrrrr"}));
}

TEST_F(ArcTest, PieWithNullPenPaintsOnlyTheBrush) {
    canvas_.selectPen({PenStyle::Null, 1, kBlack});
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    canvas_.pie(kBox, {10, 5}, {0, 5});  // upper half
    EXPECT_EQ(countColor(canvas_.bitmap(), kBlack), 0);
    const Art a = art();
    EXPECT_EQ(a[3][5], 'b');
    EXPECT_EQ(a[7][5], 'r');
}

TEST_F(ArcTest, DottedPieRunsItsPatternOnFromTheArcIntoTheRadials) {
    canvas_.selectPen({PenStyle::Dot, 1, kBlack});
    canvas_.selectBrush({BrushStyle::Null, kWhite});
    canvas_.setBackgroundMode(BackgroundMode::Transparent);
    canvas_.pie(kBox, {10, 5}, {5, 0});
    EXPECT_EQ(art({4, 0, 11, 7}),
              (Art{"rrrrrrr", "rrrrrrr", "rr#rrrr", "r#rr#rr", "r#rrr#r", "rrrr##r", "rrrrrrr"}));
}

// On boxes two pixels thin the outline folds back onto single pixels.
TEST(ThinBoxArcTest, FiguresOfNoSizeShowOnlyAWidePensDotAndCrossingPicksNothing) {
    const Rect column{4, 4, 6, 7};  // 2 x 3, centre (5, 5)
    const auto pixels = [](int width, auto draw) {
        RasterCanvas c({12, 12});
        c.selectPen({PenStyle::Solid, width, kBlack});
        draw(c);
        return countColor(c.bitmap(), kBlack);
    };
    // From the first quadrant into the second the pie's arc is the centre
    // pixel alone: nothing with a thin pen, the dot of a wide one.
    const auto upper = [&](RasterCanvas& c) { c.pie(column, {15, 1}, {-5, 1}); };
    EXPECT_EQ(pixels(1, upper), 0);
    EXPECT_EQ(pixels(3, upper), 5);
    // From the last quadrant into the first: nothing even with a wide pen.
    EXPECT_EQ(pixels(3, [&](RasterCanvas& c) { c.pie(column, {15, 9}, {15, 1}); }), 0);
    // A row two wide from the second quadrant into the third passes its left
    // pixel twice: a wide pen's dot there, nothing with a thin pen.
    const auto left = [](RasterCanvas& c) { c.arc({4, 4, 6, 5}, {-5, 1}, {-5, 7}); };
    EXPECT_EQ(pixels(1, left), 0);
    RasterCanvas wide({12, 12});
    wide.selectPen({PenStyle::Solid, 3, kBlack});
    left(wide);
    EXPECT_EQ(countColor(wide.bitmap(), kBlack), 5);
    EXPECT_EQ(wide.bitmap().colorAt(3, 4), kBlack);
    EXPECT_EQ(wide.bitmap().colorAt(6, 4), kWhite);
}

using PolygonTest = FigureTest;

TEST_F(PolygonTest, InteriorUsesTheCeilingOfEachCrossingAndSkipsTheTopmostRow) {
    canvas_.selectPen({PenStyle::Null, 1, kBlack});
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    const Point tri[] = {{0, 0}, {5, 2}, {0, 2}};  // crosses x = 2.5 on row 1
    canvas_.polygon(tri);
    EXPECT_EQ(art({0, 0, 6, 3}), (Art{"rrrrrr", "bbbrrr", "rrrrrr"}));
}

TEST_F(PolygonTest, OutlineCoversEveryVertexAndTheRightAndBottomBoundary) {
    const Point square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    canvas_.polygon(square);
    RasterCanvas expected(Size{16, 16});
    expected.fillRect(expected.bitmap().bounds(), kRed);
    expected.rectangle({1, 1, 6, 6});
    EXPECT_EQ(canvas_.bitmap(), expected.bitmap());
}

TEST_F(PolygonTest, SelfIntersectingStarLeavesItsCentreUnfilled) {
    canvas_.selectPen({PenStyle::Null, 1, kBlack});
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    const Point star[] = {{8, 0}, {13, 15}, {0, 5}, {16, 5}, {3, 15}};
    canvas_.polygon(star);
    const Art a = art();
    EXPECT_EQ(a[8][8], 'r');
    EXPECT_EQ(a[3][8], 'b');
    EXPECT_EQ(a[6][3], 'b');
    EXPECT_EQ(a[6][8], 'r');
}

// Inside by counting, for each pixel, the edges whose crossing on its row
// lies at or left of it.
bool insideByCounting(const std::vector<Point>& poly, int x, int y) {
    int count = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        Point a = poly[i];
        Point b = poly[(i + 1) % poly.size()];
        if (a.y == b.y) {
            continue;
        }
        if (a.y > b.y) {
            std::swap(a, b);
        }
        if (y < a.y || y >= b.y) {
            continue;
        }
        const double exact = a.x + double(y - a.y) * (b.x - a.x) / (b.y - a.y);
        count += std::ceil(exact - 1e-9) <= x ? 1 : 0;
    }
    return count % 2 == 1;
}

TEST_F(PolygonTest, RandomPolygonsFillExactlyThePixelsTheRuleSays) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> coord(-4, 19);
    std::uniform_int_distribution<int> size(3, 9);
    canvas_.selectPen({PenStyle::Null, 1, kBlack});
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    for (int i = 0; i < 300; ++i) {
        std::vector<Point> poly(static_cast<std::size_t>(size(rng)));
        for (Point& p : poly) {
            p = {coord(rng), coord(rng)};
        }
        if (i % 10 == 0) {
            // All in one column, as a fill towards a point straight above.
            for (Point& p : poly) {
                p.x = poly.front().x;
            }
        }
        SetUp();
        canvas_.polygon(poly);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                ASSERT_EQ(canvas_.bitmap().colorAt(x, y) == kBlue, insideByCounting(poly, x, y))
                    << "polygon " << i << " pixel " << x << "," << y;
            }
        }
    }
}

TEST_F(PolygonTest, FewerThanTwoPointsDrawNothing) {
    const Point one[] = {{3, 3}};
    canvas_.polygon(one);
    canvas_.polygon({});
    EXPECT_EQ(countColor(canvas_.bitmap(), kRed), 16 * 16);
}

TEST_F(PolygonTest, FarAwayVerticesAreFilledWithoutOverflow) {
    canvas_.selectBrush({BrushStyle::Solid, kBlue});
    canvas_.selectPen({PenStyle::Null, 1, kBlack});
    const Point huge[] = {{-2000000000, -2000000000},
                          {2000000000, -2000000000},
                          {2000000000, 2000000000},
                          {-2000000000, 2000000000}};
    canvas_.polygon(huge);
    EXPECT_EQ(countColor(canvas_.bitmap(), kBlue), 16 * 16);
}

using SurfaceTest = FigureTest;

TEST_F(SurfaceTest, SystemColoursAreTranslatedAndUnknownOnesDrawBlack) {
    canvas_.fillRect({0, 0, 2, 2}, systemColorRef(SystemColor::ButtonShadow));
    canvas_.fillRect({2, 0, 4, 2}, 0x800000FFU);
    canvas_.fillRect({4, 0, 6, 2}, 0x12345678U);
    EXPECT_EQ(canvas_.bitmap().colorAt(0, 0), rgb(128, 128, 128));
    EXPECT_EQ(canvas_.bitmap().colorAt(2, 0), kBlack);
    EXPECT_EQ(canvas_.bitmap().colorAt(4, 0), kBlack);
}

TEST_F(SurfaceTest, AnOversizedSurfaceComesOutEmptyAndDrawingOnItIsHarmless) {
    RasterCanvas huge(Size{Bitmap::kMaxSide + 1, 10});
    EXPECT_TRUE(huge.bitmap().isEmpty());
    huge.ellipse({0, 0, 30000, 30000});
    huge.textOut({0, 0}, "x");
    const Point tri[] = {{0, 0}, {9, 0}, {0, 9}};
    huge.polygon(tri);
    RasterCanvas negative(Size{-5, 7});
    EXPECT_TRUE(negative.bitmap().isEmpty());
    negative.fillRect({0, 0, 5, 5}, kBlue);
    canvas_.blockCopy({0, 0, 16, 16}, negative, {0, 0});
    EXPECT_EQ(countColor(canvas_.bitmap(), kRed), 16 * 16);
}

TEST_F(SurfaceTest, FiguresAtTheEdgesOfTheCoordinateRangeLeaveTheSurfaceAlone) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const Bitmap before = canvas_.bitmap();
    for (const Pen pen : {Pen{}, Pen{PenStyle::Dash, 1, kBlack}, Pen{PenStyle::Solid, 5, kBlack}}) {
        canvas_.selectPen(pen);
        canvas_.moveTo({kMax, kMax});
        canvas_.lineTo({kMax - 3, kMin});
        const Point far[] = {{kMin, kMin}, {kMin + 9, kMax}, {kMin, kMax}};
        canvas_.polyline(far);
        canvas_.polygon(far);
        canvas_.rectangle({kMax - 1, kMin, kMax, kMax});
        canvas_.ellipse({kMin, kMin, kMax, -100});
        canvas_.ellipse({kMax - 50, 0, kMax, 10});
        canvas_.arc({kMax - 50, 0, kMax, 10}, {kMin, kMin}, {kMax, kMax});
        canvas_.pie({kMax - 50, 0, kMax, 10}, {0, 0}, {kMax, kMax});
        canvas_.pie({kMin, kMin, kMax, kMax}, {0, 0}, {1, 1});
        canvas_.drawEdge({kMax - 1, kMin, kMax, kMax}, EdgeStyle::Bump);
        canvas_.fillRect({kMax, kMin, kMin, kMin + 1}, kBlue);
        canvas_.textOut({kMax - 2, 3}, "overflow");
        canvas_.setTextAlign(TextAlign::Right);
        canvas_.textOut({kMin + 2, 3}, "overflow");
        canvas_.blockCopy({kMin, kMin, kMax, kMax}, canvas_, {kMax, kMax});
    }
    EXPECT_EQ(canvas_.bitmap(), before);
}

TEST_F(SurfaceTest, AbsurdPenWidthsAreCappedAndStillDraw) {
    canvas_.selectPen({PenStyle::Solid, 1 << 30, kBlack});
    canvas_.moveTo({8, 8});
    canvas_.lineTo({9, 8});
    EXPECT_EQ(countColor(canvas_.bitmap(), kBlack), 16 * 16);
}

TEST_F(SurfaceTest, BlockCopyMovesAClippedBlockFromAnOffScreenSurface) {
    auto offscreen = canvas_.createCompatible({4, 4});
    offscreen->fillRect({0, 0, 4, 4}, kBlue);
    offscreen->setPixel({0, 0}, kBlack);
    canvas_.blockCopy({13, 13, 17, 17}, *offscreen, {0, 0});
    EXPECT_EQ(art({12, 12, 16, 16}), (Art{"rrrr", "r#bb", "rbbb", "rbbb"}));
    canvas_.blockCopy({0, 0, 4, 4}, *offscreen, {2, 2});
    EXPECT_EQ(art({0, 0, 4, 4}), (Art{"bbrr", "bbrr", "rrrr", "rrrr"}));
}

TEST_F(SurfaceTest, BlockCopyFromASurfaceWithoutPixelsFailsLoudly) {
    RecordingCanvas recorder(Size{4, 4});
    recorder.fillRect({0, 0, 4, 4}, kBlue);
    const Bitmap before = canvas_.bitmap();
    EXPECT_THROW(canvas_.blockCopy({0, 0, 4, 4}, recorder, {0, 0}), std::invalid_argument);
    EXPECT_EQ(canvas_.bitmap(), before);
}

TEST_F(SurfaceTest, ABitmapIsDrawnInOneCallAndClippedAtEverySide) {
    Bitmap pattern(3, 2, toPixel(kBlue));
    pattern.setPixel(0, 0, toPixel(kBlack));
    canvas_.drawBitmap({-1, -1}, pattern);
    canvas_.drawBitmap({14, 15}, pattern);
    EXPECT_EQ(art({0, 0, 3, 2}), (Art{"bbr", "rrr"}));
    EXPECT_EQ(art({13, 14, 16, 16}), (Art{"rrr", "r#b"}));
}

TEST_F(SurfaceTest, BlockCopyWithinOneSurfaceHandlesOverlap) {
    for (int x = 0; x < 16; ++x) {
        canvas_.setPixel({x, 0}, x % 2 == 0 ? kBlack : kBlue);
        canvas_.setPixel({0, x}, x % 2 == 0 ? kBlack : kBlue);
    }
    canvas_.blockCopy({1, 0, 16, 1}, canvas_, {0, 0});
    canvas_.blockCopy({0, 1, 1, 16}, canvas_, {0, 0});
    EXPECT_EQ(art({0, 0, 6, 1})[0], "##b#b#");
    EXPECT_EQ(art({0, 0, 1, 6}), (Art{"#", "#", "b", "#", "b", "#"}));
}

}  // namespace
}  // namespace brennix::gfx
