#include <gmock/gmock.h>

#include "outside/fenq.h"
#include "outside/quem.h"
#include "outside/ubrix.h"
#include "outside/zolt.h"
#include "simulator/outside/return_codes.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

using ::testing::ElementsAre;

class AnalogInput : public OutsideTest {};

TEST_F(AnalogInput, ZoltReadsTheNamedChannelWithoutATrigger) {
    ASSERT_EQ(W_Zolt_Initial(0, 0x300), 0);
    ASSERT_TRUE(board(Library::Zolt).setSignal(31, Signal{1000, 0}));
    ASSERT_EQ(W_Zolt_AD_Set_Channel(31), 0);
    ASSERT_EQ(W_Zolt_AD_Set_Gain(4), 0);
    std::int32_t sample = -1;
    ASSERT_EQ(W_Zolt_AD_Channel_Read(31, &sample), 0);
    EXPECT_EQ(sample, 1000);
    ASSERT_EQ(W_Zolt_AD_Channel_Read(0, &sample), 0);
    EXPECT_EQ(sample, 2048) << "a channel nobody set sits at mid-scale";
}

TEST_F(AnalogInput, ZoltRefusesChannelsAndGainsItHasNot) {
    ASSERT_EQ(W_Zolt_Initial(0, 0x300), 0);
    std::int32_t sample = 7;
    EXPECT_EQ(W_Zolt_AD_Channel_Read(32, &sample), code::kBadAdChannel);
    EXPECT_EQ(sample, 7);
    EXPECT_EQ(W_Zolt_AD_Set_Channel(-1), code::kBadAdChannel);
    EXPECT_EQ(W_Zolt_AD_Set_Gain(5), code::kBadRange);
}

TEST_F(AnalogInput, SignalRampsAndWrapsWithinTheCodeRange) {
    ASSERT_EQ(W_Zolt_Initial(0, 0x300), 0);
    ASSERT_TRUE(board(Library::Zolt).setSignal(2, Signal{4094, 1}));
    std::vector<std::int32_t> codes;
    for (int i = 0; i < 3; ++i) {
        std::int32_t sample = 0;
        ASSERT_EQ(W_Zolt_AD_Channel_Read(2, &sample), 0);
        codes.push_back(sample);
    }
    EXPECT_THAT(codes, ElementsAre(4094, 4095, 0));
    EXPECT_FALSE(board(Library::Zolt).setSignal(2, Signal{4096, 0}));
    EXPECT_FALSE(board(Library::Zolt).queueCodes(2, {1, -1}));
}

TEST_F(AnalogInput, FenqDeliversANegativeSixteenBitSample) {
    ASSERT_EQ(W_Fenq_Initial(0, 0x300), 0);
    ASSERT_TRUE(board(Library::Fenq).queueCodes(3, {-1234, 32767}));
    ASSERT_EQ(W_Fenq_AD_Set_Channel(3), 0);
    ASSERT_EQ(W_Fenq_AD_Set_Mode(0), 0);
    ASSERT_EQ(W_Fenq_AD_Set_Range(3), 0);
    ASSERT_EQ(W_Fenq_AD_Soft_Trig(), 0);
    std::int16_t sample = 0;
    ASSERT_EQ(W_Fenq_AD_Aquire(&sample), 0);
    const std::int32_t widened = sample;
    EXPECT_EQ(widened, -1234);
    EXPECT_EQ(journal().lines().back(), "W_Fenq_AD_Aquire() -> -1234 = 0");
}

