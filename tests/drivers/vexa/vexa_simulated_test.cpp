#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_library.h"
#include "simulator/signal_source.h"
#include "simulator/simulator.h"
#include "tests/drivers/common/run_polling.h"

namespace brennix::drivers::testing {
namespace {

constexpr hw::PortAddress kBase = 0x300;

sim::SimulatorConfig vexaMachine() {
    sim::SimulatorConfig config;
    sim::BoardConfig board = sim::makeBoard(sim::BoardType::Vexa, kBase);
    board.channels[2] = {sim::Waveform::Constant, 0.0, 1.5};
    board.channels[4] = {sim::Waveform::Square, 2.0, 0.0, 50.0};
    config.boards = {board};
    return config;
}

class VexaOnTheSimulator : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(vexa::reload(), 1);
        ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
        // Range 0: bipolar 5 V.
        ASSERT_EQ(W_Vexa_AD_Set_Range(0), 0);
    }

    static std::uint16_t code(double volts) { return sim::codeForVolts(volts, -5.0, 5.0); }

    sim::ScopedSimulator machine{vexaMachine()};
};

TEST_F(VexaOnTheSimulator, APolledConversionReturnsTheSignalsCode) {
    ASSERT_EQ(W_Vexa_AD_Set_Channel(2), 0);
    std::int32_t sample = -1;
    ASSERT_EQ(W_Vexa_AD_Aquire(&sample), 0);
    EXPECT_EQ(sample, code(1.5));
    EXPECT_GT(sample, 2048);
}

TEST_F(VexaOnTheSimulator, AnInterruptRunAt10kSamplesPerSecondDeliversTheSignal) {
    std::vector<std::int16_t> buffer(1000, -1);
    ASSERT_EQ(W_Vexa_AD_INT_Start(4, 0, 5, 1000, buffer.data(), 10, 20), 0);
    PollOutcome outcome = pollUntilDone(W_Vexa_AD_INT_Status);
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    EXPECT_TRUE(outcome.finished);
    EXPECT_LT(outcome.elapsedMilliseconds, 1000U);
    EXPECT_EQ(count, 1000);
    // 100 ms of a 50 Hz square wave: five periods, half high and half low.
    auto high = std::count(buffer.begin(), buffer.end(), code(2.0));
    auto low = std::count(buffer.begin(), buffer.end(), code(-2.0));
    EXPECT_GE(high + low, 998);
    EXPECT_NEAR(static_cast<double>(high), 500.0, 20.0);
    EXPECT_EQ(machine.simulator().masterMask(), 0xB8);
}

TEST_F(VexaOnTheSimulator, ADmaRunDeliversTwelveBitSamples) {
    std::vector<std::int16_t> buffer(500 + 4, -1);
    ASSERT_EQ(W_Vexa_AD_DMA_Start(2, 0, 1, 5, 500, buffer.data(), 10, 20), 0);
    PollOutcome outcome = pollUntilDone(W_Vexa_AD_DMA_Status);
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_DMA_Stop(&count), 0);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(count, 500);
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.begin() + 500,
                            [](std::int16_t s) { return s == code(1.5); }));
    EXPECT_TRUE(
        std::all_of(buffer.begin() + 500, buffer.end(), [](std::int16_t s) { return s == -1; }));
}

TEST_F(VexaOnTheSimulator, DmaSamplesLoseTheChannelBitsTheBoardAdds) {
    std::vector<std::int16_t> buffer(100, -1);
    ASSERT_EQ(W_Vexa_AD_DMA_Start(4, 0, 3, 10, 100, buffer.data(), 10, 20), 0);
    pollUntilDone(W_Vexa_AD_DMA_Status);
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_DMA_Stop(&count), 0);
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(),
                            [](std::int16_t s) { return s == code(2.0) || s == code(-2.0); }));
}

TEST_F(VexaOnTheSimulator, DigitalOutputsReadBackThroughTheLoopback) {
    machine.simulator().boardAt(kBase)->setDigitalLoopback(true);
    ASSERT_EQ(W_Vexa_DO(1, 0x5A), 0);
    std::int32_t bit = -1;
    ASSERT_EQ(W_Vexa_DI_Channel(9, &bit), 0);
    EXPECT_EQ(bit, 1);
    ASSERT_EQ(W_Vexa_DA(1, 0x0ABC), 0);
    EXPECT_EQ(machine.simulator().analogBoardAt(kBase)->analogOutput(1), 0x0ABC);
}

}  // namespace
}  // namespace brennix::drivers::testing
