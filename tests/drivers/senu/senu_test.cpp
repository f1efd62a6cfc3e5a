#include <dlfcn.h>
#include <gtest/gtest.h>

#include "drivers/common/busy_loop.h"
#include "drivers/senu/senu.h"
#include "drivers/senu/senu_library.h"
#include "tests/drivers/common/driver_fixture.h"

namespace brennix::drivers::testing {
namespace {

class Senu : public DriverTest<senu::reload> {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        ASSERT_EQ(W_Senu_Initial(0, kBase), 0);
        bus->clear();
    }
    std::int32_t startInterrupt(std::int32_t irq, std::int32_t channel = 6) {
        return W_Senu_AD_INT_Start(channel, 1, irq, 50, buffer.data(), 10, 20);
    }
    std::vector<std::int16_t> buffer = std::vector<std::int16_t>(50);
};

TEST(SenuAttach, WithoutTheAcquisitionDeviceShowsAMessageAndFails) {
    expectFatalAttachWithout<senu::reload>("\\\\.\\BraxVexa",
                                           "Couldn't open BraxVexa interrupt device\n");
}

TEST(SenuAttach, WithoutPortAccessSaysSoOnStandardOutput) {
    expectAttachWithoutPortAccess<senu::reload>();
}

TEST(SenuExports, FollowTheirOwnNumbering) {
    const std::vector<std::string_view> names = {"W_Senu_Initial",
                                                 "W_Senu_Switch_Card_No",
                                                 "W_Senu_DI",
                                                 "W_Senu_DI_Channel",
                                                 "W_Senu_DO",
                                                 "W_Senu_DA",
                                                 "W_Senu_AD_Set_Channel",
                                                 "W_Senu_AD_Set_Gain",
                                                 "W_Senu_AD_Set_Mode",
                                                 "W_Senu_AD_Soft_Trig",
                                                 "W_Senu_AD_Aquire",
                                                 "W_Senu_CLR_IRQ",
                                                 "W_Senu_AD_INT_Start",
                                                 "W_Senu_AD_INT_Status",
                                                 "W_Senu_AD_INT_Stop",
                                                 "W_Senu_AD_Timer"};
    auto table = senu::exports();
    ASSERT_EQ(table.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const ExportEntry* entry = findExport(table, static_cast<std::int32_t>(i + 1));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->name, names[i]);
        void* byName = dlsym(RTLD_DEFAULT, std::string(names[i]).c_str());
        EXPECT_EQ(reinterpret_cast<AnyFunction>(byName), entry->address) << names[i];
    }
}

TEST_F(Senu, TheModeRegisterCarriesTheInterruptLevel) {
    EXPECT_EQ(W_Senu_AD_Set_Mode(9, 6), 0);
    EXPECT_EQ(W_Senu_AD_Set_Mode(5, 3), 0);
    EXPECT_EQ(W_Senu_AD_Set_Mode(8, 1), 15);
    EXPECT_EQ(W_Senu_AD_Set_Mode(10, 1), 15);
    EXPECT_EQ(W_Senu_AD_Set_Mode(8, 7), 23);
    EXPECT_EQ(W_Senu_AD_Set_Mode(5, -1), 23);
    EXPECT_EQ(journal(), (Lines{"W+11=26", "W+11=53"}));
}

TEST_F(Senu, EightChannelsWrittenAsIs) {
    auto before = busyLoopIterations();
    EXPECT_EQ(W_Senu_AD_Set_Channel(7), 0);
    EXPECT_EQ(busyLoopIterations() - before, 1000U);
    EXPECT_EQ(W_Senu_AD_Set_Channel(8), 10);
    EXPECT_EQ(journal(), (Lines{"W+10=07"}));
}

TEST_F(Senu, TheOnlyAnalogOutputIsAtOffsets4And5) {
    EXPECT_EQ(W_Senu_DA(0x0FFF), 0);
    EXPECT_EQ(journal(), (Lines{"W+4=FF", "W+5=0F"}));
}

TEST_F(Senu, APolledConversionStartsFromMode0) {
    bus->queueReads(at(5), {0x01});
    bus->queueReads(at(4), {0x00});
    std::int32_t sample = 0;
    ASSERT_EQ(W_Senu_AD_Aquire(&sample), 0);
    EXPECT_EQ(sample, 0x100);
    EXPECT_EQ(journal(), (Lines{"W+11=00", "W+12=00", "R+5", "R+4"}));
}

TEST_F(Senu, InterruptStartEndsWithTheLevelInTheModeRegister) {
    bus->queueReads(0x21, {0xB8});
    auto before = busyLoopIterations();
    ASSERT_EQ(startInterrupt(5), 0);
    EXPECT_EQ(busyLoopIterations() - before, 700U);
    EXPECT_EQ(
        journal(),
        (Lines{"W+3=76",  "W+1=00",  "W+1=00", "W+3=B6",     "W+2=00",     "W+2=00", "W+9=01",
               "W+10=06", "W+11=00", "W+8=00", "C 80FF2010", "C 80FF201C", "R 021",  "W 021=98",
               "W+3=76",  "W+1=0A",  "W+1=00", "W+3=B6",     "W+2=14",     "W+2=00", "W+11=56"}));
}

TEST_F(Senu, Irq9UnmasksThroughTheCascadeAndIsWrittenAsLevel2) {
    bus->queueReads(0x21, {0xFF});
    bus->queueReads(0xA1, {0xFF});
    ASSERT_EQ(startInterrupt(9), 0);
    EXPECT_EQ(bus->writesTo(0x21), (std::vector<std::uint8_t>{0xFB}));
    EXPECT_EQ(bus->writesTo(0xA1), (std::vector<std::uint8_t>{0xFD}));
    EXPECT_EQ(journal().back(), "W+11=26");
}

TEST_F(Senu, InterruptStartRefusesWhatTheBoardCannotDo) {
    EXPECT_EQ(startInterrupt(5, 8), 10);
    EXPECT_EQ(W_Senu_AD_INT_Start(0, 5, 5, 50, buffer.data(), 10, 20), 29);
    EXPECT_EQ(startInterrupt(10), 15);
    EXPECT_EQ(startInterrupt(8), 15);
    EXPECT_EQ(W_Senu_AD_INT_Start(0, 0, 5, 50, buffer.data(), 2, 5), 18);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(Senu, InterruptStopWritesMode0BeforeRestoringTheMask) {
    std::int32_t count = 0;
    EXPECT_EQ(W_Senu_AD_INT_Stop(&count), 30);
    bus->queueReads(0x21, {0xB8});
    ASSERT_EQ(startInterrupt(3), 0);
    bus->clear();
    ASSERT_EQ(W_Senu_AD_INT_Stop(&count), 0);
    EXPECT_EQ(journal(), (Lines{"W+11=00", "W 021=B8", "W+3=76", "W+1=00", "W+1=00", "W+3=B6",
                                "W+2=00", "W+2=00", "C 80FF2020", "C 80FF2014"}));
}

TEST_F(Senu, InterruptStatusReportsTheEndOfTheRun) {
    ASSERT_EQ(startInterrupt(5), 0);
    bus->onControl(0x80FF2018, [](const BusEvent&, std::span<std::uint8_t> out) {
        setFieldAt(out, 0, 50);
        return true;
    });
    std::int32_t running = -1;
    std::int32_t count = -1;
    ASSERT_EQ(W_Senu_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 0);
    EXPECT_EQ(count, 50);
}

}  // namespace
}  // namespace brennix::drivers::testing
