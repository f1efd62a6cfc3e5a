#include <gmock/gmock.h>

#include "outside/fenq.h"
#include "outside/kilp.h"
#include "outside/mavo.h"
#include "outside/nilb.h"
#include "outside/pruv.h"
#include "outside/rulk.h"
#include "outside/tepa.h"
#include "outside/tepab.h"
#include "outside/ubrix.h"
#include "simulator/outside/return_codes.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

class DigitalPorts : public OutsideTest {};

TEST_F(DigitalPorts, ReadBackReturnsTheLastOutputPerPort) {
    ASSERT_EQ(W_Rulk_Initial(0, 0x300, 0), 0);
    ASSERT_EQ(W_Rulk_DO(0, 0x11), 0);
    ASSERT_EQ(W_Rulk_DO(2, 0xEE), 0);
    ASSERT_EQ(W_Rulk_DO(0, 0x22), 0);
    std::uint8_t first = 0;
    std::uint8_t third = 0;
    ASSERT_EQ(W_Rulk_Read_Back(0, &first), 0);
    ASSERT_EQ(W_Rulk_Read_Back(2, &third), 0);
    EXPECT_EQ(first, 0x22);
    EXPECT_EQ(third, 0xEE);
}

TEST_F(DigitalPorts, InputsAreSeparateFromOutputsUnlessWired) {
    ASSERT_EQ(W_Nilb_Initial(0, 0x300), 0);
    ASSERT_TRUE(board(Library::Nilb).setInput(3, 0xC3));
    ASSERT_EQ(W_Nilb_DO(3, 0x3C), 0);
    std::uint8_t value = 0;
    ASSERT_EQ(W_Nilb_DI(3, &value), 0);
    EXPECT_EQ(value, 0xC3);
    board(Library::Nilb).wireOutputsToInputs(true);
    ASSERT_EQ(W_Nilb_DI(3, &value), 0);
    EXPECT_EQ(value, 0x3C);
}

TEST_F(DigitalPorts, RefusesPortsTheBoardHasNotAndValuesBeyondAByte) {
    ASSERT_EQ(W_Pruv_Initial(0, 0x300, 0), 0);
    std::uint8_t value = 0x99;
    EXPECT_EQ(W_Pruv_DI(6, &value), code::kBadPort);
    EXPECT_EQ(W_Pruv_DI(-1, &value), code::kBadPort);
    EXPECT_EQ(value, 0x99);
    EXPECT_EQ(W_Pruv_DO(5, 256), code::kBadPortValue);
    EXPECT_EQ(W_Pruv_DO(5, -1), code::kBadPortValue);
    EXPECT_EQ(board(Library::Pruv).output(5), 0) << "a refused write changes nothing";
    EXPECT_EQ(W_Kilp_Initial(0, 0x300), 0);
    EXPECT_EQ(W_Kilp_DO_8(4, 0), code::kBadPort);
    EXPECT_FALSE(board(Library::Kilp).setInput(0, 300));
}

TEST_F(DigitalPorts, TepaHasOnePortWithoutAPortArgument) {
    ASSERT_EQ(W_Tepa_Initial(0, 0x300), 0);
    ASSERT_TRUE(board(Library::Tepa).setInput(0, 0x81));
    ASSERT_EQ(W_Tepa_DO(0x42), 0);
    std::uint8_t in = 0;
    std::uint8_t back = 0;
    ASSERT_EQ(W_Tepa_DI(&in), 0);
    ASSERT_EQ(W_Tepa_Read_Back(&back), 0);
    EXPECT_EQ(in, 0x81);
    EXPECT_EQ(back, 0x42);
}

class SixteenBitPorts : public OutsideTest {};

TEST_F(SixteenBitPorts, TepaBKeepsTheWholeWordForBothBytes) {
    ASSERT_EQ(W_TepaB_Initial(0, 0x300), 0);
    ASSERT_TRUE(board(Library::TepaB).setInput(0, 0xBEEF));
    std::uint16_t word = 0;
    ASSERT_EQ(W_TepaB_DI(&word), 0);
    EXPECT_EQ(word >> 8, 0xBE) << "port 1 of the controls is the high byte";
    ASSERT_EQ(W_TepaB_DO(0x1234), 0);
    ASSERT_EQ(W_TepaB_Read_Back(&word), 0);
    EXPECT_EQ(word, 0x1234);
}

TEST_F(SixteenBitPorts, TakeSignExtendedWordsButNothingWider) {
    ASSERT_EQ(W_TepaB_Initial(0, 0x300), 0);
    ASSERT_EQ(W_TepaB_DO(-2), 0);
    std::uint16_t word = 0;
    ASSERT_EQ(W_TepaB_Read_Back(&word), 0);
    EXPECT_EQ(word, 0xFFFE);
    EXPECT_EQ(W_TepaB_DO(0x10000), code::kBadPortValue);
    EXPECT_EQ(W_TepaB_DO(-32769), code::kBadPortValue);
}

