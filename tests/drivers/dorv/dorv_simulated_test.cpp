#include <gtest/gtest.h>

#include <vector>

#include "drivers/dorv/dorv.h"
#include "drivers/dorv/dorv_library.h"
#include "simulator/simulator.h"

namespace brennix::drivers::testing {
namespace {

constexpr hw::PortAddress kBase = 0x2C0;

class DorvOnTheSimulator : public ::testing::Test {
  protected:
    static sim::SimulatorConfig dorvMachine() {
        sim::SimulatorConfig config;
        config.boards = {sim::makeBoard(sim::BoardType::Dorv, kBase)};
        return config;
    }
    void SetUp() override {
        ASSERT_EQ(dorv::reload(), 1);
        ASSERT_EQ(W_Dorv_Initial(0, kBase, 5), 0);
    }
    sim::DorvBoard& board() { return *machine.simulator().dorvBoardAt(kBase); }

    sim::ScopedSimulator machine{dorvMachine()};
};

TEST_F(DorvOnTheSimulator, EachAnalogWriteLandsOnItsOutput) {
    for (std::int32_t channel = 0; channel < 6; ++channel) {
        ASSERT_EQ(W_Dorv_DA(channel, 0x0100 * channel + 0x21), 0);
    }
    for (unsigned channel = 0; channel < 6; ++channel) {
        EXPECT_EQ(board().analogOutput(channel), 0x0100 * channel + 0x21) << channel;
    }
}

TEST_F(DorvOnTheSimulator, DigitalPortsReadTheInputsAndDriveTheOutputs) {
    board().setDigitalInput(0, 0x81);
    board().setDigitalInput(1, 0x7E);
    std::uint8_t port0 = 0;
    std::uint8_t port1 = 0;
    ASSERT_EQ(W_Dorv_DI(0, &port0), 0);
    ASSERT_EQ(W_Dorv_DI(1, &port1), 0);
    EXPECT_EQ(port0, 0x81);
    EXPECT_EQ(port1, 0x7E);
    std::int32_t bit = -1;
    ASSERT_EQ(W_Dorv_DI_Channel(15, &bit), 0);
    EXPECT_EQ(bit, 0);
    ASSERT_EQ(W_Dorv_DO(0, 0x3C), 0);
    ASSERT_EQ(W_Dorv_DO(1, 0xC3), 0);
    EXPECT_EQ(board().digitalOutput(0), 0x3C);
    EXPECT_EQ(board().digitalOutput(1), 0xC3);
}

TEST_F(DorvOnTheSimulator, AnInterruptRunWritesTheRegisteredValuesToTheOutput) {
    std::vector<std::int32_t> values = {100, 200, 300, 400};
    // The first start gives the length, the second the registered port.
    ASSERT_EQ(W_Dorv_INT_Start(4), 0);
    ASSERT_EQ(Set_INT_Op(3, values.data()), 0);
    ASSERT_EQ(W_Dorv_INT_Start(4), 0);
    hw::sleep(100);
    std::int32_t count = 0;
    ASSERT_EQ(W_Dorv_INT_Status(nullptr, &count), 0);
    ASSERT_EQ(W_Dorv_INT_Stop(&count), 0);
    EXPECT_GE(count, 4);
    EXPECT_EQ(board().analogOutput(3), 400);
}

}  // namespace
}  // namespace brennix::drivers::testing
