// Whole Chart paints: one block onto the target, traces only with data,
// bands per plot, the sweep cursor, and windows of any ViewNum.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "chart/history/chart_x_axis.h"
#include "chart/render/chart_paint.h"
#include "chart/render/chart_trace.h"
#include "platform/gfx/raster_canvas.h"
#include "platform/gfx/recording_canvas.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

using gfx::CallKind;

const gfx::FixedTextMeasure kMeasure{{10, 8, 2, 10, 6}, 6};

// Plot p gets the value p + 1 + fed / 100, so every trace lies inside 0 .. 10.
void feedSlow(ChartHistory& history, int samples, int& fed) {
    for (int i = 0; i < samples; ++i, ++fed) {
        std::array<double, ChartHistory::kMaxPlots> row{};
        for (std::size_t p = 0; p < row.size(); ++p) {
            row[p] = static_cast<double>(p) + 1 + fed / 100.0;
        }
        (void)history.plotCharts(std::span<const double>(row));
    }
}

class ChartPaintTest : public ::testing::Test {
  protected:
    ChartPaintTest() {
        for (std::size_t p = 0; p < plots_.size(); ++p) {
            plots_[p].LineColor = gfx::rgb(100, static_cast<std::uint8_t>(p), 0);
        }
    }

    // LineTo calls of plot p's line colour.
    std::vector<gfx::RecordedCall> linesOf(std::size_t p) const {
        std::vector<gfx::RecordedCall> out;
        for (const auto& c : canvas_.callsOf(CallKind::LineTo)) {
            if (c.pen.color == plots_[p].LineColor) {
                out.push_back(c);
            }
        }
        return out;
    }

    ChartAppearance a_;
    PlotStyles plots_;
    gfx::RecordingCanvas canvas_{{314, 226}, kMeasure};
    int fed_ = 0;
};

TEST_F(ChartPaintTest, APaintReachesTheTargetAsOneBlockCopyOfAnOffScreenFrame) {
    ChartHistory history = testing::initialised(1, UM_Strip, 100);
    feedSlow(history, 20, fed_);
    const gfx::Rect bounds{5, 7, 205, 157};
    paintChart(canvas_, bounds, a_, plots_, history);
    ASSERT_EQ(canvas_.calls().size(), 1U);
    const auto& copy = canvas_.calls()[0];
    EXPECT_EQ(copy.kind, CallKind::BlockCopy);
    EXPECT_EQ(copy.rect, bounds);
    EXPECT_EQ(copy.points, (std::vector<gfx::Point>{{0, 0}}));
    // The frame was drawn at the off-screen surface's origin.
    ASSERT_GT(copy.source.size(), 2U);
    EXPECT_EQ(copy.source[1].points, (std::vector<gfx::Point>{{0, 150}, {0, 0}}));
}

TEST_F(ChartPaintTest, AClearedChartShowsNoTraceThoughItsRingsStillHoldValues) {
    ChartHistory history = testing::initialised(2, UM_Strip, 100);
    feedSlow(history, 30, fed_);
    drawChart(canvas_, {0, 0, 314, 226}, a_, plots_, history);
    EXPECT_EQ(linesOf(0).size(), 30U);
    EXPECT_TRUE(linesOf(1).empty()) << "PlotNum 1 draws plot 1 only";

    a_.PlotNum = 2;
    canvas_.clear();
    drawChart(canvas_, {0, 0, 314, 226}, a_, plots_, history);
    EXPECT_EQ(linesOf(1).size(), 30U);

    history.clearCharts();
    canvas_.clear();
    drawChart(canvas_, {0, 0, 314, 226}, a_, plots_, history);
    EXPECT_TRUE(linesOf(0).empty());
    EXPECT_TRUE(linesOf(1).empty());
    EXPECT_FALSE(canvas_.callsOf(CallKind::TextOut).empty()) << "axes and labels stay";
}

