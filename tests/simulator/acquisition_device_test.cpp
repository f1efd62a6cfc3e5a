// The acquisition devices beyond the Vexa interrupt path: the Dorv device,
// DMA areas across runs, and injected failures.

#include <gtest/gtest.h>

#include "simulator/simulator.h"
#include "tests/simulator/test_support.h"

namespace brennix::sim {
namespace {

using namespace testing;

SimulatorConfig dorvAndVexa() {
    SimulatorConfig config;
    BoardConfig dorv = makeBoard(BoardType::Dorv, 0x2C0);
    dorv.interruptRateHz = 1000;
    config.boards.push_back(dorv);
    BoardConfig vexa = makeBoard(BoardType::Vexa, 0x300);
    vexa.channels[0] = constantVolts(1.0);
    config.boards.push_back(vexa);
    return config;
}

std::vector<std::uint8_t> words32(std::initializer_list<std::uint32_t> values) {
    std::vector<std::uint8_t> bytes(values.size() * 4);
    std::size_t i = 0;
    for (auto v : values) {
        setField(bytes, 4 * i++, v);
    }
    return bytes;
}

class AcquisitionDevices : public ::testing::Test {
  protected:
    ScopedSimulator sim{dorvAndVexa()};
};

TEST_F(AcquisitionDevices, DorvRunWritesEachSlotsValuesToItsChannelAsInterruptsArrive) {
    auto device = hw::openDevice(kDorvAcquisitionDevice);
    ASSERT_TRUE(device);
    std::uint32_t returned = 0;
    auto values = words32({0x100, 0x200, 0x300, 0x400});
    ASSERT_TRUE(control(device, 0x80FF2018 + 4, &values, nullptr, returned));  // slot 1

    std::vector<std::uint8_t> record(64, 0);
    setField(record, 4, 4);
    setField(record, 8 + 4, 0x2C0 + 2 * 3);  // slot 1 drives channel 3
    for (int k = 0; k < 6; ++k) {
        setField(record, 32 + 4 * k, 1);
    }
    setField(record, 60, 0x2C0);
    ASSERT_TRUE(control(device, 0x80FF200C, &record, nullptr, returned));

    sim.clock().advance(2'500);  // two interrupts at 1 kHz
    std::vector<std::uint8_t> status(64, 0);
    ASSERT_TRUE(control(device, 0x80FF2014, &record, &status, returned));
    EXPECT_EQ(field(status, 0), 2U);
    EXPECT_EQ(sim.simulator().dorvBoardAt(0x2C0)->analogOutput(3), 0x200);

    sim.clock().advance(100'000);
    ASSERT_TRUE(control(device, 0x80FF2014, &record, &status, returned));
    EXPECT_EQ(field(status, 0), 4U) << "never past the run's count";
    EXPECT_EQ(sim.simulator().dorvBoardAt(0x2C0)->analogOutput(3), 0x400);
    EXPECT_TRUE(control(device, 0x80FF2010, &record, nullptr, returned));
}

TEST_F(AcquisitionDevices, DorvRunNeedsADorvBoardAtTheRecordsBase) {
    auto device = hw::openDevice(kDorvAcquisitionDevice);
    std::vector<std::uint8_t> record(64, 0);
    setField(record, 4, 4);
    setField(record, 60, 0x300);
    std::uint32_t returned = 0;
    EXPECT_FALSE(control(device, 0x80FF200C, &record, nullptr, returned));
}

TEST_F(AcquisitionDevices, EveryDmaStartHandsOutAFreshAddress) {
    auto device = hw::openDevice(kAcquisitionDevice);
    std::uint32_t returned = 0;
    std::vector<std::uint8_t> record(36, 0);
    setField(record, 8, 100);
    ASSERT_TRUE(control(device, 0x80FF2004, &record, &record, returned));
    std::uint32_t first = field(record, 0);
    ASSERT_TRUE(control(device, 0x80FF2004, &record, &record, returned));
    std::uint32_t second = field(record, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(device.resolveAddress(first, 2), nullptr) << "the earlier area is gone";
    EXPECT_NE(device.resolveAddress(second, 200), nullptr);
    device.close();
    EXPECT_EQ(device.resolveAddress(second, 2), nullptr);
}

TEST_F(AcquisitionDevices, DmaAreaIsFedByTheBoardThatPacesInDmaMode) {
    SimulatorConfig config = dorvAndVexa();
    BoardConfig olmi = makeBoard(BoardType::Olmi, 0x220);
    olmi.channels[5] = constantVolts(-2.0);
    config.boards.push_back(olmi);
    ScopedSimulator inner{config};
    auto device = hw::openDevice(kAcquisitionDevice);
    std::uint32_t returned = 0;
    std::vector<std::uint8_t> record(36, 0);
    setField(record, 8, 10);
    ASSERT_TRUE(control(device, 0x80FF2004, &record, &record, returned));
    put(0x300 + 11, 6);  // the Vexa paces interrupts, not DMA
    for (std::uint16_t base : {0x300, 0x220}) {
        put(base + 3, 0x76);
        put(base + 1, 10);
        put(base + 1, 0);
        put(base + 3, 0xB6);
        put(base + 2, 20);
        put(base + 2, 0);
    }
    put(0x220 + 10, 5);
    put(0x220 + 11, 2);
    inner.clock().advance(5'000);
    const auto* words =
        static_cast<const std::uint16_t*>(device.resolveAddress(field(record, 0), 20));
    ASSERT_NE(words, nullptr);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(words[i], (5 << 12) | expectedCode(-2.0, -5.0, 5.0)) << "word " << i;
    }
}

TEST_F(AcquisitionDevices, OversizedRunsAreRefused) {
    auto device = hw::openDevice(kAcquisitionDevice);
    std::uint32_t returned = 0;
    std::vector<std::uint8_t> record(36, 0);
    setField(record, 8, kMaxRunSamples + 1);
    EXPECT_FALSE(control(device, 0x80FF2004, &record, &record, returned));
    setField(record, 8, 0xFFFFFFFF);  // -1
    EXPECT_FALSE(control(device, 0x80FF2004, &record, &record, returned));
}

TEST_F(AcquisitionDevices, InjectedFailuresAreSeenByTheCaller) {
    sim.simulator().setDeviceAvailable(kAcquisitionDevice, false);
    EXPECT_FALSE(hw::openDevice(kAcquisitionDevice));
    EXPECT_TRUE(hw::openDevice("\\\\.\\DIO")) << "device names ignore case";
    sim.simulator().setDeviceAvailable(kAcquisitionDevice, true);

    auto device = hw::openDevice(kAcquisitionDevice);
    sim.simulator().refuseControl(0x80FF2010);
    std::vector<std::uint8_t> record(32, 0);
    setField(record, 4, 10);
    setField(record, 28, 0x300);
    std::uint32_t returned = 0;
    EXPECT_FALSE(control(device, 0x80FF2010, &record, nullptr, returned));
    sim.simulator().refuseControl(0);
    EXPECT_TRUE(control(device, 0x80FF2010, &record, nullptr, returned));

    auto calls = sim.journal().controls(0x80FF2010);
    ASSERT_EQ(calls.size(), 2U);
    EXPECT_FALSE(calls[0].ok);
    EXPECT_TRUE(calls[1].ok);
    EXPECT_EQ(calls[1].input, record);
}

TEST_F(AcquisitionDevices, AHandleMayOutliveItsSimulator) {
    hw::DeviceHandle survivor;
    {
        ScopedSimulator inner{dorvAndVexa()};
        survivor = hw::openDevice(kAcquisitionDevice);
        std::vector<std::uint8_t> record(32, 0);
        setField(record, 4, 10);
        setField(record, 28, 0x300);
        std::uint32_t returned = 0;
        ASSERT_TRUE(control(survivor, 0x80FF2010, &record, nullptr, returned));
    }
    std::vector<std::uint8_t> status(32, 0);
    std::vector<std::uint8_t> record(32, 0);
    std::uint32_t returned = 0;
    EXPECT_TRUE(control(survivor, 0x80FF2018, &record, &status, returned));
    survivor.close();
}

}  // namespace
}  // namespace brennix::sim
