#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <span>

#include "chart/history/chart_history.h"
#include "chart/history/visible_trace.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

using ::testing::ElementsAre;
using testing::feed;
using testing::initialised;

class RingLifecycle : public ::testing::Test {
  protected:
    const std::array<double, 2> row_{1.0, 2.0};
    std::span<const double> row() const { return row_; }
};

TEST_F(RingLifecycle, ThreePlotsShareHistoryLengthInEmptyRingsOf341Cells) {
    ChartHistory history = initialised(3, UM_Strip, 100);
    ASSERT_NE(history.ring(2), nullptr);
    EXPECT_EQ(history.ring(2)->length(), 341);
    EXPECT_EQ(history.ring(2)->at(340), EmptySample);
    EXPECT_EQ(history.ring(3), nullptr);
}

TEST_F(RingLifecycle, SecondInitAndSecondReleaseComplainOncePerPlot) {
    ChartHistory history = initialised(2, UM_Strip, 100);
    EXPECT_THAT(history.initControl(), ElementsAre(kAlreadyAllocated, kAlreadyAllocated));
    EXPECT_TRUE(history.releaseControl().empty());
    EXPECT_THAT(history.releaseControl(), ElementsAre(kAlreadyReleased, kAlreadyReleased));
}

TEST_F(RingLifecycle, FailedAllocationLeavesNoRingAndNoMessage) {
    int calls = 0;
    ChartHistory history([&calls](std::int32_t length) -> std::optional<PlotRing> {
        return ++calls == 3 ? std::nullopt : PlotRing::allocate(length);
    });
    history.setPlotNum(4);
    EXPECT_TRUE(history.initControl().empty());
    EXPECT_EQ(history.ring(0), nullptr);
    EXPECT_EQ(history.ring(1), nullptr);
}

TEST_F(RingLifecycle, ClearForgetsTheSamplesButKeepsTheCells) {
    ChartHistory history = initialised(1, UM_Strip, 100);
    int fed = 0;
    feed(history, 150, fed);
    history.clearCharts();
    EXPECT_FALSE(history.hasData());
    EXPECT_EQ(history.startNum(), 0);
    EXPECT_EQ(history.writeIndex(), 0);
    EXPECT_EQ(history.oldestIndex(), -1);
    EXPECT_EQ(history.ring(0)->at(149), 149.0);
    // A drawing never sees what was cleared, even once new samples arrive.
    feed(history, 1, fed);
    EXPECT_EQ(history.sampleAt(0, 0), 150.0);
    EXPECT_EQ(history.sampleAt(0, 1), EmptySample);
}

TEST_F(RingLifecycle, ResetEmptiesTheCellsAndComplainsAboutMissingRings) {
    ChartHistory history = initialised(1, UM_Scope, 100);
    int fed = 0;
    feed(history, 300, fed);
    EXPECT_TRUE(history.resetControl().empty());
    EXPECT_EQ(history.ring(0)->at(10), EmptySample);
    EXPECT_EQ(history.startNum(), 0);
    EXPECT_TRUE(history.empty());
    history.setPlotNum(3);
    EXPECT_THAT(history.resetControl(), ElementsAre(kNotInitialized, kNotInitialized));
}

TEST_F(RingLifecycle, SamplesThatNoRingCanTakeAreDroppedWithAMessage) {
    ChartHistory history;
    EXPECT_THAT(history.plotCharts(row()), ElementsAre(kNotInitialized));
    EXPECT_TRUE(history.empty());

    history = initialised(1, UM_Strip, 100);
    int fed = 0;
    feed(history, 700, fed);
    history.setPlotNum(2);  // rings of 512 wanted, one ring of 1024 held
    EXPECT_THAT(history.plotCharts(row()), ElementsAre(kNotInitialized));
    EXPECT_EQ(history.writeIndex(), 700);
    EXPECT_EQ(visibleTrace(history, 0).pointCount(), 0);  // nor read

    // Sized anew: the old indices point past the new rings, so the window restarts.
    EXPECT_THAT(history.releaseControl(), ElementsAre(kAlreadyReleased));
    EXPECT_TRUE(history.initControl().empty());
    EXPECT_TRUE(history.plotCharts(row()).empty());
    EXPECT_EQ(history.writeIndex(), 1);
    EXPECT_EQ(history.ring(1)->at(0), 2.0);
}

}  // namespace
}  // namespace brennix::chart
