#include <gmock/gmock.h>

#include "outside/kilp.h"
#include "outside/mavo.h"
#include "outside/pruv.h"
#include "outside/quem.h"
#include "outside/rulk.h"
#include "outside/tepa.h"
#include "outside/ubrix.h"
#include "simulator/outside/return_codes.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

class CardInitial : public OutsideTest {};

TEST_F(CardInitial, RefusesCardNumbersOutsideZeroToSeven) {
    EXPECT_EQ(W_Quem_Initial(8, 0x300), code::kBadCard);
    EXPECT_EQ(W_Quem_Initial(-1, 0x300), code::kBadCard);
    EXPECT_EQ(W_Quem_Initial(7, 0x300), 0);
}

TEST_F(CardInitial, RefusesBasesOutsideTheIsaWindow) {
    EXPECT_EQ(W_Tepa_Initial(0, 0), code::kBadBase);
    EXPECT_EQ(W_Tepa_Initial(0, 0xFF), code::kBadBase);
    EXPECT_EQ(W_Tepa_Initial(0, 0x400), code::kBadBase);
    EXPECT_EQ(simulation().currentCard(Library::Tepa), -1);
    EXPECT_EQ(W_Tepa_Initial(0, 0x100), 0);
}

TEST_F(CardInitial, RefusesTheBaseOfAnotherInitialisedCard) {
    ASSERT_EQ(W_Kilp_Initial(0, 0x300), 0);
    EXPECT_EQ(W_Kilp_Initial(1, 0x300), code::kBaseInUse);
    EXPECT_EQ(W_Kilp_Initial(0, 0x300), 0) << "the same card again is no conflict";
    EXPECT_EQ(W_Quem_Initial(0, 0x300), 0) << "cards of other libraries do not count";
}

TEST_F(CardInitial, ThreeArgumentLibrariesCheckAndKeepTheInterruptLine) {
    EXPECT_EQ(W_Mavo_Initial(0, 0x300, 16), code::kBadIrq);
    EXPECT_EQ(W_Rulk_Initial(0, 0x300, -1), code::kBadIrq);
    ASSERT_EQ(W_Pruv_Initial(2, 0x2A0, 5), 0);
    const CardSlot* slot = simulation().slot(Library::Pruv, 2);
    ASSERT_NE(slot, nullptr);
    EXPECT_TRUE(slot->initialized);
    EXPECT_EQ(slot->base, 0x2A0);
    EXPECT_EQ(slot->irq, 5);
    EXPECT_EQ(W_Mavo_Initial(0, 0x300, 0), 0) << "no interrupt line is the stored default";
}

TEST_F(CardInitial, MakesTheCardCurrentSoLaterCallsActOnIt) {
    ASSERT_EQ(W_Kilp_Initial(0, 0x300), 0);
    ASSERT_EQ(W_Kilp_Initial(1, 0x310), 0);
    ASSERT_EQ(W_Kilp_DO_8(2, 0x5A), 0);
    EXPECT_EQ(board(Library::Kilp, 1).output(2), 0x5A);
    EXPECT_EQ(board(Library::Kilp, 0).output(2), 0);
    ASSERT_EQ(W_Kilp_Initial(0, 0x300), 0);
    std::uint8_t value = 0;
    ASSERT_EQ(W_Kilp_Read_Back(2, &value), 0);
    EXPECT_EQ(value, 0);
}

TEST_F(CardInitial, CallsBeforeAnyInitialFailAsNotInitialised) {
    EXPECT_EQ(W_Quem_DA(0, 100), code::kNotInitialized);
    EXPECT_EQ(W_Tepa_DO(1), code::kNotInitialized);
    EXPECT_EQ(_ubri_DO(1, 1), code::kNotInitialized);
    EXPECT_EQ(_ubri_initial(), 0);
    EXPECT_EQ(_ubri_DO(1, 1), 0);
}

}  // namespace
}  // namespace brennix::outside
