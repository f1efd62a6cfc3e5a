// One call of every function of each library, as the controls make them, and
// the journal lines that pin the argument order of each.

#include <gmock/gmock.h>

#include "outside/fenq.h"
#include "outside/kilp.h"
#include "outside/mavo.h"
#include "outside/nilb.h"
#include "outside/pruv.h"
#include "outside/quem.h"
#include "outside/rulk.h"
#include "outside/tepa.h"
#include "outside/tepab.h"
#include "outside/ubrix.h"
#include "outside/zolt.h"
#include "tests/simulator/outside/outside_fixture.h"

namespace brennix::outside {
namespace {

using ::testing::ElementsAre;

class CallOrder : public OutsideTest {
  protected:
    std::int32_t word_ = 0;
    std::uint8_t byte_ = 0;
    std::uint16_t word16_ = 0;
    std::int16_t sample16_ = 0;
    std::int32_t second_ = 0;
};

TEST_F(CallOrder, Zolt) {
    W_Zolt_Initial(3, 0x220);
    W_Zolt_AD_Set_Channel(5);
    W_Zolt_AD_Set_Gain(2);
    W_Zolt_AD_Channel_Read(5, &word_);
    EXPECT_THAT(journal().lines(),
                ElementsAre("W_Zolt_Initial(3, 544) = 0", "W_Zolt_AD_Set_Channel(5) = 0",
                            "W_Zolt_AD_Set_Gain(2) = 0", "W_Zolt_AD_Channel_Read(5) -> 2048 = 0"));
}

TEST_F(CallOrder, Fenq) {
    W_Fenq_Initial(1, 0x300);
    W_Fenq_AD_Set_Channel(2);
    W_Fenq_AD_Set_Mode(4);
    W_Fenq_AD_Set_Range(1);
    W_Fenq_AD_Soft_Trig();
    W_Fenq_AD_Aquire(&sample16_);
    W_Fenq_DA(1, 2000);
    W_Fenq_DO(0x1234);
    W_Fenq_DI(&word16_);
    W_Fenq_TIMER_Start(3, 100);
    W_Fenq_TIMER_Read(&word_);
    W_Fenq_TIMER_Stop(&word_);
    EXPECT_THAT(journal().lines(),
                ElementsAre("W_Fenq_Initial(1, 768) = 0", "W_Fenq_AD_Set_Channel(2) = 0",
                            "W_Fenq_AD_Set_Mode(4) = 0", "W_Fenq_AD_Set_Range(1) = 0",
                            "W_Fenq_AD_Soft_Trig() = 0", "W_Fenq_AD_Aquire() -> 0 = 0",
                            "W_Fenq_DA(1, 2000) = 0", "W_Fenq_DO(4660) = 0", "W_Fenq_DI() -> 0 = 0",
                            "W_Fenq_TIMER_Start(3, 100) = 0", "W_Fenq_TIMER_Read() -> 100 = 0",
                            "W_Fenq_TIMER_Stop() -> 100 = 0"));
}

TEST_F(CallOrder, Ubrix) {
    _ubri_initial();
    _ubri_AD_Set_Channel_Scan(3, 3);
    _ubri_AD_Set_Mode(1);
    _ubri_AD_Set_Range(4);
    _ubri_AD_Soft_Trigger();
    _ubri_AD_Acquire(&word_);
    _ubri_AD_INT_Status(&word_, &second_);
    _ubri_AD_INT_Stop(&word_, 0);
    _ubri_AD_DMA_Status(&word_, &second_);
    _ubri_AD_DMA_Stop(&word_, 7);
    _ubri_DA(1, 4095);
    _ubri_DO(2, 0x80);
    _ubri_DI(1, &byte_);
    EXPECT_THAT(
        journal().lines(),
        ElementsAre("_ubri_initial() = 0", "_ubri_AD_Set_Channel_Scan(3, 3) = 0",
                    "_ubri_AD_Set_Mode(1) = 0", "_ubri_AD_Set_Range(4) = 0",
                    "_ubri_AD_Soft_Trigger() = 0", "_ubri_AD_Acquire() -> 2048 = 0",
                    "_ubri_AD_INT_Status() -> 0, 0 = 0", "_ubri_AD_INT_Stop(0) -> 0 = 0",
                    "_ubri_AD_DMA_Status() -> 0, 0 = 0", "_ubri_AD_DMA_Stop(7) -> 0 = 0",
                    "_ubri_DA(1, 4095) = 0", "_ubri_DO(2, 128) = 0", "_ubri_DI(1) -> 0 = 0"));
}

TEST_F(CallOrder, Quem) {
    W_Quem_Initial(0, 0x280);
    W_Quem_DA(1, 7);
    EXPECT_THAT(journal().lines(),
                ElementsAre("W_Quem_Initial(0, 640) = 0", "W_Quem_DA(1, 7) = 0"));
}

TEST_F(CallOrder, KilpAndNilb) {
    W_Kilp_Initial(2, 0x300);
    W_Kilp_DO_8(3, 0x41);
    W_Kilp_DI_8(3, &byte_);
    W_Kilp_Read_Back(3, &byte_);
    W_Kilp_Timer_Start(1, 3, 4);
    W_Kilp_Timer_Read(1, &word_);
    W_Kilp_Timer_Stop(1, &word_);
    W_Nilb_Initial(0, 0x310);
    W_Nilb_DO(1, 2);
    W_Nilb_DI(1, &byte_);
    W_Nilb_Read_Back(1, &byte_);
    W_Nilb_Timer_Start(2, 0, 1000);
    W_Nilb_Timer_Read(2, &word_);
    W_Nilb_Timer_Stop(2, &word_);
    EXPECT_THAT(
        journal().lines(),
        ElementsAre("W_Kilp_Initial(2, 768) = 0", "W_Kilp_DO_8(3, 65) = 0",
                    "W_Kilp_DI_8(3) -> 0 = 0", "W_Kilp_Read_Back(3) -> 65 = 0",
                    "W_Kilp_Timer_Start(1, 3, 4) = 0", "W_Kilp_Timer_Read(1) -> 4 = 0",
                    "W_Kilp_Timer_Stop(1) -> 4 = 0", "W_Nilb_Initial(0, 784) = 0",
                    "W_Nilb_DO(1, 2) = 0", "W_Nilb_DI(1) -> 0 = 0", "W_Nilb_Read_Back(1) -> 2 = 0",
                    "W_Nilb_Timer_Start(2, 0, 1000) = 0", "W_Nilb_Timer_Read(2) -> 1000 = 0",
                    "W_Nilb_Timer_Stop(2) -> 1000 = 0"));
}

TEST_F(CallOrder, MavoRulkAndPruvTakeTheInterruptLineThird) {
    W_Mavo_Initial(1, 0x300, 5);
    W_Mavo_DO(0x103, 0xA);
    W_Mavo_DI(0x104, &byte_);
    W_Mavo_Read_Back(0x103, &byte_);
    W_Rulk_Initial(0, 0x2C0, 3);
    W_Rulk_DO(2, 9);
    W_Rulk_DI(2, &byte_);
    W_Rulk_Read_Back(2, &byte_);
    W_Pruv_Initial(4, 0x380, 7);
    W_Pruv_DO(5, 1);
    W_Pruv_DI(5, &byte_);
    W_Pruv_Read_Back(5, &byte_);
    EXPECT_THAT(journal().lines(),
                ElementsAre("W_Mavo_Initial(1, 768, 5) = 0", "W_Mavo_DO(259, 10) = 0",
                            "W_Mavo_DI(260) -> 0 = 0", "W_Mavo_Read_Back(259) -> 10 = 0",
                            "W_Rulk_Initial(0, 704, 3) = 0", "W_Rulk_DO(2, 9) = 0",
                            "W_Rulk_DI(2) -> 0 = 0", "W_Rulk_Read_Back(2) -> 9 = 0",
                            "W_Pruv_Initial(4, 896, 7) = 0", "W_Pruv_DO(5, 1) = 0",
                            "W_Pruv_DI(5) -> 0 = 0", "W_Pruv_Read_Back(5) -> 1 = 0"));
}

TEST_F(CallOrder, TepaAndTepaB) {
    W_Tepa_Initial(0, 0x300);
    W_Tepa_DO(0x3);
    W_Tepa_DI(&byte_);
    W_Tepa_Read_Back(&byte_);
    W_TepaB_Initial(1, 0x300);
    W_TepaB_Read_Back(&word16_);
    W_TepaB_DO(0x8001);
    W_TepaB_DI(&word16_);
    EXPECT_THAT(journal().lines(),
                ElementsAre("W_Tepa_Initial(0, 768) = 0", "W_Tepa_DO(3) = 0",
                            "W_Tepa_DI() -> 0 = 0", "W_Tepa_Read_Back() -> 3 = 0",
                            "W_TepaB_Initial(1, 768) = 0", "W_TepaB_Read_Back() -> 0 = 0",
                            "W_TepaB_DO(32769) = 0", "W_TepaB_DI() -> 0 = 0"));
}

}  // namespace
}  // namespace brennix::outside
