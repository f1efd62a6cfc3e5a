#include <gmock/gmock.h>

#include "outside/ubrix.h"
#include "simulator/outside/return_codes.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

class UbrixBlockRun : public OutsideTest {
  protected:
    void SetUp() override { ASSERT_EQ(_ubri_initial(), 0); }
};

TEST_F(UbrixBlockRun, InterruptStatusRunsUntilTheBlockIsCompleteThenStopReportsTheCount) {
    ASSERT_TRUE(board(Library::Ubrix).armRun(RunKind::Interrupt, 1000, 10000));
    std::int32_t running = -1;
    std::int32_t count = -1;
    advanceMilliseconds(50);
    ASSERT_EQ(_ubri_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 1);
    EXPECT_EQ(count, 500);
    advanceMilliseconds(60);
    ASSERT_EQ(_ubri_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 0);
    EXPECT_EQ(count, 1000);
    std::int32_t delivered = 0;
    ASSERT_EQ(_ubri_AD_INT_Stop(&delivered, 0), 0);
    EXPECT_EQ(delivered, 1000);
    EXPECT_EQ(journal().lines().back(), "_ubri_AD_INT_Stop(0) -> 1000 = 0");
}

TEST_F(UbrixBlockRun, StopBeforeCompletionReportsWhatWasGatheredAndEndsTheRun) {
    ASSERT_TRUE(board(Library::Ubrix).armRun(RunKind::Dma, 100, 1000));
    advanceMilliseconds(30);
    std::int32_t delivered = 0;
    ASSERT_EQ(_ubri_AD_DMA_Stop(&delivered, 5), 0);
    EXPECT_EQ(delivered, 30);
    std::int32_t running = -1;
    std::int32_t count = -1;
    ASSERT_EQ(_ubri_AD_DMA_Status(&running, &count), 0);
    EXPECT_EQ(running, 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(journal().callsTo("_ubri_AD_DMA_Stop")[0].arguments, (std::vector<std::int64_t>{5}));
}

TEST_F(UbrixBlockRun, StatusOfTheOtherTransferSeesNothingRunning) {
    ASSERT_TRUE(board(Library::Ubrix).armRun(RunKind::Dma, 100, 1000));
    std::int32_t running = -1;
    std::int32_t count = -1;
    ASSERT_EQ(_ubri_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 0);
    std::int32_t delivered = -1;
    ASSERT_EQ(_ubri_AD_INT_Stop(&delivered, 0), 0);
    EXPECT_EQ(delivered, 0);
    ASSERT_EQ(_ubri_AD_DMA_Status(&running, &count), 0);
    EXPECT_EQ(running, 1) << "the interrupt stop left the DMA run alone";
}

TEST_F(UbrixBlockRun, StopRefusesAnInterruptLineBeyondFifteen) {
    std::int32_t delivered = 9;
    EXPECT_EQ(_ubri_AD_INT_Stop(&delivered, 16), code::kBadIrq);
    EXPECT_EQ(delivered, 9);
    EXPECT_FALSE(board(Library::Ubrix).armRun(RunKind::Interrupt, 10, 0));
}

}  // namespace
}  // namespace brennix::outside
