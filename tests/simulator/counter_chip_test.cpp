#include <gtest/gtest.h>

#include "simulator/counter_chip.h"

namespace brennix::sim {
namespace {

class CounterChipModel : public ::testing::Test {
  protected:
    // 1 MHz clocks: one pulse per microsecond.
    CounterChip chip{1'000'000, 1'000'000};

    int latchedCount(unsigned counter, std::uint64_t now) {
        chip.write(3, static_cast<std::uint8_t>(counter << 6), now);
        int low = chip.read(counter, now);
        int high = chip.read(counter, now);
        return low + 256 * high;
    }

    void load(unsigned counter, std::uint8_t control, std::uint16_t count, std::uint64_t now) {
        chip.write(3, control, now);
        chip.write(counter, count & 0xFF, now);
        chip.write(counter, count >> 8, now);
    }
};

TEST_F(CounterChipModel, CountZeroCountsAs65536) {
    load(0, 0x34, 0, 0);  // mode 2
    EXPECT_EQ(chip.counter(0).reload, 65536U);
    EXPECT_EQ(latchedCount(0, 1), 65535);
    EXPECT_EQ(latchedCount(0, 65536), 0) << "65536 again after a full period, read as 0";
}

TEST_F(CounterChipModel, ModeTwoDividesAndReloads) {
    load(0, 0x34, 100, 0);
    EXPECT_EQ(latchedCount(0, 30), 70);
    EXPECT_EQ(latchedCount(0, 130), 70);
    EXPECT_TRUE(chip.outputAt(0, 98));
    EXPECT_FALSE(chip.outputAt(0, 99)) << "low for the clock before the reload";
}

TEST_F(CounterChipModel, ModeThreeCountsByTwoAndHalvesTheOutput) {
    load(0, 0x36, 10, 0);
    EXPECT_EQ(latchedCount(0, 2), 6);
    EXPECT_TRUE(chip.outputAt(0, 4));
    EXPECT_FALSE(chip.outputAt(0, 5));
    EXPECT_EQ(latchedCount(0, 7), 6) << "second half counts down again";
    EXPECT_TRUE(chip.outputAt(0, 10));
}

TEST_F(CounterChipModel, ModeZeroRaisesItsOutputAtTerminalCountAndWraps) {
    load(0, 0x30, 5, 0);
    EXPECT_FALSE(chip.outputAt(0, 4));
    EXPECT_TRUE(chip.outputAt(0, 5));
    EXPECT_TRUE(chip.outputAt(0, 500)) << "stays high";
    EXPECT_EQ(latchedCount(0, 6), 0xFFFF);
}

TEST_F(CounterChipModel, ModeZeroPausesWhileANewCountIsHalfWritten) {
    load(0, 0x30, 1000, 0);
    chip.write(0, 0x00, 100);  // low byte of the next count
    EXPECT_EQ(latchedCount(0, 400), 900);
    chip.write(0, 0x02, 400);  // 0x0200 loads and counts from here
    EXPECT_EQ(latchedCount(0, 410), 0x200 - 10);
}

TEST_F(CounterChipModel, SingleByteAccessModesUseOneByteEach) {
    chip.write(3, 0x14, 0);  // counter 0, low byte only, mode 2
    chip.write(0, 0x80, 0);
    EXPECT_EQ(chip.counter(0).reload, 0x80U);
    EXPECT_EQ(chip.read(0, 0), 0x80);

    chip.write(3, 0x24, 0);  // high byte only
    chip.write(0, 0x02, 0);
    EXPECT_EQ(chip.counter(0).reload, 0x200U);
    EXPECT_EQ(chip.read(0, 0), 0x02);
}

TEST_F(CounterChipModel, ReadBackLatchesStatusThenCount) {
    load(0, 0x34, 300, 0);
    chip.write(3, 0xC2, 100);  // read-back, count and status, counter 0
    std::uint8_t status = chip.read(0, 200);
    EXPECT_EQ(status & 0x3F, 0x34) << "the programmed access, mode and binary bits";
    EXPECT_EQ(status & 0x40, 0) << "the count is loaded";
    EXPECT_EQ(status & 0x80, 0x80) << "output high in mode 2";
    int low = chip.read(0, 200);
    int high = chip.read(0, 200);
    EXPECT_EQ(low + 256 * high, 200) << "count frozen at the read-back";

    chip.write(3, 0x30, 300);
    chip.write(3, 0xE2, 300);  // status only
    EXPECT_EQ(chip.read(0, 300) & 0x40, 0x40) << "null count until a count is written";
}

TEST_F(CounterChipModel, BcdCountsInDecimalDigits) {
    load(0, 0x35, 0x1000, 0);  // mode 2, BCD 1000
    EXPECT_EQ(latchedCount(0, 1), 0x0999);
}

TEST_F(CounterChipModel, CascadedPacerClocksCounterTwoFromCounterOne) {
    load(1, 0x76, 10, 0);
    load(2, 0xB6, 20, 0);
    EXPECT_EQ(chip.pacerPeriodPulses(), 200U);
    EXPECT_EQ(latchedCount(2, 30), 20 - 2 * 3) << "three edges of counter 1 so far";
    auto epoch = chip.pacerEpoch();
    load(1, 0x76, 4, 50);
    EXPECT_NE(chip.pacerEpoch(), epoch) << "reprogramming is visible to the pacer's users";
}

}  // namespace
}  // namespace brennix::sim
