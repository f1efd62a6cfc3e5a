#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "chart/history/chart_history.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

using ::testing::ElementsAre;
using testing::feed;
using testing::initialised;

class RingLifecycle : public ::testing::Test {};

TEST_F(RingLifecycle, ThreePlotsShareHistoryLengthInRingsOf341Cells) {
    ChartHistory history = initialised(3, UM_Strip, 100);
    EXPECT_EQ(history.ringLength(), 341);
    for (int p = 0; p < 3; ++p) {
        ASSERT_NE(history.ring(p), nullptr);
        EXPECT_EQ(history.ring(p)->length(), 341);
        EXPECT_EQ(history.ring(p)->at(340), EmptySample);
    }
    EXPECT_EQ(history.ring(3), nullptr);
    EXPECT_TRUE(history.firstSweep());
}

TEST_F(RingLifecycle, SecondInitAndSecondReleaseComplainOncePerPlot) {
    ChartHistory history = initialised(2, UM_Strip, 100);
    EXPECT_THAT(history.initControl(), ElementsAre(kAlreadyAllocated, kAlreadyAllocated));
    EXPECT_TRUE(history.releaseControl().empty());
    EXPECT_EQ(history.ring(0), nullptr);
    EXPECT_THAT(history.releaseControl(), ElementsAre(kAlreadyReleased, kAlreadyReleased));
}

TEST_F(RingLifecycle, FailedAllocationLeavesNoRingAndNoMessage) {
    int calls = 0;
    ChartHistory history([&calls](std::int32_t length) -> std::optional<PlotRing> {
        return ++calls == 3 ? std::nullopt : PlotRing::allocate(length);
    });
    history.setPlotNum(4);
    EXPECT_TRUE(history.initControl().empty());
    for (int p = 0; p < ChartHistory::kMaxPlots; ++p) {
        EXPECT_EQ(history.ring(p), nullptr) << "plot " << p;
    }
    EXPECT_FALSE(history.ringsReady());
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
    EXPECT_EQ(history.lastCount(), 0);
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
    EXPECT_EQ(history.oldestIndex(), -1);
    EXPECT_FALSE(history.hasData());

    history.setPlotNum(3);  // plots 2 and 3 have never been given a ring
    EXPECT_THAT(history.resetControl(), ElementsAre(kNotInitialized, kNotInitialized));
}

TEST_F(RingLifecycle, SamplesBeforeInitAreDroppedWithAMessage) {
    ChartHistory history;
    const std::array<double, 1> row{5.0};
    EXPECT_THAT(history.plotCharts(std::span<const double>(row)), ElementsAre(kNotInitialized));
    EXPECT_TRUE(history.empty());
    EXPECT_TRUE(history.hasData());
}

TEST_F(RingLifecycle, RingsSizedForOtherPropertiesAreNeverWritten) {
    ChartHistory history = initialised(1, UM_Strip, 100);
    int fed = 0;
    feed(history, 700, fed);
    history.setPlotNum(2);  // rings of 512 wanted, one ring of 1024 held
    const std::array<double, 2> row{1.0, 2.0};
    EXPECT_THAT(history.plotCharts(std::span<const double>(row)), ElementsAre(kNotInitialized));
    EXPECT_EQ(history.writeIndex(), 700);

    // Sized anew: the old indices point past the new rings, so the window restarts.
    EXPECT_THAT(history.releaseControl(), ElementsAre(kAlreadyReleased));
    EXPECT_TRUE(history.initControl().empty());
    EXPECT_TRUE(history.plotCharts(std::span<const double>(row)).empty());
    EXPECT_EQ(history.writeIndex(), 1);
    EXPECT_EQ(history.ring(1)->at(0), 2.0);
}

}  // namespace
}  // namespace brennix::chart
