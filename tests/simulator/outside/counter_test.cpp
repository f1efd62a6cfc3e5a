#include <gmock/gmock.h>

#include "outside/fenq.h"
#include "outside/kilp.h"
#include "outside/nilb.h"
#include "simulator/outside/return_codes.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

class Counters : public OutsideTest {
  protected:
    std::int32_t nilbRead(std::int32_t counter) {
        std::int32_t count = -1;
        EXPECT_EQ(W_Nilb_Timer_Read(counter, &count), 0);
        return count;
    }
};

TEST_F(Counters, CountDownFromThePresetAsVirtualTimePasses) {
    ASSERT_EQ(W_Nilb_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Nilb_Timer_Start(2, 0, 1000), 0);
    EXPECT_EQ(nilbRead(2), 1000);
    advanceMilliseconds(250);
    EXPECT_EQ(nilbRead(2), 750);
    advanceMilliseconds(750);
    EXPECT_EQ(nilbRead(2), 0);
    advanceMilliseconds(1);
    EXPECT_EQ(nilbRead(2), 0xFFFF) << "a one-shot count wraps through 0xFFFF";
}

TEST_F(Counters, StopFreezesTheCountAndReportsIt) {
    ASSERT_EQ(W_Kilp_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Kilp_Timer_Start(1, 0, 500), 0);
    advanceMilliseconds(120);
    std::int32_t stopped = 0;
    ASSERT_EQ(W_Kilp_Timer_Stop(1, &stopped), 0);
    EXPECT_EQ(stopped, 380);
    advanceMilliseconds(100);
    std::int32_t later = 0;
    ASSERT_EQ(W_Kilp_Timer_Read(1, &later), 0);
    EXPECT_EQ(later, 380);
}

TEST_F(Counters, SquareWaveAndRateModesReloadEachPeriod) {
    ASSERT_EQ(W_Kilp_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Kilp_Timer_Start(0, 3, 100), 0);
    advanceMilliseconds(250);
    std::int32_t count = 0;
    ASSERT_EQ(W_Kilp_Timer_Read(0, &count), 0);
    EXPECT_EQ(count, 50);
}

TEST_F(Counters, EachCounterCountsOnItsOwn) {
    ASSERT_EQ(W_Nilb_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Nilb_Timer_Start(0, 0, 100), 0);
    advanceMilliseconds(40);
    ASSERT_EQ(W_Nilb_Timer_Start(1, 0, 100), 0);
    advanceMilliseconds(10);
    EXPECT_EQ(nilbRead(0), 50);
    EXPECT_EQ(nilbRead(1), 90);
}

TEST_F(Counters, CountAtTheBoardClockSetForThem) {
    ASSERT_EQ(W_Nilb_Initial(0, 0x300), 0);
    ASSERT_TRUE(board(Library::Nilb).setCounterClock(1000000));
    ASSERT_EQ(W_Nilb_Timer_Start(0, 0, 0), 0);
    advanceMilliseconds(1);
    EXPECT_EQ(nilbRead(0), 65536 - 1000) << "a preset of 0 counts from 65536";
    EXPECT_FALSE(board(Library::Nilb).setCounterClock(0));
}

TEST_F(Counters, FenqHasOneCounterWithoutACounterArgument) {
    ASSERT_EQ(W_Fenq_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Fenq_TIMER_Start(0, 300), 0);
    advanceMilliseconds(30);
    std::int32_t count = 0;
    ASSERT_EQ(W_Fenq_TIMER_Read(&count), 0);
    EXPECT_EQ(count, 270);
    ASSERT_EQ(W_Fenq_TIMER_Stop(&count), 0);
    EXPECT_EQ(count, 270);
    EXPECT_EQ(journal().lines().back(), "W_Fenq_TIMER_Stop() -> 270 = 0");
}

TEST_F(Counters, RefuseCountersModesAndPresetsTheChipHasNot) {
    ASSERT_EQ(W_Kilp_Initial(0, 0x300), 0);
    EXPECT_EQ(W_Kilp_Timer_Start(3, 0, 1), code::kBadCounter);
    EXPECT_EQ(W_Kilp_Timer_Start(0, 6, 1), code::kBadCounterMode);
    EXPECT_EQ(W_Kilp_Timer_Start(0, 0, 65536), code::kBadCounterValue);
    EXPECT_EQ(W_Kilp_Timer_Start(0, 0, -1), code::kBadCounterValue);
    std::int32_t count = 0;
    EXPECT_EQ(W_Kilp_Timer_Read(-1, &count), code::kBadCounter);
    ASSERT_EQ(W_Fenq_Initial(0, 0x300), 0);
    EXPECT_EQ(W_Fenq_TIMER_Start(-1, 10), code::kBadCounterMode);
}

}  // namespace
}  // namespace brennix::outside
