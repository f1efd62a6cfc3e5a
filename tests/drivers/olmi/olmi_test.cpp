#include <dlfcn.h>
#include <gtest/gtest.h>

#include "drivers/common/busy_loop.h"
#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"
#include "tests/drivers/common/driver_fixture.h"

namespace brennix::drivers::testing {
namespace {

constexpr std::uint32_t kStatus = 0x80FF2018;
constexpr std::uint32_t kRead = 0x80FF2020;

class Olmi : public DriverTest<olmi::reload> {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        ASSERT_EQ(W_Olmi_Initial(0, kBase), 0);
        bus->clear();
    }
    std::int32_t startInterrupt(std::int32_t irq, std::int32_t gain = 2) {
        return W_Olmi_AD_INT_Start(12, gain, irq, 100, buffer.data(), 10, 20);
    }
    std::vector<std::int16_t> buffer = std::vector<std::int16_t>(100);
};

TEST(OlmiAttach, WithoutTheAcquisitionDeviceShowsAMessageAndFails) {
    expectFatalAttachWithout<olmi::reload>("\\\\.\\BraxVexa",
                                           "Couldn't open BraxVexa interrupt device\n");
    EXPECT_EQ(olmi::attachReport(), 0);
}

TEST(OlmiAttach, WithoutPortAccessSaysSoOnStandardOutput) {
    expectAttachWithoutPortAccess<olmi::reload>();
}

TEST(OlmiExports, NumberTheVexaSetWithGainAndWithoutInputMode) {
    auto table = olmi::exports();
    ASSERT_EQ(table.size(), 22U);
    EXPECT_EQ(findExport(table, 8)->name, "W_Olmi_AD_Set_Gain");
    EXPECT_EQ(findExport(table, 11)->name, "W_Olmi_AD_Aquire");
    EXPECT_EQ(findExport(table, 13)->name, "W_Olmi_AD_DMA_Start");
    EXPECT_EQ(findExport(table, 16)->name, "W_Olmi_AD_INT_Start");
    EXPECT_EQ(findExport(table, 22)->name, "W_Olmi_TIMER_Stop");
    EXPECT_EQ(findExport(table, 23), nullptr);
    for (const auto& entry : table) {
        void* byName = dlsym(RTLD_DEFAULT, std::string(entry.name).c_str());
        EXPECT_EQ(reinterpret_cast<AnyFunction>(byName), entry.address) << entry.name;
    }
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "W_Olmi_AD_Input_Mode"), nullptr);
}

TEST_F(Olmi, GainCodesRun0To4) {
    EXPECT_EQ(W_Olmi_AD_Set_Gain(4), 0);
    EXPECT_EQ(W_Olmi_AD_Set_Gain(5), 29);
    EXPECT_EQ(W_Olmi_AD_Set_Gain(-1), 29);
    EXPECT_EQ(journal(), (Lines{"W+9=04"}));
}

TEST_F(Olmi, TheChannelIsWrittenAsIsAndSettles) {
    auto before = busyLoopIterations();
    EXPECT_EQ(W_Olmi_AD_Set_Channel(12), 0);
    EXPECT_EQ(busyLoopIterations() - before, 1000U);
    EXPECT_EQ(W_Olmi_AD_Set_Channel(16), 10);
    EXPECT_EQ(journal(), (Lines{"W+10=0C"}));
}

TEST_F(Olmi, SharedOperationsUseTheVexaRegisters) {
    bus->queueReads(at(5), {0x02});
    bus->queueReads(at(4), {0x10});
    std::int32_t sample = 0;
    std::uint8_t byte = 0;
    EXPECT_EQ(W_Olmi_DI(1, &byte), 0);
    EXPECT_EQ(W_Olmi_DO(0, 0x81), 0);
    EXPECT_EQ(W_Olmi_DA(1, 0x0234), 0);
    EXPECT_EQ(W_Olmi_AD_Aquire(&sample), 0);
    EXPECT_EQ(sample, 0x210);
    EXPECT_EQ(W_Olmi_TIMER_Start(2, 3), 0);
    EXPECT_EQ(journal(), (Lines{"R+7", "W+13=81", "W+6=34", "W+7=02", "W+11=01", "W+12=00", "R+5",
                                "R+4", "W+3=34", "W+0=03", "W+0=00"}));
}

