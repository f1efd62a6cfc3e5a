#include <gtest/gtest.h>

#include <vector>

#include "outside/device_codes.h"
#include "tests/drivers/vexa/vexa_fixture.h"

namespace brennix::drivers::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr std::uint32_t kStart = 0x80FF2010;
constexpr std::uint32_t kStop = 0x80FF2014;
constexpr std::uint32_t kStatus = 0x80FF2018;
constexpr std::uint32_t kHandOver = 0x80FF201C;
constexpr std::uint32_t kRead = 0x80FF2020;

const Lines kIdlePacer = {"W+3=76", "W+1=00", "W+1=00", "W+3=B6", "W+2=00", "W+2=00"};

Lines join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class VexaInterruptRun : public VexaTest {
  protected:
    void SetUp() override {
        VexaTest::SetUp();
        initialize();
    }

    std::int32_t start(std::int32_t irq, std::int32_t count = 1000) {
        return W_Vexa_AD_INT_Start(3, 2, irq, count, buffer.data(), 10, 20);
    }
    // The device reports collected samples at the next status call.
    void deviceCollects(std::uint32_t collected) {
        bus->onControl(kStatus, [collected](const BusEvent&, std::span<std::uint8_t> out) {
            setFieldAt(out, 0, collected);
            return true;
        });
    }

    std::vector<std::int16_t> buffer = std::vector<std::int16_t>(1000);
};

TEST_F(VexaInterruptRun, ChecksArgumentsInOrderAndChangesNothingWhenRefused) {
    std::int16_t* data = buffer.data();
    EXPECT_EQ(W_Vexa_AD_INT_Start(16, 12, 8, 10, data, 1, 1), 10);
    EXPECT_EQ(W_Vexa_AD_INT_Start(-1, 0, 5, 10, data, 10, 20), 10);
    EXPECT_EQ(W_Vexa_AD_INT_Start(15, 12, 8, 10, data, 1, 1), 29);
    EXPECT_EQ(W_Vexa_AD_INT_Start(15, -1, 5, 10, data, 10, 20), 29);
    EXPECT_EQ(W_Vexa_AD_INT_Start(15, 11, 8, 10, data, 1, 1), 15);
    for (std::int32_t irq : {0, 1, 8, 13, 16, -1}) {
        EXPECT_EQ(W_Vexa_AD_INT_Start(0, 0, irq, 10, data, 10, 20), 15) << irq;
    }
    EXPECT_EQ(W_Vexa_AD_INT_Start(0, 0, 5, 10, data, 0, 100), 18);
    EXPECT_EQ(W_Vexa_AD_INT_Start(0, 0, 5, 10, data, 1, 50), 18);
    EXPECT_EQ(W_Vexa_AD_INT_Start(0, 0, 5, 10, data, 4, 4), 18);
    EXPECT_TRUE(bus->events().empty());
    std::int32_t count = 0;
    EXPECT_EQ(W_Vexa_AD_INT_Stop(&count), 30);
}

TEST_F(VexaInterruptRun, StartProgramsTheBoardHandsOverAndUnmasksBelowIrq8) {
    bus->queueReads(0x21, {0xB8});
    ASSERT_EQ(start(5), 0);
    EXPECT_EQ(journal(), join({kIdlePacer,
                               {"W+9=02", "W+10=13", "W+11=00", "W+8=00", "C 80FF2010",
                                "C 80FF201C", "R 021", "W 021=98"},
                               {"W+3=76", "W+1=0A", "W+1=00", "W+3=B6", "W+2=14", "W+2=00"},
                               {"W+11=06"}}));
    auto handOver = bus->controls(kHandOver).at(0);
    EXPECT_EQ(handOver.inPointer, buffer.data());
    EXPECT_EQ(handOver.input.size(), 2000U);
}

TEST_F(VexaInterruptRun, TheRecordCarriesCountIrqCardAndBase) {
    ASSERT_EQ(W_Vexa_Initial(1, 0x220), 0);
    ASSERT_EQ(start(11, 600), 0);
    auto record = bus->controls(kStart).at(0).input;
    ASSERT_EQ(record.size(), 32U);
    EXPECT_EQ(fieldAt(record, 4), 600U);
    EXPECT_EQ(fieldAt(record, 8), 11U);
    EXPECT_EQ(fieldAt(record, 12), 0U);
    EXPECT_EQ(fieldAt(record, 24), 1U);
    EXPECT_EQ(fieldAt(record, 28), 0x220U);
}

