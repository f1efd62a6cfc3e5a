#include "drivers/common/board_io.h"

#include "drivers/common/busy_loop.h"
#include "drivers/common/return_codes.h"

namespace brennix::drivers {
namespace {

constexpr std::uint8_t kConversionBusy = 0x10;

}  // namespace

std::int32_t readDigitalPort(const BoardPorts& ports, const DigitalLayout& layout,
                             std::int32_t port, std::uint8_t* value) {
    if (port != 0 && port != 1) {
        return code::kBadDigitalPort;
    }
    std::uint8_t byte = ports.read(port == 0 ? layout.input0 : layout.input1);
    if (value != nullptr) {
        *value = byte;
    }
    return code::kSuccess;
}

std::int32_t readDigitalBit(const BoardPorts& ports, const DigitalLayout& layout,
                            std::int32_t channel, std::int32_t* value) {
    if (channel < 0 || channel > 15) {
        return code::kBadDigitalBit;
    }
    std::uint8_t byte = 0;
    readDigitalPort(ports, layout, channel / 8, &byte);
    if (value != nullptr) {
        *value = (byte >> (channel % 8)) & 1;
    }
    return code::kSuccess;
}

std::int32_t writeDigitalPort(const BoardPorts& ports, const DigitalLayout& layout,
                              std::int32_t port, std::int32_t value) {
    if (port != 0 && port != 1) {
        return code::kBadDigitalPort;
    }
    ports.write(port == 0 ? layout.output0 : layout.output1, static_cast<std::uint32_t>(value));
    return code::kSuccess;
}

std::int32_t writeAnalog(const BoardPorts& ports, const AnalogOutLayout& layout,
                         std::int32_t channel, std::int32_t value) {
    if (channel < 0 || channel >= layout.channels) {
        return code::kBadDaChannel;
    }
    auto bits = static_cast<std::uint32_t>(value);
    std::int32_t offset = layout.first + 2 * channel;
    bool lowFirst = layout.order == ByteOrder::LowFirst;
    ports.write(offset, lowFirst ? lowByte(bits) : highByte(bits));
    ports.write(offset + 1, lowFirst ? highByte(bits) : lowByte(bits));
    return code::kSuccess;
}

std::int32_t writeRegister(const BoardPorts& ports, std::int32_t offset, std::int32_t value) {
    ports.write(offset, static_cast<std::uint32_t>(value));
    return code::kSuccess;
}

std::int32_t setMode(const BoardPorts& ports, std::int32_t mode, std::int32_t lastMode) {
    if (mode < 0 || mode > lastMode) {
        return code::kBadMode;
    }
    return writeRegister(ports, kModeRegister, mode);
}

std::int32_t setGain(const BoardPorts& ports, std::int32_t gain) {
    if (gain < 0 || gain > 4) {
        return code::kBadRangeOrGain;
    }
    return writeRegister(ports, kRangeRegister, gain);
}

std::int32_t selectChannelNumber(const BoardPorts& ports, std::int32_t channel,
                                 std::int32_t lastChannel) {
    if (channel < 0 || channel > lastChannel) {
        return code::kBadAdChannel;
    }
    ports.write(kMultiplexer, static_cast<std::uint32_t>(channel));
    busyLoop(kChannelSettling);
    return code::kSuccess;
}

void selectRunChannelNumber(const BoardPorts& ports, std::int32_t channel) {
    ports.write(kMultiplexer, static_cast<std::uint32_t>(channel));
    busyLoop(kRunChannelSettling);
}

std::int32_t convertOnce(const BoardPorts& ports, std::uint8_t pollMode, std::int32_t* sample) {
    ports.write(kModeRegister, pollMode);
    ports.write(kSoftwareTrigger, 0);
    busyLoop(kConversionDelay);
    std::uint8_t status = ports.read(kAdStatus);
    for (std::int32_t reads = 1; status & kConversionBusy; ++reads) {
        if (reads == kStatusPolls) {
            return code::kConversionTimeout;
        }
        status = ports.read(kAdStatus);
    }
    std::uint8_t low = ports.read(kAdLow);
    if (sample != nullptr) {
        *sample = (status & 0x0F) * 256 + low;
    }
    return code::kSuccess;
}

}  // namespace brennix::drivers
