#include <gtest/gtest.h>

#include <vector>

#include "tests/drivers/vexa/vexa_fixture.h"

namespace brennix::drivers::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr std::uint32_t kStart = 0x80FF2004;
constexpr std::uint32_t kRelease = 0x80FF2008;
constexpr std::uint32_t kStatus = 0x80FF200C;
constexpr std::uint32_t kArea = 0x00C0FFEE;
constexpr std::int16_t kUntouched = 0x5555;

class VexaDmaRun : public VexaTest {
  protected:
    void SetUp() override {
        VexaTest::SetUp();
        initialize();
        // The device hands out its area at start and takes it back at release.
        bus->onControl(kStart, [](const BusEvent&, std::span<std::uint8_t> out) {
            setFieldAt(out, 0, kArea);
            return true;
        });
        bus->onControl(kRelease, [this](const BusEvent&, std::span<std::uint8_t>) {
            bus->setSampleArea(0, {});
            return true;
        });
    }

    std::int32_t start(std::int32_t count, std::int32_t irq = 5) {
        return W_Vexa_AD_DMA_Start(4, 1, 3, irq, count, buffer.data(), 10, 20);
    }

    // Room for four samples more than any run asks for, to see overruns.
    std::vector<std::int16_t> buffer = std::vector<std::int16_t>(8, kUntouched);
};

TEST_F(VexaDmaRun, ChecksArgumentsInOrderAndChangesNothingWhenRefused) {
    std::int16_t* data = buffer.data();
    EXPECT_EQ(W_Vexa_AD_DMA_Start(16, 12, 2, 8, 4, data, 1, 1), 10);
    EXPECT_EQ(W_Vexa_AD_DMA_Start(0, 12, 2, 8, 4, data, 1, 1), 29);
    EXPECT_EQ(W_Vexa_AD_DMA_Start(0, 11, 2, 8, 4, data, 1, 1), 16);
    EXPECT_EQ(W_Vexa_AD_DMA_Start(0, 11, 1, 8, 4, data, 1, 1), 15);
    EXPECT_EQ(W_Vexa_AD_DMA_Start(0, 11, 3, 15, 4, data, 0, 100), 18);
    EXPECT_TRUE(bus->events().empty());
    std::int32_t running = 0;
    std::int32_t count = 0;
    EXPECT_EQ(W_Vexa_AD_DMA_Status(&running, &count), 26);
    EXPECT_EQ(W_Vexa_AD_DMA_Stop(&count), 26);
}

TEST_F(VexaDmaRun, StartRecordsTheMaskWithoutChangingItAndEndsInMode2) {
    bus->queueReads(0xA1, {0x9E});
    ASSERT_EQ(start(4, 10), 0);
    EXPECT_EQ(journal(),
              (Lines{"W+3=76", "W+1=00", "W+1=00", "W+3=B6", "W+2=00", "W+2=00", "W+9=01",
                     "W+10=14", "W+11=00", "W+8=00", "R 0A1", "C 80FF2004", "W+3=76", "W+1=0A",
                     "W+1=00", "W+3=B6", "W+2=14", "W+2=00", "W+11=02"}));
    auto record = bus->controls(kStart).at(0);
    ASSERT_EQ(record.input.size(), 36U);
    EXPECT_EQ(record.outLength, 36U);
    std::vector<std::uint8_t> expected(36, 0);
    setFieldAt(expected, 4, 1);
    setFieldAt(expected, 8, 4);
    EXPECT_EQ(record.input, expected);
}

TEST_F(VexaDmaRun, EachStartClearsTheRecordTheDeviceFilledBefore) {
    bus->onControl(kStatus, [](const BusEvent&, std::span<std::uint8_t> out) {
        setFieldAt(out, 20, 3);
        setFieldAt(out, 24, 1);
        return true;
    });
    ASSERT_EQ(start(4), 0);
    std::int32_t running = 0;
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_DMA_Status(&running, &count), 0);
    ASSERT_EQ(start(2), 0);
    auto record = bus->controls(kStart).back().input;
    EXPECT_EQ(fieldAt(record, 0), 0U);
    EXPECT_EQ(fieldAt(record, 8), 2U);
    EXPECT_EQ(fieldAt(record, 20), 0U);
    EXPECT_EQ(fieldAt(record, 24), 0U);
}

