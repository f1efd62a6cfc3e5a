#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "drivers/senu/senu.h"
#include "drivers/senu/senu_library.h"
#include "simulator/simulator.h"
#include "tests/drivers/common/run_polling.h"

namespace brennix::drivers::testing {
namespace {

constexpr hw::PortAddress kBase = 0x280;

TEST(SenuOnTheSimulator, AnInterruptRunEndsWithoutTheTimeOutAndHoldsTheSignal) {
    sim::SimulatorConfig config;
    sim::BoardConfig board = sim::makeBoard(sim::BoardType::Senu, kBase);
    board.channels[6] = {sim::Waveform::Ramp, 4.0, 0.0, 20.0};
    config.boards = {board};
    sim::ScopedSimulator machine(config);
    ASSERT_EQ(senu::reload(), 1);
    ASSERT_EQ(W_Senu_Initial(0, kBase), 0);

    std::vector<std::int16_t> buffer(1000, -1);
    ASSERT_EQ(W_Senu_AD_INT_Start(6, 0, 7, 1000, buffer.data(), 10, 20), 0);
    PollOutcome outcome = pollUntilDone(W_Senu_AD_INT_Status);
    std::int32_t count = 0;
    ASSERT_EQ(W_Senu_AD_INT_Stop(&count), 0);
    EXPECT_TRUE(outcome.finished);
    EXPECT_LT(outcome.elapsedMilliseconds, 1000U);
    EXPECT_EQ(count, 1000);
    // 100 ms of a 20 Hz ramp: two sweeps over most of the code range.
    auto [low, high] = std::minmax_element(buffer.begin(), buffer.end());
    EXPECT_GE(*low, 0);
    EXPECT_LT(*low, 600);
    EXPECT_GT(*high, 3500);
    EXPECT_LE(*high, 4095);
    EXPECT_EQ(machine.simulator().masterMask(), 0xB8);
}

}  // namespace
}  // namespace brennix::drivers::testing
