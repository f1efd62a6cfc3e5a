#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "drivers/common/busy_loop.h"
#include "tests/drivers/vexa/vexa_fixture.h"

namespace brennix::drivers::testing {
namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

using VexaAttach = VexaTest;

TEST_F(VexaAttach, OpensBothDevicesAndReportsSuccessSilently) {
    CaptureStdout();
    EXPECT_EQ(vexa::reload(), 1);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(vexa::attachReport(), 1);
    EXPECT_EQ(bus->openDevices(), 2U);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(VexaAttach, WithoutPortAccessSaysSoOnStandardOutputAndStaysUsable) {
    bus->setAvailable("\\\\.\\dio", false);
    CaptureStdout();
    EXPECT_EQ(vexa::reload(), -1);
    EXPECT_EQ(GetCapturedStdout(), "Couldn't access giveio device\n");
    EXPECT_EQ(bus->openDevices(), 0U);
    EXPECT_EQ(W_Vexa_Initial(0, kBase), 0);
    EXPECT_EQ(W_Vexa_DO(0, 1), 0);
}

TEST_F(VexaAttach, WithoutTheAcquisitionDeviceSaysSoOnStandardOutput) {
    bus->setAvailable("\\\\.\\BraxVexa", false);
    CaptureStdout();
    EXPECT_EQ(vexa::reload(), -1);
    EXPECT_EQ(GetCapturedStdout(), "Couldn't access USERDMA device\n");
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(vexa::attachReport(), -1);
}

// Reads would answer 0xFF and writes go nowhere: the card is reported as one
// that cannot be driven rather than as a board showing all ones.
TEST_F(VexaAttach, WithThePortGrantRefusedCardOperationsReportNotInitialized) {
    bus->setPortsAccessible(false);
    ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
    std::uint8_t byte = 0x5A;
    std::int32_t sample = 77;
    EXPECT_EQ(W_Vexa_DI(0, &byte), 1);
    EXPECT_EQ(W_Vexa_AD_Aquire(&sample), 1);
    EXPECT_EQ(W_Vexa_DO(0, 1), 1);
    EXPECT_EQ(W_Vexa_TIMER_Read(&sample), 1);
    EXPECT_TRUE(bus->events().empty());
    EXPECT_EQ(byte, 0x5A);
    EXPECT_EQ(sample, 77);
    bus->setPortsAccessible(true);
    EXPECT_EQ(W_Vexa_DO(0, 1), 0);
}

TEST_F(VexaAttach, DetachClosesTheDevicesOfTheLastAttach) {
    auto other = std::make_shared<FakeBus>();
    {
        hw::ScopedBackend scope(other);
        ASSERT_EQ(vexa::reload(), 1);
    }
    EXPECT_EQ(bus->openDevices(), 0U);
    EXPECT_EQ(other->openDevices(), 2U);
    vexa::reload();
    EXPECT_EQ(other->openDevices(), 0U);
}

TEST_F(VexaAttach, ReloadForgetsTheCardTable) {
    ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
    vexa::reload();
    EXPECT_EQ(W_Vexa_DO(0, 1), 1);
}

using VexaCards = VexaTest;

TEST_F(VexaCards, AtLoadEveryOperationButInitialAndSwitchReportsNotInitialized) {
    std::uint8_t byte = 0x5A;
    std::int32_t a = 77;
    std::int32_t b = 88;
    std::int16_t buffer[4] = {};
    const std::vector<std::function<std::int32_t()>> operations = {
        [&] { return W_Vexa_DI(0, &byte); },
        [&] { return W_Vexa_DI_Channel(0, &a); },
        [&] { return W_Vexa_DO(0, 1); },
        [&] { return W_Vexa_DA(0, 1); },
        [&] { return W_Vexa_AD_Set_Channel(0); },
        [&] { return W_Vexa_AD_Set_Range(0); },
        [&] { return W_Vexa_AD_Set_Mode(0); },
        [&] { return W_Vexa_AD_Soft_Trig(); },
        [&] { return W_Vexa_AD_Aquire(&a); },
        [&] { return W_Vexa_CLR_IRQ(); },
        [&] { return W_Vexa_AD_DMA_Start(0, 0, 1, 5, 4, buffer, 10, 20); },
        [&] { return W_Vexa_AD_DMA_Status(&a, &b); },
        [&] { return W_Vexa_AD_DMA_Stop(&a); },
        [&] { return W_Vexa_AD_INT_Start(0, 0, 5, 4, buffer, 10, 20); },
        [&] { return W_Vexa_AD_INT_Status(&a, &b); },
        [&] { return W_Vexa_AD_INT_Stop(&a); },
        [&] { return W_Vexa_AD_Timer(10, 20); },
        [&] { return W_Vexa_TIMER_Start(0, 5); },
        [&] { return W_Vexa_TIMER_Read(&a); },
        [&] { return W_Vexa_TIMER_Stop(&a); },
        [&] { return W_Vexa_AD_Input_Mode(1); },
    };
    for (std::size_t i = 0; i < operations.size(); ++i) {
        EXPECT_EQ(operations[i](), 1) << "operation " << i;
    }
    EXPECT_TRUE(bus->events().empty());
    EXPECT_EQ(byte, 0x5A);
    EXPECT_EQ(a, 77);
    EXPECT_EQ(b, 88);
}

TEST_F(VexaCards, InitialAcceptsEvenBasesFrom0x200To0x3F0WithoutTouchingAPort) {
    EXPECT_EQ(W_Vexa_Initial(0, 0x200), 0);
    EXPECT_EQ(W_Vexa_Initial(0, 0x3F0), 0);
    EXPECT_TRUE(bus->events().empty());
    EXPECT_EQ(W_Vexa_DO(0, 0x11), 0);
    EXPECT_EQ(trace(*bus, 0x3F0), std::vector<std::string>{"W+13=11"});
}

TEST_F(VexaCards, InitialWithAnInvalidBaseLeavesTheCardNotInitialized) {
    for (std::int32_t base : {0x1FE, 0x3F2, 0x301, -0x300}) {
        ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
        EXPECT_EQ(W_Vexa_Initial(0, base), 4) << base;
        EXPECT_EQ(W_Vexa_DO(0, 1), 1) << base;
    }
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(VexaCards, InitialOfACardOutsideTheTableChangesNothing) {
    ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
    EXPECT_EQ(W_Vexa_Initial(2, 0x200), 2);
    EXPECT_EQ(W_Vexa_Initial(-1, 0x200), 2);
    EXPECT_EQ(W_Vexa_DO(0, 1), 0);
    EXPECT_EQ(journal(), std::vector<std::string>{"W+13=01"});
}

TEST_F(VexaCards, TheMostRecentlyInitializedCardIsCurrent) {
    ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
    ASSERT_EQ(W_Vexa_Initial(1, 0x200), 0);
    W_Vexa_DO(0, 1);
    EXPECT_EQ(trace(*bus, 0x200), std::vector<std::string>{"W+13=01"});
    bus->clear();
    EXPECT_EQ(W_Vexa_Switch_Card_No(0), 0);
    W_Vexa_DO(0, 2);
    EXPECT_EQ(journal(), std::vector<std::string>{"W+13=02"});
}

TEST_F(VexaCards, AnInvalidBaseForAnotherCardKeepsTheCurrentOne) {
    ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
    EXPECT_EQ(W_Vexa_Initial(1, 0x1FF), 4);
    EXPECT_EQ(W_Vexa_DO(0, 3), 0);
    EXPECT_EQ(journal(), std::vector<std::string>{"W+13=03"});
}

TEST_F(VexaCards, SwitchingToACardNotInitializedKeepsTheCurrentCard) {
    ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
    EXPECT_EQ(W_Vexa_Switch_Card_No(1), 1);
    EXPECT_EQ(W_Vexa_Switch_Card_No(2), 2);
    EXPECT_EQ(W_Vexa_Switch_Card_No(-1), 2);
    EXPECT_EQ(W_Vexa_DO(1, 4), 0);
    EXPECT_EQ(journal(), std::vector<std::string>{"W+14=04"});
}

TEST(VexaExports, CarryTheirNumbersAndResolveByName) {
    const std::vector<std::string_view> names = {"W_Vexa_Initial",
                                                 "W_Vexa_Switch_Card_No",
                                                 "W_Vexa_DI",
                                                 "W_Vexa_DI_Channel",
                                                 "W_Vexa_DO",
                                                 "W_Vexa_DA",
                                                 "W_Vexa_AD_Set_Channel",
                                                 "W_Vexa_AD_Set_Range",
                                                 "W_Vexa_AD_Set_Mode",
                                                 "W_Vexa_AD_Soft_Trig",
                                                 "W_Vexa_AD_Aquire",
                                                 "W_Vexa_CLR_IRQ",
                                                 "W_Vexa_AD_DMA_Start",
                                                 "W_Vexa_AD_DMA_Status",
                                                 "W_Vexa_AD_DMA_Stop",
                                                 "W_Vexa_AD_INT_Start",
                                                 "W_Vexa_AD_INT_Status",
                                                 "W_Vexa_AD_INT_Stop",
                                                 "W_Vexa_AD_Timer",
                                                 "W_Vexa_TIMER_Start",
                                                 "W_Vexa_TIMER_Read",
                                                 "W_Vexa_TIMER_Stop",
                                                 "W_Vexa_AD_Input_Mode"};
    auto table = vexa::exports();
    ASSERT_EQ(table.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto number = static_cast<std::int32_t>(i + 1);
        const ExportEntry* entry = findExport(table, number);
        ASSERT_NE(entry, nullptr) << number;
        EXPECT_EQ(entry->name, names[i]);
        void* byName = dlsym(RTLD_DEFAULT, std::string(names[i]).c_str());
        EXPECT_EQ(reinterpret_cast<AnyFunction>(byName), entry->address) << names[i];
    }
    EXPECT_EQ(findExport(table, 24), nullptr);
}

TEST(BusyLoops, CountEveryIteration) {
    auto before = busyLoopIterations();
    busyLoop(1000);
    busyLoop(0);
    busyLoop(-5);
    EXPECT_EQ(busyLoopIterations() - before, 1000U);
}

}  // namespace
}  // namespace brennix::drivers::testing
