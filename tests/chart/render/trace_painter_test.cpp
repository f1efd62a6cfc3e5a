// One trace point by point: rows, fills, lines and markers.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "chart/render/trace_painter.h"
#include "platform/gfx/raster_canvas.h"
#include "platform/gfx/recording_canvas.h"

namespace brennix::chart {
namespace {

using gfx::CallKind;
using gfx::Point;
using Points = std::vector<Point>;

constexpr gfx::Rect kBand{10, 20, 110, 120};  // rows 20 .. 120: y = 120 - 10 v
constexpr gfx::ColorRef kLine = gfx::rgb(200, 0, 0);
constexpr gfx::ColorRef kPoint = gfx::rgb(0, 200, 0);
constexpr gfx::ColorRef kFill = gfx::rgb(0, 0, 200);

class TraceTest : public ::testing::Test {
  protected:
    TraceTest() {
        style_.LineColor = kLine;
        style_.PointColor = kPoint;
        style_.FillColor = kFill;
    }

    void drawPoints(std::initializer_list<std::pair<int, double>> points, double max = 10,
                    double min = 0, PreviousPoint rule = PreviousPoint::Every) {
        TracePainter painter(canvas_, kBand, style_, YScale(max, min, kBand.top, kBand.bottom),
                             rule);
        for (const auto& [x, v] : points) {
            painter.point(x, v);
        }
    }

    std::vector<Points> linesIn(gfx::ColorRef color) const {
        std::vector<Points> out;
        for (const auto& c : canvas_.callsOf(CallKind::LineTo)) {
            if (c.pen.color == color) {
                out.push_back(c.points);
            }
        }
        return out;
    }
    std::vector<Points> polygons() const {
        std::vector<Points> out;
        for (const auto& c : canvas_.callsOf(CallKind::Polygon)) {
            out.push_back(c.points);
        }
        return out;
    }

    PlotStyle style_;
    gfx::RecordingCanvas canvas_{{200, 200}, gfx::FixedTextMeasure{}};
};

TEST(YScaleRows, TheMaximumMapsToTheTopAndTheMinimumToTheBottomWhicheverIsLarger) {
    const YScale up(10, 0, 20, 120);
    EXPECT_EQ(up.row(10), 20);
    EXPECT_EQ(up.row(0), 120);
    EXPECT_EQ(up.row(2.55), 94);  // 94.5 truncated
    const YScale down(0, 10, 20, 120);
    EXPECT_EQ(down.row(10), 120);
    EXPECT_EQ(down.row(2.5), 45);
    EXPECT_FALSE(up.inBand(up.row(1.79769313486232e300)));
    // Equal limits give no row at all, so nothing is ever drawn.
    const YScale flat(5, 5, 20, 120);
    EXPECT_FALSE(flat.inBand(flat.row(5)));
    EXPECT_FALSE(flat.inBand(flat.row(6)));
}

TEST(YScaleRows, TheZeroLineIsLimitedToTheBandAndBasesSwapWithAReversedScale) {
    EXPECT_EQ(YScale(10, -10, 20, 120).zeroLine(), 70);
    EXPECT_EQ(YScale(10, 2, 20, 120).zeroLine(), 120);
    EXPECT_EQ(YScale(-2, -10, 20, 120).zeroLine(), 20);
    EXPECT_EQ(YScale(10, 0, 20, 120).fillBase(FB_MinusInfinity), 20);
    EXPECT_EQ(YScale(10, 0, 20, 120).fillBase(FB_PlusInfinity), 120);
    EXPECT_EQ(YScale(0, 10, 20, 120).fillBase(FB_MinusInfinity), 120);
    EXPECT_EQ(YScale(0, 10, 20, 120).fillBase(FB_PlusInfinity), 20);
}

TEST_F(TraceTest, DirectXYAndYXJoinTheSamePointsStraightHorizontalFirstAndVerticalFirst) {
    drawPoints({{10, 5}, {60, 2}});
    EXPECT_EQ(linesIn(kLine).back(), (Points{{10, 70}, {60, 100}}));

    canvas_.clear();
    style_.Interp = IP_XY;
    drawPoints({{10, 5}, {60, 2}});
    auto lines = linesIn(kLine);
    ASSERT_EQ(lines.size(), 4U);  // the first point joins itself
    EXPECT_EQ(lines[2], (Points{{10, 70}, {60, 70}}));
    EXPECT_EQ(lines[3], (Points{{60, 70}, {60, 100}}));

    canvas_.clear();
    style_.Interp = IP_YX;
    drawPoints({{10, 5}, {60, 2}});
    lines = linesIn(kLine);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[2], (Points{{10, 70}, {10, 100}}));
    EXPECT_EQ(lines[3], (Points{{10, 100}, {60, 100}}));
}

TEST_F(TraceTest, LineStyleAndWidthPickThePenAndUnknownStylesDrawSolid) {
    struct Case {
        std::int16_t lineStyle;
        std::int16_t lineWidth;
        gfx::Pen pen;
    };
    for (const Case& c : {Case{LS_Solid, 0, {gfx::PenStyle::Solid, 0, kLine}},
                          Case{LS_Dash, 1, {gfx::PenStyle::Dash, 1, kLine}},
                          Case{LS_Dot, 1, {gfx::PenStyle::Dot, 1, kLine}},
                          Case{LS_Dash, 3, {gfx::PenStyle::Dash, 3, kLine}},
                          Case{5, 2, {gfx::PenStyle::Solid, 2, kLine}},
                          Case{LS_Solid, -4, {gfx::PenStyle::Solid, 0, kLine}}}) {
        canvas_.clear();
        style_.LineStyle = c.lineStyle;
        style_.LineWidth = c.lineWidth;
        drawPoints({{10, 5}, {60, 2}});
        const auto calls = canvas_.callsOf(CallKind::LineTo);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back().pen, c.pen)
            << "LineStyle " << c.lineStyle << ", width " << c.lineWidth;
    }
}

