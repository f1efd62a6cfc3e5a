#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "chart/history/chart_x_axis.h"
#include "chart/history/visible_trace.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

using testing::feed;
using testing::initialised;

std::vector<TracePoint> pointsOf(const ChartHistory& history, int plot = 0) {
    std::vector<TracePoint> points;
    forEachTracePoint(history, plot, [&points](const TracePoint& p) { points.push_back(p); });
    return points;
}

class VisibleWindow : public ::testing::Test {};

TEST_F(VisibleWindow, StripShowsUpToTheNextFreeCellThenEndsWithTheNewestSample) {
    ChartHistory history = initialised(2, UM_Strip, 100);  // rings of 512
    int fed = 0;
    feed(history, 50, fed);
    auto points = pointsOf(history, 1);
    ASSERT_EQ(points.size(), 51U);
    EXPECT_EQ(points[49].value, 1049.0);
    EXPECT_EQ(points[50].value, EmptySample);

    feed(history, 550, fed);
    points = pointsOf(history, 1);
    ASSERT_EQ(points.size(), 101U);
    EXPECT_EQ(points.front().position, history.startNum());
    EXPECT_EQ(points.front().value, 1000.0 + 499);
    EXPECT_EQ(points.back().value, 1000.0 + 599);
}

TEST_F(VisibleWindow, ScopePageFillsFromTheLeftAndStopsAtTheNextFreeCell) {
    ChartHistory history = initialised(1, UM_Scope, 100);
    int fed = 0;
    feed(history, 150, fed);
    const auto points = pointsOf(history);
    ASSERT_EQ(points.size(), 50U);
    EXPECT_EQ(points.front().position, 100);
    EXPECT_EQ(points.front().value, 100.0);
    EXPECT_EQ(points.back().value, 149.0);
}

TEST_F(VisibleWindow, SweepShowsThePreviousPageBehindTheCursor) {
    ChartHistory history = initialised(1, UM_Sweep, 100);
    int fed = 0;
    feed(history, 150, fed);
    const VisibleTrace trace = visibleTrace(history, 0);
    EXPECT_EQ(trace.cursor, (CursorTrain{149, 1024, 1}));
    ASSERT_EQ(trace.runCount, 2);
    EXPECT_EQ(trace.runs()[0], (TraceRun{100, 50, 100, false}));
    EXPECT_EQ(trace.runs()[1], (TraceRun{150, 51, 50, true}));

    const auto points = pointsOf(history);
    ASSERT_EQ(points.size(), 101U);
    EXPECT_TRUE(points[49].cursorHere);
    // The old trace picks up from its own neighbour, not from the cursor.
    EXPECT_EQ(points[50].value, 50.0);
    EXPECT_EQ(points[50].previousValue, 49.0);
    EXPECT_FALSE(points[51].previousValue.has_value());

    history.setStartNum(100);  // the host restarts the sweep: nothing behind the cursor
    EXPECT_EQ(visibleTrace(history, 0).pointCount(), 50);
    EXPECT_EQ(visibleTrace(history, 0).cursor.count, 1);
}

TEST_F(VisibleWindow, ClearedChartDrawsNoTraceDespiteFullRings) {
    ChartHistory history = initialised(1, UM_Sweep, 100);
    int fed = 0;
    feed(history, 2000, fed);
    EXPECT_EQ(visibleTrace(history, 1).pointCount(), 0);  // beyond PlotNum
    history.clearCharts();
    EXPECT_EQ(visibleTrace(history, 0).pointCount(), 0);
    feed(history, 1, fed);
    // Only the one sample since the clear may show, wherever the pages put it.
    for (const auto& point : pointsOf(history)) {
        if (point.value != 2000.0) {
            EXPECT_EQ(point.value, EmptySample) << "position " << point.position;
        }
    }
}

TEST_F(VisibleWindow, HugeWindowIsDescribedWithoutWalkingIt) {
    ChartHistory history = initialised(1, 3, std::numeric_limits<std::int32_t>::max());
    int fed = 0;
    feed(history, 10, fed);
    const VisibleTrace trace = visibleTrace(history, 0);
    EXPECT_EQ(trace.pointCount(), std::int64_t{1} << 31);
    EXPECT_EQ(trace.runs()[0].cellAt(1024 * 5 + 7, 1024), 7);
}

class XPlacement : public ::testing::Test {};

TEST_F(XPlacement, WindowSpansTheBandWithTruncatingStepsForAnyViewNum) {
    const ChartXAxis axis(10, 810, 200, 100);
    EXPECT_EQ(axis.x(250), 410);
    EXPECT_EQ(axis.x(5000), 810);
    EXPECT_EQ(ChartXAxis(0, 100, 0, 3).x(1), 33);
    EXPECT_EQ(axis.firstPositionAtOrRightOf(411), 251);
    EXPECT_EQ(axis.firstPositionAtOrRightOf(811), 301);

    const std::int32_t view = std::numeric_limits<std::int32_t>::max();
    const ChartXAxis widest(0, 1920, 5, view);
    EXPECT_EQ(widest.x(5 + std::int64_t{view}), 1920);
    EXPECT_EQ(widest.x(5 + std::int64_t{view} / 2), 959);
    EXPECT_EQ(widest.x(widest.firstPositionAtOrRightOf(960)), 960);
}

}  // namespace
}  // namespace brennix::chart
