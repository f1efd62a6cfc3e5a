#include <gtest/gtest.h>

#include "drivers/common/busy_loop.h"
#include "tests/drivers/vexa/vexa_fixture.h"

namespace brennix::drivers::testing {
namespace {

using Lines = std::vector<std::string>;

class VexaDigital : public VexaTest {
  protected:
    void SetUp() override {
        VexaTest::SetUp();
        initialize();
    }
};

TEST_F(VexaDigital, PortsReadOffsets6And7IntoOneByteOnly) {
    bus->queueReads(at(6), {0xA5});
    bus->queueReads(at(7), {0x3C});
    std::uint32_t wide = 0xFFFFFFFF;
    ASSERT_EQ(W_Vexa_DI(0, reinterpret_cast<std::uint8_t*>(&wide)), 0);
    EXPECT_EQ(wide, 0xFFFFFFA5U);
    std::uint8_t byte = 0;
    ASSERT_EQ(W_Vexa_DI(1, &byte), 0);
    EXPECT_EQ(byte, 0x3C);
    EXPECT_EQ(journal(), (Lines{"R+6", "R+7"}));
}

TEST_F(VexaDigital, AnUnknownPortIsRefusedWithoutAccess) {
    std::uint8_t byte = 9;
    EXPECT_EQ(W_Vexa_DI(2, &byte), 8);
    EXPECT_EQ(W_Vexa_DI(-1, &byte), 8);
    EXPECT_EQ(W_Vexa_DO(2, 1), 8);
    EXPECT_EQ(byte, 9);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(VexaDigital, ChannelsReadTheirBitFromTheRightPort) {
    bus->holdRead(at(6), 0b0000'1000);
    bus->holdRead(at(7), 0b0000'0010);
    std::int32_t bit = -7;
    ASSERT_EQ(W_Vexa_DI_Channel(9, &bit), 0);
    EXPECT_EQ(bit, 1);
    ASSERT_EQ(W_Vexa_DI_Channel(3, &bit), 0);
    EXPECT_EQ(bit, 1);
    ASSERT_EQ(W_Vexa_DI_Channel(8, &bit), 0);
    EXPECT_EQ(bit, 0);
    EXPECT_EQ(journal(), (Lines{"R+7", "R+6", "R+7"}));
}

TEST_F(VexaDigital, ChannelsOutside0To15AreRefused) {
    std::int32_t bit = 42;
    EXPECT_EQ(W_Vexa_DI_Channel(16, &bit), 12);
    EXPECT_EQ(W_Vexa_DI_Channel(-1, &bit), 12);
    EXPECT_EQ(bit, 42);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(VexaDigital, OutputsWriteTheLowByteToOffsets13And14) {
    EXPECT_EQ(W_Vexa_DO(0, 0x1A5), 0);
    EXPECT_EQ(W_Vexa_DO(1, 0x7F), 0);
    EXPECT_EQ(journal(), (Lines{"W+13=A5", "W+14=7F"}));
}

using VexaAnalogOut = VexaDigital;

TEST_F(VexaAnalogOut, WritesLowByteThenHighByte) {
    EXPECT_EQ(W_Vexa_DA(0, 0x0ABC), 0);
    EXPECT_EQ(W_Vexa_DA(1, 0x12345), 0);
    EXPECT_EQ(journal(), (Lines{"W+4=BC", "W+5=0A", "W+6=45", "W+7=23"}));
}

TEST_F(VexaAnalogOut, ChannelTwoIsRefused) {
    EXPECT_EQ(W_Vexa_DA(2, 1), 11);
    EXPECT_EQ(W_Vexa_DA(-1, 1), 11);
    EXPECT_TRUE(bus->events().empty());
}

using VexaMultiplexer = VexaDigital;

TEST_F(VexaMultiplexer, SingleEndedCodesCoverBothBanks) {
    for (std::int32_t channel : {0, 7, 8, 15}) {
        EXPECT_EQ(W_Vexa_AD_Set_Channel(channel), 0);
    }
    EXPECT_EQ(journal(), (Lines{"W+10=10", "W+10=17", "W+10=28", "W+10=2F"}));
}

TEST_F(VexaMultiplexer, DifferentialModeTakesEffectAtTheNextChannelChange) {
    ASSERT_EQ(W_Vexa_AD_Input_Mode(1), 0);
    EXPECT_TRUE(bus->events().empty());
    EXPECT_EQ(W_Vexa_AD_Set_Channel(3), 0);
    EXPECT_EQ(W_Vexa_AD_Set_Channel(8), 10);
    EXPECT_EQ(journal(), (Lines{"W+10=33"}));
}

TEST_F(VexaMultiplexer, InitialPutsTheCardBackToSingleEnded) {
    ASSERT_EQ(W_Vexa_AD_Input_Mode(1), 0);
    ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
    EXPECT_EQ(W_Vexa_AD_Set_Channel(9), 0);
    EXPECT_EQ(journal(), (Lines{"W+10=29"}));
}

TEST_F(VexaMultiplexer, RefusesChannelsAndInputModesOutOfRange) {
    EXPECT_EQ(W_Vexa_AD_Set_Channel(16), 10);
    EXPECT_EQ(W_Vexa_AD_Set_Channel(-1), 10);
    EXPECT_EQ(W_Vexa_AD_Input_Mode(2), 23);
    EXPECT_EQ(W_Vexa_AD_Input_Mode(-1), 23);
    EXPECT_EQ(W_Vexa_AD_Set_Channel(8), 0);
    EXPECT_EQ(journal(), (Lines{"W+10=28"}));
}

TEST_F(VexaMultiplexer, SettlesFor1000IterationsAfterAChange) {
    auto before = busyLoopIterations();
    ASSERT_EQ(W_Vexa_AD_Set_Channel(4), 0);
    EXPECT_EQ(busyLoopIterations() - before, 1000U);
    W_Vexa_AD_Set_Channel(16);
    EXPECT_EQ(busyLoopIterations() - before, 1000U);
}

using VexaRegisters = VexaDigital;

TEST_F(VexaRegisters, RangeIsWrittenAsGivenAndModeOnlyFrom0To7) {
    EXPECT_EQ(W_Vexa_AD_Set_Range(12), 0);
    EXPECT_EQ(W_Vexa_AD_Set_Mode(7), 0);
    EXPECT_EQ(W_Vexa_AD_Set_Mode(8), 23);
    EXPECT_EQ(W_Vexa_AD_Set_Mode(-1), 23);
    EXPECT_EQ(W_Vexa_AD_Soft_Trig(), 0);
    EXPECT_EQ(W_Vexa_CLR_IRQ(), 0);
    EXPECT_EQ(journal(), (Lines{"W+9=0C", "W+11=07", "W+12=00", "W+8=00"}));
}

using VexaConversion = VexaDigital;

TEST_F(VexaConversion, CombinesStatusNibbleAndLowByte) {
    bus->queueReads(at(5), {0xEA});
    bus->queueReads(at(4), {0x5C});
    auto before = busyLoopIterations();
    std::int32_t sample = -1;
    ASSERT_EQ(W_Vexa_AD_Aquire(&sample), 0);
    EXPECT_EQ(sample, 0x0A5C);
    EXPECT_EQ(busyLoopIterations() - before, 500U);
    EXPECT_EQ(journal(), (Lines{"W+11=01", "W+12=00", "R+5", "R+4"}));
}

TEST_F(VexaConversion, GivesUpAfter101BusyStatusReads) {
    bus->holdRead(at(5), 0x1F);
    std::int32_t sample = 1234;
    EXPECT_EQ(W_Vexa_AD_Aquire(&sample), 28);
    EXPECT_EQ(sample, 1234);
    EXPECT_EQ(bus->readsOf(at(5)), 101U);
    EXPECT_EQ(bus->readsOf(at(4)), 0U);
}

TEST_F(VexaConversion, AConversionDoneAtTheLastPollStillCounts) {
    bus->queueReads(at(5), std::vector<std::uint8_t>(100, 0x10));
    bus->queueReads(at(5), {0x03});
    bus->queueReads(at(4), {0xFF});
    std::int32_t sample = 0;
    EXPECT_EQ(W_Vexa_AD_Aquire(&sample), 0);
    EXPECT_EQ(sample, 0x3FF);
    EXPECT_EQ(bus->readsOf(at(5)), 101U);
}

}  // namespace
}  // namespace brennix::drivers::testing