TEST_F(TraceTest, AnUnknownInterpolationDrawsNeitherLineNorFillButStillTheMarker) {
    style_.Interp = 3;
    style_.FillBase = FB_Zero;
    style_.PointStyle = PS_Cross;
    drawPoints({{10, 5}, {60, 2}});
    EXPECT_TRUE(linesIn(kLine).empty());
    EXPECT_TRUE(polygons().empty());
    EXPECT_EQ(linesIn(kPoint).size(), 4U);
}

TEST_F(TraceTest, FillsFollowTheStraightSegmentDownToEachOfTheThreeBases) {
    style_.Interp = IP_XY;  // stepped line, straight fill
    for (const auto& [base, row] :
         {std::pair{FB_Zero, 120}, {FB_MinusInfinity, 20}, {FB_PlusInfinity, 120}}) {
        canvas_.clear();
        style_.FillBase = base;
        drawPoints({{10, 5}, {60, 2}});
        const auto fills = polygons();
        ASSERT_EQ(fills.size(), 2U);
        // The first point's fill is a one-pixel line down to the base.
        EXPECT_EQ(fills[0], (Points{{10, 70}, {10, 70}, {10, row}, {10, row}}));
        EXPECT_EQ(fills[1], (Points{{10, 70}, {60, 100}, {60, row}, {10, row}}));
        const auto call = canvas_.callsOf(CallKind::Polygon)[1];
        EXPECT_EQ(call.pen, (gfx::Pen{gfx::PenStyle::Solid, 1, kFill}));
        EXPECT_EQ(call.brush, (gfx::Brush{gfx::BrushStyle::Solid, kFill}));
    }
}

TEST_F(TraceTest, AReversedScaleFillsTheOtherWay) {
    style_.FillBase = FB_MinusInfinity;
    drawPoints({{10, 5}, {60, 2}}, 0, 10);
    EXPECT_EQ(polygons().back(), (Points{{10, 70}, {60, 40}, {60, 120}, {10, 120}}));
}

TEST_F(TraceTest, OutOfScaleValuesDrawNothing) {
    style_.FillBase = FB_Zero;
    style_.PointStyle = PS_SolidSquare;
    drawPoints({{10, 11}, {20, -1}, {30, 1e300}});
    EXPECT_TRUE(canvas_.calls().empty());
}

TEST_F(TraceTest, APointAfterAnOutOfScaleOneGetsItsMarkerAndAClampedFillButNoLine) {
    style_.FillBase = FB_Zero;
    style_.PointStyle = PS_Cross;
    drawPoints({{10, 50}, {60, 2}});
    EXPECT_TRUE(linesIn(kLine).empty());
    EXPECT_EQ(polygons(), (std::vector<Points>{{{10, 20}, {60, 100}, {60, 120}, {10, 120}}}));
    EXPECT_EQ(linesIn(kPoint).size(), 2U);
}

