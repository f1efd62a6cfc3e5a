// A Vexa board driven by raw port writes and device calls alone, the way a
// driver drives it.

#include <gtest/gtest.h>

#include <cmath>

#include "simulator/simulator.h"
#include "tests/simulator/test_support.h"

namespace brennix::sim {
namespace {

using namespace testing;

constexpr std::uint16_t kBase = 0x300;
constexpr std::uint32_t kInterruptStart = 0x80FF2010;
constexpr std::uint32_t kInterruptStop = 0x80FF2014;
constexpr std::uint32_t kInterruptStatus = 0x80FF2018;
constexpr std::uint32_t kHandOver = 0x80FF201C;
constexpr std::uint32_t kSampleRead = 0x80FF2020;
constexpr std::uint32_t kDmaStart = 0x80FF2004;
constexpr std::uint32_t kDmaRelease = 0x80FF2008;
constexpr std::uint32_t kDmaStatus = 0x80FF200C;

// A ramp from -4 V to 4 V every 80 ms: 100 V/s, four codes per 100 us
// sample at +-5 V, so a sample taken one period early or late shows.
SignalConfig fastRamp() {
    SignalConfig ramp;
    ramp.waveform = Waveform::Ramp;
    ramp.amplitude = 4.0;
    ramp.frequencyHz = 12.5;
    return ramp;
}

double rampVolts(double seconds) {
    double cycles = 12.5 * seconds;
    return -4.0 + 8.0 * (cycles - std::floor(cycles));
}

class VexaByPorts : public ::testing::Test {
  protected:
    static BoardConfig board() {
        BoardConfig vexa = makeBoard(BoardType::Vexa, kBase);
        vexa.channels[3] = constantVolts(2.5);
        vexa.channels[9] = constantVolts(1.0);
        vexa.channels[1] = constantVolts(2.0);
        vexa.channels[6] = fastRamp();
        return vexa;
    }

    // Software-triggered conversion as a polling driver does it; -1 when the
    // status never cleared within 101 reads.
    static int convert(int* busyReads = nullptr) {
        put(kBase + 11, 1);
        put(kBase + 12, 0);
        std::uint8_t status = get(kBase + 5);
        int reads = 1;
        while ((status & 0x10) && reads < 101) {
            status = get(kBase + 5);
            ++reads;
        }
        if (busyReads) {
            *busyReads = reads - 1;
        }
        if (status & 0x10) {
            return -1;
        }
        return (status & 0x0F) * 256 + get(kBase + 4);
    }

    static void selectInput(std::uint8_t mux, std::uint8_t range) {
        put(kBase + 9, range);
        put(kBase + 10, mux);
    }

    // Counter 1 and 2 as the pacer: divisor 1 then divisor 2, low byte first.
    static void pacer(std::uint16_t d1, std::uint16_t d2) {
        put(kBase + 3, 0x76);
        put(kBase + 1, d1 & 0xFF);
        put(kBase + 1, d1 >> 8);
        put(kBase + 3, 0xB6);
        put(kBase + 2, d2 & 0xFF);
        put(kBase + 2, d2 >> 8);
    }

    static std::vector<std::uint8_t> interruptRecord(std::uint32_t count, std::uint32_t irq) {
        std::vector<std::uint8_t> record(32, 0);
        setField(record, 4, count);
        setField(record, 8, irq);
        setField(record, 24, 0);
        setField(record, 28, kBase);
        return record;
    }

