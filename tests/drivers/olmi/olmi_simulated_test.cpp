#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"
#include "simulator/simulator.h"
#include "tests/drivers/common/run_polling.h"

namespace brennix::drivers::testing {
namespace {

constexpr hw::PortAddress kBase = 0x220;

sim::SimulatorConfig olmiMachine() {
    sim::SimulatorConfig config;
    sim::BoardConfig board = sim::makeBoard(sim::BoardType::Olmi, kBase);
    board.channels[12] = {sim::Waveform::Constant, 0.0, 0.9};
    config.boards = {board};
    return config;
}

TEST(OlmiOnTheSimulator, AnInterruptRunEndsWithoutTheTimeOutAndHoldsTheSignal) {
    sim::ScopedSimulator machine(olmiMachine());
    ASSERT_EQ(olmi::reload(), 1);
    ASSERT_EQ(W_Olmi_Initial(0, kBase), 0);
    std::vector<std::int16_t> buffer(1000, -1);
    // Gain 2 (times 4): 0.9 V of 1.25 V full scale.
    ASSERT_EQ(W_Olmi_AD_INT_Start(12, 2, 5, 1000, buffer.data(), 10, 20), 0);
    PollOutcome outcome = pollUntilDone(W_Olmi_AD_INT_Status);
    std::int32_t count = 0;
    ASSERT_EQ(W_Olmi_AD_INT_Stop(&count), 0);
    EXPECT_TRUE(outcome.finished);
    EXPECT_LT(outcome.elapsedMilliseconds, 1000U);
    EXPECT_EQ(count, 1000);
    std::uint16_t expected =
        machine.simulator().analogBoardAt(kBase)->codeAt(machine.clock().nowMicroseconds());
    EXPECT_GT(expected, 3500);
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(),
                            [expected](std::int16_t s) { return s == expected; }));
}

TEST(OlmiOnTheSimulator, APolledConversionFollowsTheGain) {
    sim::ScopedSimulator machine(olmiMachine());
    ASSERT_EQ(olmi::reload(), 1);
    ASSERT_EQ(W_Olmi_Initial(0, kBase), 0);
    ASSERT_EQ(W_Olmi_AD_Set_Channel(12), 0);
    std::int32_t unity = 0;
    std::int32_t times4 = 0;
    ASSERT_EQ(W_Olmi_AD_Set_Gain(0), 0);
    ASSERT_EQ(W_Olmi_AD_Aquire(&unity), 0);
    ASSERT_EQ(W_Olmi_AD_Set_Gain(2), 0);
    ASSERT_EQ(W_Olmi_AD_Aquire(&times4), 0);
    EXPECT_NEAR(times4 - 2048, 4 * (unity - 2048), 4);
}

}  // namespace
}  // namespace brennix::drivers::testing