TEST_F(TraceTest, WithinAPointTheFillComesFirstThenTheLineThenTheMarker) {
    style_.FillBase = FB_Zero;
    style_.PointStyle = PS_SolidDiamond;
    const gfx::Pen pen = canvas_.pen();
    const gfx::Brush brush = canvas_.brush();
    drawPoints({{60, 2}});
    const auto& calls = canvas_.calls();
    std::vector<CallKind> kinds;
    for (const auto& c : calls) {
        kinds.push_back(c.kind);
    }
    EXPECT_EQ(kinds, (std::vector<CallKind>{CallKind::Polygon, CallKind::MoveTo, CallKind::LineTo,
                                            CallKind::Polygon}));
    EXPECT_EQ(calls[0].brush.color, kFill);
    EXPECT_EQ(calls[2].pen.color, kLine);
    EXPECT_EQ(calls[3].brush.color, kPoint);
    EXPECT_EQ(canvas_.pen(), pen);
    EXPECT_EQ(canvas_.brush(), brush);
}

struct MarkerCase {
    std::int16_t style;
    std::vector<CallKind> kinds;
    std::vector<Points> geometry;  // line ends, polygon corners
    gfx::Rect box;                 // rectangle and ellipse
    gfx::BrushStyle brush;
};

class Markers : public TraceTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(Markers, EachStyleDrawsItsFiveByFiveShapeInThePointColour) {
    const MarkerCase& m = GetParam();
    style_.PointStyle = m.style;
    style_.Interp = 3;  // markers only
    drawPoints({{60, 2}});
    std::vector<CallKind> kinds;
    std::vector<Points> geometry;
    for (const auto& c : canvas_.calls()) {
        kinds.push_back(c.kind);
        EXPECT_EQ(c.pen, (gfx::Pen{gfx::PenStyle::Solid, 1, kPoint}));
        if (c.kind == CallKind::LineTo || c.kind == CallKind::Polygon) {
            geometry.push_back(c.points);
        }
        if (c.kind == CallKind::Rectangle || c.kind == CallKind::Ellipse) {
            EXPECT_EQ(c.rect, m.box);
            EXPECT_EQ(c.brush.style, m.brush);
            EXPECT_EQ(c.brush.style == gfx::BrushStyle::Null || c.brush.color == kPoint, true);
        }
        if (c.kind == CallKind::Polygon) {
            EXPECT_EQ(c.brush, (gfx::Brush{gfx::BrushStyle::Solid, kPoint}));
        }
    }
    EXPECT_EQ(kinds, m.kinds);
    EXPECT_EQ(geometry, m.geometry);
}

using K = CallKind;
const gfx::Rect kBox{58, 98, 62, 102};
std::string markerName(const ::testing::TestParamInfo<MarkerCase>& c) {
    constexpr const char* kNames[] = {"None",         "EmptySquare", "SolidSquare", "EmptyDiamond",
                                      "SolidDiamond", "EmptyCircle", "SolidCircle", "X",
                                      "Cross"};
    return kNames[c.param.style];
}
INSTANTIATE_TEST_SUITE_P(
    AllStyles, Markers,
    ::testing::Values(
        MarkerCase{PS_EmptySquare,
                   {K::MoveTo, K::LineTo, K::LineTo, K::LineTo, K::LineTo},
                   {{{58, 98}, {62, 98}},
                    {{62, 98}, {62, 102}},
                    {{62, 102}, {58, 102}},
                    {{58, 102}, {58, 98}}},
                   {},
                   {}},
        MarkerCase{PS_SolidSquare, {K::Rectangle}, {}, kBox, gfx::BrushStyle::Solid},
        MarkerCase{PS_EmptyDiamond,
                   {K::MoveTo, K::LineTo, K::LineTo, K::LineTo, K::LineTo},
                   {{{60, 98}, {62, 100}},
                    {{62, 100}, {60, 102}},
                    {{60, 102}, {58, 100}},
                    {{58, 100}, {60, 98}}},
                   {},
                   {}},
        MarkerCase{
            PS_SolidDiamond, {K::Polygon}, {{{60, 98}, {62, 100}, {60, 102}, {58, 100}}}, {}, {}},
        MarkerCase{PS_EmptyCircle, {K::Ellipse}, {}, kBox, gfx::BrushStyle::Null},
        MarkerCase{PS_SolidCircle, {K::Ellipse}, {}, kBox, gfx::BrushStyle::Solid},
        MarkerCase{PS_X,
                   {K::MoveTo, K::LineTo, K::MoveTo, K::LineTo},
                   {{{58, 98}, {62, 102}}, {{62, 98}, {58, 102}}},
                   {},
                   {}},
        MarkerCase{PS_Cross,
                   {K::MoveTo, K::LineTo, K::MoveTo, K::LineTo},
                   {{{58, 100}, {62, 100}}, {{60, 98}, {60, 102}}},
                   {},
                   {}},
        MarkerCase{PS_None, {}, {}, {}, {}}),
    markerName);