TEST_F(SixteenBitPorts, FenqHasOneWordInEachDirection) {
    ASSERT_EQ(W_Fenq_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Fenq_DO(0x1234), 0);
    EXPECT_EQ(board(Library::Fenq).output(0), 0x1234);
    ASSERT_TRUE(board(Library::Fenq).setInput(0, 0xA55A));
    std::uint16_t word = 0;
    ASSERT_EQ(W_Fenq_DI(&word), 0);
    EXPECT_EQ(word, 0xA55A);
    EXPECT_EQ(journal().lines().back(), "W_Fenq_DI() -> 42330 = 0");
}

class MavoPortCodes : public OutsideTest {
  protected:
    void SetUp() override { ASSERT_EQ(W_Mavo_Initial(0, 0x300, 0), 0); }
};

TEST_F(MavoPortCodes, ChipAndIndexSelectPortsAAndB) {
    ASSERT_EQ(W_Mavo_DO((2 << 8) + 1, 0x5C), 0);
    EXPECT_EQ(board(Library::Mavo).output(0x201), 0x5C);
    EXPECT_EQ(board(Library::Mavo).output(0x200), 0);
    EXPECT_EQ(board(Library::Mavo).output(0x101), 0) << "another chip's port B";
    std::uint8_t value = 0;
    ASSERT_EQ(W_Mavo_Read_Back(0x201, &value), 0);
    EXPECT_EQ(value, 0x5C);
}

TEST_F(MavoPortCodes, PortCIsWrittenAndReadInTwoHalves) {
    // Port 5 of the controls: chip 1, port C, a byte 0xA5 sent as two nibbles.
    ASSERT_EQ(W_Mavo_DO(0x103, 0x0A), 0);
    ASSERT_EQ(W_Mavo_DO(0x104, 0x05), 0);
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    ASSERT_EQ(W_Mavo_Read_Back(0x103, &high), 0);
    ASSERT_EQ(W_Mavo_Read_Back(0x104, &low), 0);
    EXPECT_EQ((low & 0x0F) | (high << 4), 0xA5);

    board(Library::Mavo).wireOutputsToInputs(true);
    ASSERT_EQ(W_Mavo_DI(0x103, &high), 0);
    ASSERT_EQ(W_Mavo_DI(0x104, &low), 0);
    EXPECT_EQ(high, 0x0A);
    EXPECT_EQ(low, 0x05);
}

TEST_F(MavoPortCodes, WritingOneHalfOfPortCKeepsTheOther) {
    ASSERT_EQ(W_Mavo_DO(0x004, 0x03), 0);
    ASSERT_EQ(W_Mavo_DO(0x003, 0x0C), 0);
    ASSERT_EQ(W_Mavo_DO(0x004, 0x09), 0);
    std::uint8_t high = 0;
    ASSERT_EQ(W_Mavo_Read_Back(0x003, &high), 0);
    EXPECT_EQ(high, 0x0C);
}

TEST_F(MavoPortCodes, InputHalvesComeFromTheTestSetInput) {
    ASSERT_TRUE(board(Library::Mavo).setInput(0x503, 0x7));
    ASSERT_TRUE(board(Library::Mavo).setInput(0x504, 0xE));
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    ASSERT_EQ(W_Mavo_DI(0x503, &high), 0);
    ASSERT_EQ(W_Mavo_DI(0x504, &low), 0);
    EXPECT_EQ((low & 0x0F) | (high << 4), 0x7E);
}

TEST_F(MavoPortCodes, RefusesIndexTwoOtherIndicesChipsBeyondSixAndWideNibbles) {
    std::uint8_t value = 0;
    EXPECT_EQ(W_Mavo_DI(0x002, &value), code::kBadPort);
    EXPECT_EQ(W_Mavo_DI(0x005, &value), code::kBadPort);
    EXPECT_EQ(W_Mavo_DI(0x600, &value), code::kBadPort);
    EXPECT_EQ(W_Mavo_DI(5, &value), code::kBadPort) << "a plain port number is no code";
    EXPECT_EQ(W_Mavo_DO(0x003, 0x10), code::kBadPortValue);
    EXPECT_EQ(W_Mavo_DO(0x500, 0xFF), 0) << "chip 5 holds ports 15 to 17";
}

class UbrixPorts : public OutsideTest {
  protected:
    void SetUp() override { ASSERT_EQ(_ubri_initial(), 0); }
};

TEST_F(UbrixPorts, AreNumberedFromOne) {
    ASSERT_TRUE(board(Library::Ubrix).setInput(2, 0x6D));
    std::uint8_t value = 0;
    ASSERT_EQ(_ubri_DI(2, &value), 0);
    EXPECT_EQ(value, 0x6D);
    EXPECT_EQ(_ubri_DI(0, &value), code::kBadPort);
    EXPECT_EQ(_ubri_DI(3, &value), code::kBadPort);
    ASSERT_EQ(_ubri_DO(1, 0x0F), 0);
    EXPECT_EQ(board(Library::Ubrix).output(1), 0x0F);
}

}  // namespace
}  // namespace brennix::outside