TEST_F(VexaInterruptRun, Irq9OpensTheCascadeAndTheSlaveLine) {
    bus->queueReads(0x21, {0xFF});
    bus->queueReads(0xA1, {0xFF});
    ASSERT_EQ(start(9), 0);
    EXPECT_EQ(bus->writesTo(0x21), (std::vector<std::uint8_t>{0xFB}));
    EXPECT_EQ(bus->writesTo(0xA1), (std::vector<std::uint8_t>{0xFD}));
    bus->clear();
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    EXPECT_EQ(bus->writesTo(0xA1), (std::vector<std::uint8_t>{0xFF}));
    EXPECT_TRUE(bus->writesTo(0x21).empty());
}

TEST_F(VexaInterruptRun, AFailedDeviceStartShowsErrorAndTheRunStillStarts) {
    bus->refuse(kStart);
    ASSERT_EQ(start(5), 0);
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, "Error");
    EXPECT_EQ(messages.messages()[0].caption, "");
    EXPECT_EQ(bus->controls(kHandOver).size(), 1U);
    EXPECT_EQ(journal().back(), "W+11=06");
}

TEST_F(VexaInterruptRun, StatusReportsRunningUntilTheRequestedCountIsCollected) {
    ASSERT_EQ(start(5), 0);
    std::int32_t running = -1;
    std::int32_t count = -1;
    deviceCollects(600);
    ASSERT_EQ(W_Vexa_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 1);
    EXPECT_EQ(count, 600);
    deviceCollects(1000);
    ASSERT_EQ(W_Vexa_AD_INT_Status(&running, &count), 0);
    EXPECT_EQ(running, 0);
    EXPECT_EQ(count, 1000);
    EXPECT_EQ(bus->controls(kStatus).at(0).input.size(), 32U);
}

TEST_F(VexaInterruptRun, StopRestoresTheMaskIdlesThePacerAndReadsTheSamples) {
    bus->queueReads(0x21, {0xB8});
    ASSERT_EQ(start(5), 0);
    deviceCollects(600);
    std::int32_t running = 0;
    std::int32_t count = 0;
    W_Vexa_AD_INT_Status(&running, &count);
    bus->clear();
    count = -1;
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    EXPECT_EQ(count, 600);
    EXPECT_EQ(journal(), join({{"W+11=01", "W 021=B8"}, kIdlePacer, {"C 80FF2020", "C 80FF2014"}}));
    auto read = bus->controls(kRead).at(0);
    EXPECT_EQ(read.outPointer, buffer.data());
    EXPECT_EQ(read.outLength, 1200U);
    EXPECT_EQ(bus->controls(kStop).at(0).input.size(), 32U);
}

TEST_F(VexaInterruptRun, StopRightAfterStartReadsTheRequestedCount) {
    ASSERT_EQ(start(5), 0);
    std::int32_t count = -1;
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    EXPECT_EQ(bus->controls(kRead).at(0).outLength, 2000U);
    EXPECT_EQ(count, 0);
}

TEST_F(VexaInterruptRun, ADeviceReportingMoreThanRequestedCannotOverrunTheBuffer) {
    ASSERT_EQ(start(5), 0);
    deviceCollects(1500);
    std::int32_t running = 0;
    std::int32_t count = 0;
    W_Vexa_AD_INT_Status(&running, &count);
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    EXPECT_EQ(bus->controls(kRead).at(0).outLength, 2000U);
    EXPECT_EQ(count, 1500);
}

TEST_F(VexaInterruptRun, ASecondStopRepeatsTheStopSteps) {
    ASSERT_EQ(start(5), 0);
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    auto first = journal();
    first.erase(first.begin(), first.end() - 10);
    bus->clear();
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    EXPECT_EQ(journal(), first);
}

TEST_F(VexaInterruptRun, TheCollectedCountIsNeverResetByTheLibrary) {
    ASSERT_EQ(start(5), 0);
    deviceCollects(1000);
    std::int32_t running = 0;
    std::int32_t count = 0;
    W_Vexa_AD_INT_Status(&running, &count);
    ASSERT_EQ(start(5, 50), 0);
    EXPECT_EQ(fieldAt(bus->controls(kStart).back().input, 0), 1000U);
}

TEST_F(VexaInterruptRun, ANegativeCountHandsOverNoBytes) {
    ASSERT_EQ(start(5, -4), 0);
    EXPECT_TRUE(bus->controls(kHandOver).at(0).input.empty());
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_INT_Stop(&count), 0);
    EXPECT_EQ(bus->controls(kRead).at(0).outLength, 0U);
}

}  // namespace
}  // namespace brennix::drivers::testing