TEST_F(ChartPaintTest, OverlaidPlotsPaintOneAfterAnother) {
    a_.PlotNum = 3;
    ChartHistory history = testing::initialised(3, UM_Strip, 100);
    feedSlow(history, 10, fed_);
    drawChart(canvas_, {0, 0, 314, 226}, a_, plots_, history);
    const auto& calls = canvas_.calls();
    int lastPlot = 0;
    for (const auto& c : calls) {
        for (int p = 0; p < 3; ++p) {
            if (c.kind == CallKind::LineTo &&
                c.pen.color == plots_[static_cast<std::size_t>(p)].LineColor) {
                EXPECT_GE(p, lastPlot);
                lastPlot = p;
            }
        }
    }
    EXPECT_EQ(lastPlot, 2);
}

TEST_F(ChartPaintTest, StackedPlotsStayInsideTheirOwnBands) {
    a_.PlotNum = 4;
    a_.PlotMode = PM_Stacked;
    ChartHistory history = testing::initialised(4, UM_Strip, 100);
    feedSlow(history, 50, fed_);
    const AxesLayout layout = drawChart(canvas_, {0, 0, 314, 226}, a_, plots_, history);
    const auto bands = stackedBands(layout.plotArea, 4);
    for (std::size_t p = 0; p < 4; ++p) {
        const auto lines = linesOf(p);
        ASSERT_EQ(lines.size(), 50U);
        for (const auto& line : lines) {
            for (const auto& pt : line.points) {
                EXPECT_GE(pt.y, bands[p].top);
                EXPECT_LE(pt.y, bands[p].bottom);
            }
        }
    }
}

TEST_F(ChartPaintTest, TheSweepCursorStandsAtTheNewestSampleAcrossTheBand) {
    ChartHistory history = testing::initialised(1, UM_Sweep, 10);
    feedSlow(history, 15, fed_);  // the window jumped to 10 at the 12th sample
    ASSERT_EQ(history.startNum(), 10);
    const gfx::Rect band{20, 30, 120, 80};
    drawChartTrace(canvas_, band, plots_[0], history, 0, 10, 0);
    std::vector<gfx::RecordedCall> cursors;
    for (const auto& c : canvas_.callsOf(CallKind::LineTo)) {
        if (c.pen == gfx::Pen{gfx::PenStyle::Solid, 2, gfx::rgb(255, 0, 0)}) {
            cursors.push_back(c);
        }
    }
    ASSERT_EQ(cursors.size(), 1U);
    // Sample 15 is position 14 of the page 10 .. 20: x = 20 + 4 * 100 / 10.
    EXPECT_EQ(cursors[0].points, (std::vector<gfx::Point>{{60, 30}, {60, 80}}));
}

// A history whose window holds far more positions than the band has columns.
ChartHistory crowded(std::int16_t mode, std::int32_t viewNum, int samples) {
    ChartHistory history = testing::initialised(8, mode, viewNum);  // rings of 128
    for (int i = 0; i < samples; ++i) {
        std::array<double, ChartHistory::kMaxPlots> row{};
        row[0] = 5 + 6 * std::sin(i * 0.37);  // leaves the scale now and then
        (void)history.plotCharts(std::span<const double>(row));
    }
    return history;
}

PlotStyle busyStyle() {
    PlotStyle s;
    s.LineStyle = LS_Dot;
    s.FillBase = FB_Zero;
    s.PointStyle = PS_SolidCircle;
    s.Interp = IP_YX;
    return s;
}

TEST(CrowdedWindows, DrawTheSamePixelsAsVisitingEveryPosition) {
    const gfx::Rect band{3, 4, 43, 64};
    for (const auto& history : {crowded(UM_Sweep, 60000, 128 + 98 + 9), crowded(3, 40000, 300),
                                crowded(UM_Scope, 5000, 200)}) {
        gfx::RasterCanvas fast({50, 70});
        gfx::RasterCanvas slow({50, 70});
        gfx::RecordingCanvas fastCalls({50, 70}, kMeasure);
        gfx::RecordingCanvas slowCalls({50, 70}, kMeasure);
        drawChartTrace(fast, band, busyStyle(), history, 0, 10, 0);
        drawChartTraceEveryPosition(slow, band, busyStyle(), history, 0, 10, 0);
        drawChartTrace(fastCalls, band, busyStyle(), history, 0, 10, 0);
        drawChartTraceEveryPosition(slowCalls, band, busyStyle(), history, 0, 10, 0);
        EXPECT_EQ(fast.bitmap(), slow.bitmap()) << "mode " << history.updateMode();
        EXPECT_FALSE(slowCalls.callsOf(CallKind::Ellipse).empty());
        if (history.updateMode() != UM_Scope) {
            EXPECT_LT(fastCalls.calls().size() * 4, slowCalls.calls().size());
        }
    }
}

