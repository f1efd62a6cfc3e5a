#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <span>

#include "chart/history/chart_history.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

using testing::feed;
using testing::initialised;

class Appending : public ::testing::Test {};

TEST_F(Appending, ArrayWithoutDataBlockAddsNothingButCountsAsData) {
    ChartHistory history = initialised(2, UM_Strip, 100);
    EXPECT_TRUE(history.plotCharts(std::nullopt).empty());
    EXPECT_TRUE(history.hasData());
    EXPECT_TRUE(history.empty());
}

TEST_F(Appending, MissingElementsGiveZeroAndSurplusOnesAreIgnored) {
    ChartHistory history = initialised(3, UM_Strip, 100);
    const std::array<double, 5> five{1, 2, 3, 4, 5};
    (void)history.plotCharts(std::span<const double>(five.data(), 2));
    (void)history.plotCharts(std::span<const double>(five));
    (void)history.plotCharts(std::span<const double>(five.data(), 0));
    EXPECT_EQ(history.ring(2)->at(0), 0.0);
    EXPECT_EQ(history.ring(2)->at(1), 3.0);
    EXPECT_EQ(history.ring(0)->at(2), 0.0);  // a data block without elements
    EXPECT_EQ(history.writeIndex(), 3);
    EXPECT_EQ(history.lastCount(), 0);
}

TEST_F(Appending, FullRingsOverwriteTheOldestCell) {
    ChartHistory history = initialised(8, UM_Strip, 100);  // rings of 128
    int fed = 0;
    feed(history, 127, fed);
    EXPECT_FALSE(history.full());
    feed(history, 6, fed);
    EXPECT_EQ(history.writeIndex(), 5);
    EXPECT_EQ(history.oldestIndex(), 5);
    EXPECT_EQ(history.ring(7)->at(4), 7000.0 + 132);
}

class UpdateModes : public ::testing::Test {};

TEST_F(UpdateModes, StripScrollsOneSampleOnceThePageIsFull) {
    ChartHistory history = initialised(1, UM_Strip, 100);
    int fed = 0;
    feed(history, 101, fed);
    EXPECT_EQ(history.startNum(), 0);
    feed(history, 1, fed);
    EXPECT_EQ(history.startNum(), 1);
    feed(history, 921 + 1, fed);
    EXPECT_EQ(history.startNum(), 0 - 101 + 1024);  // full: newest sample at the right end
    feed(history, 150, fed);
    EXPECT_EQ(history.startNum(), 150 - 101);
    EXPECT_EQ(history.cycleCount(), 1);  // StartNum passed 1023 once
}

TEST_F(UpdateModes, ScopePagesWhenDataRunTwoPastTheRightEnd) {
    ChartHistory history = initialised(1, UM_Scope, 100);
    int fed = 0;
    feed(history, 101, fed);
    EXPECT_EQ(history.startNum(), 0);
    feed(history, 1, fed);
    EXPECT_EQ(history.startNum(), 100);
    feed(history, 999, fed);
    EXPECT_EQ(history.startNum(), 1000);
    feed(history, 1, fed);  // across the ring's wrap
    EXPECT_EQ(history.startNum(), 1100);
}

TEST_F(UpdateModes, ScopeCountsACycleOncePerPageNotOncePerSample) {
    ChartHistory history = initialised(1, UM_Scope, 1023);
    int fed = 0;
    feed(history, 1025, fed);
    EXPECT_EQ(history.startNum(), 1023);
    feed(history, 500, fed);
    EXPECT_EQ(history.cycleCount(), 1);
}

TEST_F(UpdateModes, SweepPagesLikeScopeAndEndsTheFirstSweep) {
    ChartHistory history = initialised(1, UM_Sweep, 100);
    int fed = 0;
    feed(history, 101, fed);
    EXPECT_TRUE(history.firstSweep());
    feed(history, 1, fed);
    EXPECT_EQ(history.startNum(), 100);
    EXPECT_FALSE(history.firstSweep());
    history.setStartNum(100);
    EXPECT_TRUE(history.firstSweep());
}

TEST_F(UpdateModes, OtherModeValuesLeaveTheWindowAlone) {
    ChartHistory history = initialised(1, 7, 100);
    int fed = 0;
    feed(history, 1500, fed);
    EXPECT_EQ(history.startNum(), 0);
}

class OverflowGuard : public ::testing::Test {};

TEST_F(OverflowGuard, PagingPastTheCeilingResetsTheHistory) {
    ChartHistory history = initialised(1, UM_Scope, 100);
    int fed = 0;
    feed(history, 1024, fed);
    history.setStartNum(2147483300);
    feed(history, 778, fed);  // (2147483300 + 102) mod 1024 = 778
    EXPECT_EQ(history.startNum(), 2147483400);
    feed(history, 100, fed);
    EXPECT_EQ(history.startNum(), 0);
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(history.ring(0)->at(5), EmptySample);

    // The top of StartNum's range resets rather than wrapping round.
    history.setViewNum(std::numeric_limits<std::int32_t>::max());
    feed(history, 1024, fed);
    history.setStartNum(std::numeric_limits<std::int32_t>::max());
    feed(history, 1, fed);
    EXPECT_TRUE(history.empty());
}

TEST_F(OverflowGuard, HugeWindowsStillCollectSamples) {
    ChartHistory history = initialised(1, UM_Strip, 1500000000);
    int fed = 0;
    feed(history, 300, fed);
    EXPECT_EQ(history.writeIndex(), 300);
    EXPECT_TRUE(history.hasData());
}

}  // namespace
}  // namespace brennix::chart