TEST_F(VexaDmaRun, StatusReportsThePositionAfterTheLastTransferAndTheRunningFlag) {
    ASSERT_EQ(start(4), 0);
    bus->onControl(kStatus, [](const BusEvent&, std::span<std::uint8_t> out) {
        setFieldAt(out, 20, 99);
        setFieldAt(out, 24, 0);
        return true;
    });
    std::int32_t running = -1;
    std::int32_t count = -1;
    ASSERT_EQ(W_Vexa_AD_DMA_Status(&running, &count), 0);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(running, 0);
    bus->onControl(kStatus, [](const BusEvent&, std::span<std::uint8_t> out) {
        setFieldAt(out, 24, 7);
        return true;
    });
    ASSERT_EQ(W_Vexa_AD_DMA_Status(&running, &count), 0);
    EXPECT_EQ(running, 1);
}

TEST_F(VexaDmaRun, StopCopiesTwelveBitSamplesBeforeReleasingTheArea) {
    bus->queueReads(0x21, {0xB8});
    ASSERT_EQ(start(4), 0);
    bus->setSampleArea(kArea, {0xFABC, 0x0123, 0xF000, 0x0FFF});
    bus->clear();
    std::int32_t count = -1;
    ASSERT_EQ(W_Vexa_AD_DMA_Stop(&count), 0);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(buffer, (std::vector<std::int16_t>{0x0ABC, 0x0123, 0x0000, 0x0FFF, kUntouched,
                                                 kUntouched, kUntouched, kUntouched}));
    EXPECT_EQ(journal(), (Lines{"W 021=B8", "W+8=00", "W+11=01", "W+3=76", "W+1=00", "W+1=00",
                                "W+3=B6", "W+2=00", "W+2=00", "C 80FF2008"}));
    EXPECT_EQ(W_Vexa_AD_DMA_Status(&count, &count), 26);
}

TEST_F(VexaDmaRun, StopNeverCopiesBeyondTheRequestedCount) {
    bus->onControl(kStart, [](const BusEvent&, std::span<std::uint8_t> out) {
        setFieldAt(out, 0, kArea);
        setFieldAt(out, 8, 8);
        return true;
    });
    ASSERT_EQ(start(4), 0);
    bus->setSampleArea(kArea, std::vector<std::uint16_t>(8, 0x0777));
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_DMA_Stop(&count), 0);
    EXPECT_EQ(buffer, (std::vector<std::int16_t>{0x777, 0x777, 0x777, 0x777, kUntouched, kUntouched,
                                                 kUntouched, kUntouched}));
}

TEST_F(VexaDmaRun, AnAreaTheDeviceDoesNotKnowLeavesTheBufferAlone) {
    ASSERT_EQ(start(4), 0);
    bus->setSampleArea(kArea + 2, std::vector<std::uint16_t>(4, 1));
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_DMA_Stop(&count), 0);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(buffer, std::vector<std::int16_t>(8, kUntouched));
    EXPECT_EQ(bus->controls(kRelease).size(), 1U);
}

TEST_F(VexaDmaRun, AStopForAnIrqOfTheSlaveRestoresPort0xA1) {
    bus->queueReads(0xA1, {0x42});
    ASSERT_EQ(start(4, 12), 0);
    bus->clear();
    std::int32_t count = 0;
    ASSERT_EQ(W_Vexa_AD_DMA_Stop(&count), 0);
    EXPECT_EQ(bus->writesTo(0xA1), (std::vector<std::uint8_t>{0x42}));
}

}  // namespace
}  // namespace brennix::drivers::testing