TEST_F(Olmi, InterruptStartRecordsTheMaskWithoutUnmasking) {
    bus->queueReads(0x21, {0xB8});
    auto before = busyLoopIterations();
    ASSERT_EQ(startInterrupt(5), 0);
    EXPECT_EQ(busyLoopIterations() - before, 700U);
    EXPECT_EQ(journal(),
              (Lines{"W+3=76",  "W+1=00",  "W+1=00", "W+3=B6",     "W+2=00",     "W+2=00", "W+9=02",
                     "W+10=0C", "W+11=00", "W+8=00", "C 80FF2010", "C 80FF201C", "R 021",  "W+3=76",
                     "W+1=0A",  "W+1=00",  "W+3=B6", "W+2=14",     "W+2=00",     "W+11=06"}));
}

TEST_F(Olmi, InterruptStopRestoresTheMaskBeforeTheModeRegister) {
    bus->queueReads(0xA1, {0x8E});
    ASSERT_EQ(startInterrupt(10), 0);
    bus->clear();
    std::int32_t count = -1;
    ASSERT_EQ(W_Olmi_AD_INT_Stop(&count), 0);
    EXPECT_EQ(journal(), (Lines{"W 0A1=8E", "W+11=01", "W+3=76", "W+1=00", "W+1=00", "W+3=B6",
                                "W+2=00", "W+2=00", "C 80FF2020", "C 80FF2014"}));
    EXPECT_EQ(bus->controls(kRead).at(0).outLength, 200U);
}

TEST_F(Olmi, InterruptStopWithoutARunIsRefusedWith27) {
    std::int32_t count = 5;
    EXPECT_EQ(W_Olmi_AD_INT_Stop(&count), 27);
    EXPECT_EQ(count, 5);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(Olmi, InterruptStatusReportsTheEndOfTheRun) {
    ASSERT_EQ(startInterrupt(5), 0);
    std::uint32_t collected = 40;
    bus->onControl(kStatus, [&collected](const BusEvent&, std::span<std::uint8_t> out) {
        setFieldAt(out, 0, collected);
        return true;
    });
    std::int32_t running = -1;
    std::int32_t count = -1;
    ASSERT_EQ(W_Olmi_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 1);
    EXPECT_EQ(count, 40);
    collected = 100;
    ASSERT_EQ(W_Olmi_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 0);
    EXPECT_EQ(count, 100);
}

TEST_F(Olmi, StartsCheckTheGainInPlaceOfTheRange) {
    EXPECT_EQ(startInterrupt(5, 5), 29);
    EXPECT_EQ(W_Olmi_AD_DMA_Start(0, 5, 1, 5, 10, buffer.data(), 10, 20), 29);
    EXPECT_EQ(W_Olmi_AD_DMA_Start(0, 4, 2, 5, 10, buffer.data(), 10, 20), 16);
    EXPECT_EQ(startInterrupt(13), 15);
    EXPECT_TRUE(bus->events().empty());
}

TEST_F(Olmi, DmaStartWritesTheChannelDirectly) {
    ASSERT_EQ(W_Olmi_AD_DMA_Start(9, 3, 1, 5, 10, buffer.data(), 10, 20), 0);
    EXPECT_EQ(bus->writesTo(at(10)), (std::vector<std::uint8_t>{9}));
    EXPECT_EQ(bus->writesTo(at(9)), (std::vector<std::uint8_t>{3}));
    EXPECT_EQ(journal().back(), "W+11=02");
}

}  // namespace
}  // namespace brennix::drivers::testing