TEST(CrowdedWindows, TheLargestViewNumCostsNoMoreThanTheBandAndTheRingsCanShow) {
    const ChartHistory history = crowded(3, 2147483647, 300);
    gfx::RecordingCanvas canvas({50, 70}, kMeasure);
    const gfx::Rect band{3, 4, 43, 64};
    drawChartTrace(canvas, band, busyStyle(), history, 0, 10, 0);
    // At most a ring's worth of points in each of the 41 columns, a handful
    // of calls each.
    EXPECT_LE(canvas.calls().size(), 41U * 129U * 8U);
    EXPECT_FALSE(canvas.calls().empty());
}

// Rings of 128 fed with a wandering trace that jumps now and then and
// sometimes leaves the scale, so columns hold gaps, steps and breaks.
ChartHistory wandering(std::int16_t mode, std::int32_t viewNum, int samples, unsigned seed) {
    ChartHistory history = testing::initialised(8, mode, viewNum);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> step(-0.4, 0.4);
    std::uniform_int_distribution<int> event(0, 19);
    double value = 5;
    for (int i = 0; i < samples; ++i) {
        std::array<double, ChartHistory::kMaxPlots> row{};
        const int e = event(random);
        value = e == 0 ? value + 4 * step(random) : std::clamp(value + step(random), -1.0, 11.0);
        row[0] = e == 1 ? 25.0 : value;
        (void)history.plotCharts(std::span<const double>(row));
    }
    return history;
}

TEST(CrowdedWindows, ThinLinesDrawTheSamePixelsAsVisitingEveryPositionInEveryMode) {
    const std::array<gfx::Rect, 3> bands{{{3, 4, 43, 64}, {0, 10, 29, 17}, {5, 0, 45, 69}}};
    PlotStyle thin;
    thin.LineColor = gfx::rgb(10, 200, 30);
    unsigned seed = 1;
    for (const std::int16_t mode : {std::int16_t{UM_Sweep}, std::int16_t{UM_Strip},
                                    std::int16_t{UM_Scope}, std::int16_t{3}}) {
        // First sweep, the page just turned, several pages on; windows of
        // full columns, of columns just over a ring and of the widest kind.
        for (const int samples : {90, 128, 129, 128 * 3 + 57, 128 * 9 + 1}) {
            for (const std::int32_t view : {20011, 5300}) {
                const ChartHistory history = wandering(mode, view, samples, seed++);
                for (const gfx::Rect& band : bands) {
                    for (const auto& [max, min] : {std::pair{10.0, 0.0}, std::pair{0.0, 10.0}}) {
                        thin.LineWidth = static_cast<std::int16_t>(seed % 2);
                        gfx::RasterCanvas fast({50, 70});
                        gfx::RasterCanvas slow({50, 70});
                        drawChartTrace(fast, band, thin, history, 0, max, min);
                        drawChartTraceEveryPosition(slow, band, thin, history, 0, max, min);
                        ASSERT_EQ(fast.bitmap(), slow.bitmap())
                            << "mode " << mode << ", " << samples << " samples, ViewNum " << view
                            << ", band from row " << band.top << ", max " << max;
                    }
                }
            }
        }
    }
}

TEST(CrowdedWindows, ThinLinesAtTheLargestViewNumTakeAFewCallsAColumn) {
    const ChartHistory history = wandering(UM_Sweep, 2147483647, 128 * 5 + 31, 7);
    gfx::RecordingCanvas canvas({50, 70}, kMeasure);
    drawChartTrace(canvas, {3, 4, 43, 64}, PlotStyle{}, history, 0, 10, 0);
    const auto lines = canvas.callsOf(CallKind::LineTo);
    // Every column shows the cursor and some of the trace.
    EXPECT_GE(lines.size(), 41U * 2U);
    EXPECT_LE(canvas.calls().size(), 41U * 64U);
}

}  // namespace
}  // namespace brennix::chart
