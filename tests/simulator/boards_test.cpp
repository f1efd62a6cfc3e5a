// The register maps of the four boards and the bus around them.

#include <gtest/gtest.h>

#include "simulator/simulator.h"
#include "tests/simulator/test_support.h"

namespace brennix::sim {
namespace {

using namespace testing;

SimulatorConfig allBoards() {
    SimulatorConfig config;
    BoardConfig olmi = makeBoard(BoardType::Olmi, 0x220);
    olmi.channels[12] = constantVolts(0.5);
    olmi.channels[0] = constantVolts(-3.0);
    config.boards.push_back(olmi);
    BoardConfig vexa = makeBoard(BoardType::Vexa, 0x300);
    vexa.digitalInput = {0x5A, 0xC3};
    config.boards.push_back(vexa);
    BoardConfig senu = makeBoard(BoardType::Senu, 0x280);
    senu.channels[2] = constantVolts(1.0);
    senu.channels[10] = constantVolts(4.0);  // no such input on a Senu
    config.boards.push_back(senu);
    BoardConfig dorv = makeBoard(BoardType::Dorv, 0x2C0);
    dorv.digitalLoopback = true;
    config.boards.push_back(dorv);
    return config;
}

int pollConversion(std::uint16_t base) {
    put(base + 12, 0);
    std::uint8_t status = get(base + 5);
    for (int i = 0; i < 100 && (status & 0x10); ++i) {
        status = get(base + 5);
    }
    return (status & 0x0F) * 256 + get(base + 4);
}

class BoardRegisters : public ::testing::Test {
  protected:
    ScopedSimulator sim{allBoards()};
};

TEST_F(BoardRegisters, PortsNoBoardDecodesReadFF) {
    EXPECT_EQ(get(0x210), 0xFF);
    EXPECT_EQ(get(0x230), 0xFF) << "just past the Olmi's sixteen ports";
    EXPECT_EQ(get(0x300 + 9), 0xFF) << "a write-only register";
}

TEST_F(BoardRegisters, InterruptControllerMasksReadBackWhatWasWritten) {
    EXPECT_EQ(get(0x21), 0xB8);
    EXPECT_EQ(get(0xA1), 0x8E);
    put(0x21, 0x98);
    put(0xA1, 0x8C);
    EXPECT_EQ(get(0x21), 0x98);
    EXPECT_EQ(sim.simulator().slaveMask(), 0x8C);
}

TEST_F(BoardRegisters, OlmiTakesChannelNumbersAsIsAndScalesByGain) {
    put(0x220 + 10, 12);
    put(0x220 + 9, 0);  // gain 1: +-5 V
    EXPECT_EQ(pollConversion(0x220), expectedCode(0.5, -5.0, 5.0));
    put(0x220 + 9, 2);  // gain 4: +-1.25 V
    EXPECT_EQ(pollConversion(0x220), expectedCode(0.5, -1.25, 1.25));
    put(0x220 + 10, 0);
    put(0x220 + 9, 4);  // gain 16: -3 V saturates low
    EXPECT_EQ(pollConversion(0x220), 0);
}

TEST_F(BoardRegisters, SenuHasEightInputs) {
    put(0x280 + 10, 2);
    EXPECT_EQ(pollConversion(0x280), expectedCode(1.0, -5.0, 5.0));
    put(0x280 + 10, 10);  // wraps to input 2, the board decodes three bits
    EXPECT_EQ(pollConversion(0x280), expectedCode(1.0, -5.0, 5.0));
}

TEST_F(BoardRegisters, AnalogOutputsLatchOnTheSecondByteInEachBoardsOrder) {
    put(0x300 + 4, 0xBC);
    EXPECT_EQ(sim.simulator().analogBoardAt(0x300)->analogOutput(0), 0)
        << "not before the high byte";
    put(0x300 + 5, 0x0A);
    put(0x300 + 6, 0xFF);
    put(0x300 + 7, 0x0F);
    EXPECT_EQ(sim.simulator().analogBoardAt(0x300)->analogOutput(0), 0x0ABC);
    EXPECT_EQ(sim.simulator().analogBoardAt(0x300)->analogOutput(1), 0x0FFF);

    put(0x2C0 + 4, 0x01);  // Dorv channel 2: high byte first
    put(0x2C0 + 5, 0x23);
    EXPECT_EQ(sim.simulator().dorvBoardAt(0x2C0)->analogOutput(2), 0x0123);
}

TEST_F(BoardRegisters, DigitalInputsReadConfiguredLevelsOrTheLoopedBackOutputs) {
    EXPECT_EQ(get(0x300 + 6), 0x5A);
    EXPECT_EQ(get(0x300 + 7), 0xC3);
    put(0x300 + 13, 0x11);
    EXPECT_EQ(sim.simulator().boardAt(0x300)->digitalOutput(0), 0x11);
    EXPECT_EQ(get(0x300 + 6), 0x5A) << "no loopback on this board";

    put(0x2C0 + 13, 0x42);  // Dorv output port 0
    put(0x2C0 + 12, 0x24);  // Dorv output port 1
    EXPECT_EQ(get(0x2C0 + 15), 0x42);
    EXPECT_EQ(get(0x2C0 + 14), 0x24);
}

TEST_F(BoardRegisters, SenuPacesInterruptRunsInModeSixWhateverTheLevelBits) {
    put(0x280 + 10, 2);
    auto device = hw::openDevice(kAcquisitionDevice);
    std::vector<std::uint8_t> record(32, 0);
    setField(record, 4, 50);
    setField(record, 8, 5);
    setField(record, 28, 0x280);
    std::uint32_t returned = 0;
    ASSERT_TRUE(control(device, 0x80FF2010, &record, nullptr, returned));
    put(0x280 + 3, 0x76);
    put(0x280 + 1, 10);
    put(0x280 + 1, 0);
    put(0x280 + 3, 0xB6);
    put(0x280 + 2, 20);
    put(0x280 + 2, 0);
    put(0x280 + 11, 0x56);  // level 5, mode 6
    sim.clock().advance(10'000);
    std::vector<std::uint8_t> samples(100, 0);
    ASSERT_TRUE(control(device, 0x80FF2020, nullptr, &samples, returned));
    EXPECT_EQ(returned, 100U);
    EXPECT_EQ(samples[98] | (samples[99] << 8), expectedCode(1.0, -5.0, 5.0));
}

}  // namespace
}  // namespace brennix::sim