TEST_F(TraceTest, TheChartBreaksTheLineAtASkippedPointAndTheGraphBridgesIt) {
    drawPoints({{10, 5}, {30, 50}, {60, 2}});
    EXPECT_EQ(linesIn(kLine).size(), 1U);  // only the first point's own

    canvas_.clear();
    drawPoints({{10, 50}, {30, 5}, {60, 2}}, 10, 0, PreviousPoint::DrawnOnly);
    EXPECT_EQ(linesIn(kLine), (std::vector<Points>{{{30, 70}, {30, 70}}, {{30, 70}, {60, 100}}}));
    canvas_.clear();
    drawPoints({{10, 5}, {30, 50}, {60, 2}}, 10, 0, PreviousPoint::DrawnOnly);
    EXPECT_EQ(linesIn(kLine).back(), (Points{{10, 70}, {60, 100}}));
}

}  // namespace
}  // namespace brennix::chart

// Thousands of points in a few columns: held column runs must paint exactly
// what one line per point paints.

namespace brennix::chart {
namespace {

constexpr gfx::Rect kDenseBand{4, 10, 60, 70};
constexpr gfx::ColorRef kCrossing = gfx::rgb(0, 0, 200);

struct DensePoint {
    int x;
    double value;
    bool crossLine;  // another colour drawn over the column before this point
};

std::vector<DensePoint> densePoints(std::mt19937& rng) {
    std::uniform_real_distribution<double> value(-2.0, 12.0);  // some out of band
    std::uniform_int_distribution<int> perColumn(0, 40);
    std::bernoulli_distribution steady(0.3);
    std::bernoulli_distribution cross(0.02);
    std::vector<DensePoint> points;
    double last = 5.0;
    for (int x = kDenseBand.left; x < kDenseBand.right; x += 1 + static_cast<int>(rng() % 3)) {
        for (int i = perColumn(rng); i >= 0; --i) {
            last = steady(rng) ? last : value(rng);
            points.push_back({x, last, cross(rng)});
        }
    }
    return points;
}

gfx::Bitmap paint(const PlotStyle& style, const std::vector<DensePoint>& points, bool batch) {
    gfx::RasterCanvas canvas({70, 80});
    TracePainter painter(canvas, kDenseBand, style,
                         YScale(10, 0, kDenseBand.top, kDenseBand.bottom));
    painter.batchColumns(batch);
    for (const DensePoint& p : points) {
        if (p.crossLine) {
            painter.flush();
            const gfx::Pen old = canvas.selectPen({gfx::PenStyle::Solid, 2, kCrossing});
            canvas.moveTo({p.x, kDenseBand.top});
            canvas.lineTo({p.x, kDenseBand.bottom});
            canvas.selectPen(old);
        }
        painter.point(p.x, p.value);
    }
    painter.flush();
    return canvas.bitmap();
}

TEST(ColumnBatching, PaintsTheSamePixelsAsALinePerPointInEveryStyle) {
    std::mt19937 rng(8122026);
    for (int round = 0; round < 300; ++round) {
        PlotStyle style;
        style.LineColor = kLine;
        style.LineStyle = static_cast<std::int16_t>(round % 3);
        style.LineWidth = static_cast<std::int16_t>(round % 5 == 0 ? 3 : round % 2);
        style.Interp = static_cast<std::int16_t>(round % 7 == 0 ? IP_XY : IP_Direct);
        style.PointStyle = static_cast<std::int16_t>(round % 11 == 0 ? 1 : 0);
        style.FillBase = round % 13 == 0 ? std::int16_t{FB_Zero} : style.FillBase;
        const auto points = densePoints(rng);
        ASSERT_TRUE(paint(style, points, true) == paint(style, points, false))
            << "round " << round << " with " << points.size() << " points";
    }
}

}  // namespace
}  // namespace brennix::chart
