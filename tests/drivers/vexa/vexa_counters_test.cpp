#include <gtest/gtest.h>

#include "tests/drivers/vexa/vexa_fixture.h"

namespace brennix::drivers::testing {
namespace {

using Lines = std::vector<std::string>;

class VexaPacer : public VexaTest {
  protected:
    void SetUp() override {
        VexaTest::SetUp();
        initialize();
    }
};

TEST_F(VexaPacer, ProgramsCounter1ThenCounter2LowByteFirst) {
    EXPECT_EQ(W_Vexa_AD_Timer(4, 5), 0);
    EXPECT_EQ(journal(), (Lines{"W+3=76", "W+1=04", "W+1=00", "W+3=B6", "W+2=05", "W+2=00"}));
}

TEST_F(VexaPacer, ZeroDivisorsPassWithoutTheCheck) {
    EXPECT_EQ(W_Vexa_AD_Timer(0, 0), 0);
    EXPECT_EQ(W_Vexa_AD_Timer(0, 1), 0);
    EXPECT_EQ(W_Vexa_AD_Timer(1, 0), 0);
    EXPECT_EQ(bus->writesTo(at(1)), (std::vector<std::uint8_t>{0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(bus->writesTo(at(2)), (std::vector<std::uint8_t>{0, 0, 1, 0, 0, 0}));
}

TEST_F(VexaPacer, RefusesADivisorOfOneOrAProductBelow20) {
    EXPECT_EQ(W_Vexa_AD_Timer(1, 50), 18);
    EXPECT_EQ(W_Vexa_AD_Timer(50, 1), 18);
    EXPECT_EQ(W_Vexa_AD_Timer(4, 4), 18);
    // 65536 x 65536 wraps to 0 in 32 bits.
    EXPECT_EQ(W_Vexa_AD_Timer(65536, 65536), 18);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(VexaPacer, OnlyTheLow16BitsReachTheChip) {
    EXPECT_EQ(W_Vexa_AD_Timer(70000, 10), 0);
    EXPECT_EQ(bus->writesTo(at(1)), (std::vector<std::uint8_t>{0x70, 0x11}));
}

using VexaCounter0 = VexaPacer;

TEST_F(VexaCounter0, StartWritesTheModeControlWordThenTheCount) {
    EXPECT_EQ(W_Vexa_TIMER_Start(3, 0x1234), 0);
    EXPECT_EQ(W_Vexa_TIMER_Start(0, 7), 0);
    EXPECT_EQ(W_Vexa_TIMER_Start(5, 0), 0);
    EXPECT_EQ(journal(), (Lines{"W+3=36", "W+0=34", "W+0=12", "W+3=30", "W+0=07", "W+0=00",
                                "W+3=3A", "W+0=00", "W+0=00"}));
}

TEST_F(VexaCounter0, ModesOutside0To5AreRefused) {
    EXPECT_EQ(W_Vexa_TIMER_Start(6, 1), 19);
    EXPECT_EQ(W_Vexa_TIMER_Start(-1, 1), 19);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(VexaCounter0, ReadLatchesThenReadsLowAndHighByte) {
    bus->queueReads(at(0), {0x34, 0x12});
    std::int32_t count = -1;
    ASSERT_EQ(W_Vexa_TIMER_Read(&count), 0);
    EXPECT_EQ(count, 0x1234);
    EXPECT_EQ(journal(), (Lines{"W+3=00", "R+0", "R+0"}));
}

TEST_F(VexaCounter0, StopReadsTheCountThenParksTheCounterAtOne) {
    bus->queueReads(at(0), {0xFF, 0xFF});
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_TIMER_Stop(&count), 0);
    EXPECT_EQ(count, 0xFFFF);
    EXPECT_EQ(journal(), (Lines{"W+3=00", "R+0", "R+0", "W+3=30", "W+0=01", "W+0=00"}));
}

}  // namespace
}  // namespace brennix::drivers::testing