TEST_F(AnalogInput, FenqAndUbrixConvertOnlyAfterASoftwareTrigger) {
    ASSERT_EQ(W_Fenq_Initial(0, 0x300), 0);
    std::int16_t fenqSample = 5;
    EXPECT_EQ(W_Fenq_AD_Aquire(&fenqSample), code::kNotTriggered);
    EXPECT_EQ(fenqSample, 5);
    ASSERT_EQ(W_Fenq_AD_Soft_Trig(), 0);
    EXPECT_EQ(W_Fenq_AD_Aquire(&fenqSample), 0);
    EXPECT_EQ(W_Fenq_AD_Aquire(&fenqSample), code::kNotTriggered) << "one trigger, one sample";

    ASSERT_EQ(_ubri_initial(), 0);
    std::int32_t ubrixSample = 0;
    EXPECT_EQ(_ubri_AD_Acquire(&ubrixSample), code::kNotTriggered);
}

TEST_F(AnalogInput, FenqRefusesRangesModesAndChannelsItHasNot) {
    ASSERT_EQ(W_Fenq_Initial(0, 0x300), 0);
    EXPECT_EQ(W_Fenq_AD_Set_Range(4), code::kBadRange);
    EXPECT_EQ(W_Fenq_AD_Set_Mode(8), code::kBadMode);
    EXPECT_EQ(W_Fenq_AD_Set_Channel(16), code::kBadAdChannel);
    EXPECT_EQ(board(Library::Fenq).range(), 0);
}

TEST_F(AnalogInput, UbrixScansFromFirstToLastChannelAndAround) {
    ASSERT_EQ(_ubri_initial(), 0);
    for (std::int32_t channel = 4; channel <= 6; ++channel) {
        ASSERT_TRUE(board(Library::Ubrix).setSignal(channel, Signal{channel * 100, 0}));
    }
    ASSERT_EQ(_ubri_AD_Set_Channel_Scan(4, 6), 0);
    ASSERT_EQ(_ubri_AD_Set_Mode(1), 0);
    ASSERT_EQ(_ubri_AD_Set_Range(2), 0);
    std::vector<std::int32_t> codes;
    for (int i = 0; i < 4; ++i) {
        std::int32_t sample = 0;
        ASSERT_EQ(_ubri_AD_Soft_Trigger(), 0);
        ASSERT_EQ(_ubri_AD_Acquire(&sample), 0);
        codes.push_back(sample);
    }
    EXPECT_THAT(codes, ElementsAre(400, 500, 600, 400));
    EXPECT_EQ(_ubri_AD_Set_Channel_Scan(6, 4), code::kBadAdChannel);
    EXPECT_EQ(journal().callsTo("_ubri_AD_Set_Channel_Scan")[0].arguments,
              (std::vector<std::int64_t>{4, 6}));
}

class AnalogOutput : public OutsideTest {};

TEST_F(AnalogOutput, KeepsTheLastValuePerChannel) {
    ASSERT_EQ(W_Quem_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Quem_DA(1, 2048), 0);
    ASSERT_EQ(W_Quem_DA(0, 17), 0);
    ASSERT_EQ(W_Quem_DA(1, 4095), 0);
    EXPECT_EQ(board(Library::Quem).analogOutput(0), 17);
    EXPECT_EQ(board(Library::Quem).analogOutput(1), 4095);
    EXPECT_THAT(journal().lines()[1], "W_Quem_DA(1, 2048) = 0");
}

TEST_F(AnalogOutput, RefusesChannelsAndValuesOutOfRangeAndKeepsThePreviousValue) {
    ASSERT_EQ(W_Fenq_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Fenq_DA(0, 100), 0);
    EXPECT_EQ(W_Fenq_DA(0, -1), code::kBadDaValue);
    EXPECT_EQ(W_Fenq_DA(0, 4096), code::kBadDaValue);
    EXPECT_EQ(W_Fenq_DA(2, 1), code::kBadDaChannel);
    EXPECT_EQ(board(Library::Fenq).analogOutput(0), 100);
    EXPECT_FALSE(board(Library::Fenq).analogOutput(2).has_value());

    ASSERT_EQ(_ubri_initial(), 0);
    ASSERT_EQ(_ubri_DA(1, 3000), 0);
    EXPECT_EQ(board(Library::Ubrix).analogOutput(1), 3000);
}

}  // namespace
}  // namespace brennix::outside