    ScopedSimulator sim{oneBoard(board())};
};

TEST_F(VexaByPorts, PolledConversionReturnsTheCodeOfTheChannelSignal) {
    selectInput(0x13, 0);  // single-ended channel 3, bipolar 5 V
    int busy = 0;
    EXPECT_EQ(convert(&busy), expectedCode(2.5, -5.0, 5.0));
    EXPECT_EQ(busy, 1) << "the status shows the conversion in progress before it is done";

    selectInput(0x13, 4);  // unipolar 10 V
    EXPECT_EQ(convert(), expectedCode(2.5, 0.0, 10.0));
    selectInput(0x13, 3);  // bipolar 0.625 V: 2.5 V saturates
    EXPECT_EQ(convert(), 4095);
}

TEST_F(VexaByPorts, MultiplexerCodesPickUpperBankAndDifferentialPairs) {
    selectInput(0x29, 8);  // single-ended channel 9, bipolar 10 V
    EXPECT_EQ(convert(), expectedCode(1.0, -10.0, 10.0));
    selectInput(0x31, 0);  // differential pair 1/9: 2 V - 1 V
    EXPECT_EQ(convert(), expectedCode(1.0, -5.0, 5.0));
    selectInput(0x11, 0);
    EXPECT_EQ(convert(), expectedCode(2.0, -5.0, 5.0));
}

TEST_F(VexaByPorts, ConversionThatNeverFinishesKeepsTheBusyBitFor101Reads) {
    sim.simulator().analogBoardAt(kBase)->setConversionReads(1000);
    selectInput(0x13, 0);
    EXPECT_EQ(convert(), -1);
    EXPECT_EQ(sim.journal().readsOf(kBase + 5), 101U);
}

TEST_F(VexaByPorts, CountersLoadLatchAndReadBackLowByteFirst) {
    put(kBase + 3, 0x30);  // counter 0, low then high, mode 0
    put(kBase + 0, 0x34);
    put(kBase + 0, 0x12);
    put(kBase + 3, 0x00);  // latch
    EXPECT_EQ(get(kBase + 0), 0x34);
    EXPECT_EQ(get(kBase + 0), 0x12);

    sim.clock().advance(100);  // 200 pulses of the 2 MHz clock
    put(kBase + 3, 0x00);
    sim.clock().advance(100);  // the latched value does not move
    put(kBase + 3, 0x00);      // nor does a second latch replace it
    int low = get(kBase + 0);
    int high = get(kBase + 0);
    EXPECT_EQ(low + 256 * high, 0x1234 - 200);

    put(kBase + 3, 0x00);  // a fresh latch after the read sees the time since
    low = get(kBase + 0);
    high = get(kBase + 0);
    EXPECT_EQ(low + 256 * high, 0x1234 - 400);
}

TEST_F(VexaByPorts, InterruptRunCollects1000SamplesAt10kHzInVirtualTime) {
    selectInput(0x16, 0);  // channel 6, the ramp
    put(kBase + 11, 0);
    put(kBase + 8, 0);
    auto device = hw::openDevice(kAcquisitionDevice);
    ASSERT_TRUE(device);
    std::uint32_t returned = 0;
    auto record = interruptRecord(1000, 5);
    ASSERT_TRUE(control(device, kInterruptStart, &record, nullptr, returned));
    std::vector<std::uint8_t> buffer(2000, 0);
    ASSERT_TRUE(control(device, kHandOver, &buffer, nullptr, returned));
    pacer(10, 20);  // 2 MHz / 200 = 10 kS/s
    put(kBase + 11, 6);
    const std::uint64_t startedAt = sim.clock().nowMicroseconds();

    std::vector<std::uint8_t> status(32, 0);
    sim.clock().advance(60'000);
    ASSERT_TRUE(control(device, kInterruptStatus, &record, &status, returned));
    EXPECT_EQ(returned, 32U);
    EXPECT_EQ(field(status, 0), 600U);
    EXPECT_EQ(field(status, 28), kBase) << "the rest of the record comes back as sent";

    sim.clock().advance(1'000'000);
    ASSERT_TRUE(control(device, kInterruptStatus, &record, &status, returned));
    EXPECT_EQ(field(status, 0), 1000U) << "the run stops at its count";

    put(kBase + 11, 1);
    pacer(0, 0);
    ASSERT_TRUE(control(device, kSampleRead, nullptr, &buffer, returned));
    EXPECT_EQ(returned, 2000U);
    ASSERT_TRUE(control(device, kInterruptStop, &record, nullptr, returned));

    // Sample i was taken on pacer edge i + 1, 100 us apart.
    for (int i = 0; i < 1000; ++i) {
        double seconds = (startedAt + (i + 1) * 100.0) / 1e6;
        int sample = buffer[2 * i] | (buffer[2 * i + 1] << 8);
        EXPECT_EQ(sample, expectedCode(rampVolts(seconds), -5.0, 5.0)) << "sample " << i;
    }
}

TEST_F(VexaByPorts, SampleReadNeverFillsMoreThanTheCallersBuffer) {
    selectInput(0x13, 0);
    auto device = hw::openDevice(kAcquisitionDevice);
    std::uint32_t returned = 0;
    auto record = interruptRecord(100, 5);
    ASSERT_TRUE(control(device, kInterruptStart, &record, nullptr, returned));
    pacer(10, 20);
    put(kBase + 11, 6);
    sim.clock().advance(20'000);

    std::vector<std::uint8_t> small(12, 0xEE);
    ASSERT_TRUE(device.control(kSampleRead, nullptr, 0, small.data(), 10, returned));
    EXPECT_EQ(returned, 10U);
    EXPECT_EQ(small[10], 0xEE);
    EXPECT_EQ(small[11], 0xEE);
    EXPECT_EQ(small[0] | (small[1] << 8), expectedCode(2.5, -5.0, 5.0));
}

TEST_F(VexaByPorts, NothingIsCollectedUntilThePacerRunsInInterruptMode) {
    selectInput(0x13, 0);
    auto device = hw::openDevice(kAcquisitionDevice);
    std::uint32_t returned = 0;
    auto record = interruptRecord(1000, 5);
    ASSERT_TRUE(control(device, kInterruptStart, &record, nullptr, returned));
    pacer(10, 20);
    sim.clock().advance(50'000);  // pacer running, board still in mode 0
    std::vector<std::uint8_t> status(32, 0);
    ASSERT_TRUE(control(device, kInterruptStatus, &record, &status, returned));
    EXPECT_EQ(field(status, 0), 0U);

    put(kBase + 11, 6);
    sim.clock().advance(10'000);
    put(kBase + 11, 1);  // stopping freezes the count
    sim.clock().advance(10'000);
    ASSERT_TRUE(control(device, kInterruptStatus, &record, &status, returned));
    EXPECT_EQ(field(status, 0), 100U);
}

TEST_F(VexaByPorts, DmaRunFillsTheSampleAreaUntilReleased) {
    selectInput(0x16, 0);
    auto device = hw::openDevice(kAcquisitionDevice);
    std::uint32_t returned = 0;
    std::vector<std::uint8_t> record(36, 0);
    setField(record, 4, 1);
    setField(record, 8, 500);
    ASSERT_TRUE(control(device, kDmaStart, &record, &record, returned));
    EXPECT_EQ(returned, 36U);
    std::uint32_t address = field(record, 0);
    ASSERT_NE(address, 0U);
    ASSERT_NE(device.resolveAddress(address, 1000), nullptr);
    EXPECT_EQ(device.resolveAddress(address, 1002), nullptr) << "past the end of the area";
    EXPECT_EQ(device.resolveAddress(address - 2, 2), nullptr) << "before the area";

    pacer(10, 20);
    put(kBase + 11, 2);
    const std::uint64_t startedAt = sim.clock().nowMicroseconds();
    sim.clock().advance(20'000);
    ASSERT_TRUE(control(device, kDmaStatus, &record, &record, returned));
    EXPECT_EQ(field(record, 20), 199U) << "index of the last sample transferred";
    EXPECT_NE(field(record, 24), 0U) << "still running";

    sim.clock().advance(40'000);
    ASSERT_TRUE(control(device, kDmaStatus, &record, &record, returned));
    EXPECT_EQ(field(record, 20), 499U);
    EXPECT_EQ(field(record, 24), 0U);

    const auto* words = static_cast<const std::uint16_t*>(device.resolveAddress(address, 1000));
    ASSERT_NE(words, nullptr);
    for (int i = 0; i < 500; ++i) {
        double seconds = (startedAt + (i + 1) * 100.0) / 1e6;
        EXPECT_EQ(words[i] & 0x0FFF, expectedCode(rampVolts(seconds), -5.0, 5.0)) << "sample " << i;
        EXPECT_EQ(words[i] >> 12, 6) << "the channel rides in the top bits";
    }

    ASSERT_TRUE(control(device, kDmaRelease, &record, &record, returned));
    EXPECT_EQ(device.resolveAddress(address, 2), nullptr);
}

TEST_F(VexaByPorts, InterruptStartForABaseWithoutABoardFails) {
    auto device = hw::openDevice(kAcquisitionDevice);
    std::uint32_t returned = 0;
    auto record = interruptRecord(10, 5);
    setField(record, 28, 0x3A0);
    EXPECT_FALSE(control(device, kInterruptStart, &record, nullptr, returned));
    std::vector<std::uint8_t> shortRecord(16, 0);
    EXPECT_FALSE(control(device, kInterruptStart, &shortRecord, nullptr, returned));
}

}  // namespace
}  // namespace brennix::sim
