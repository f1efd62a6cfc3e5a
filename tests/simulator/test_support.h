#pragma once
// Raw register access helpers shared by the simulator tests.

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/hw/device.h"
#include "platform/hw/ports.h"
#include "simulator/config.h"

namespace brennix::sim::testing {

inline SimulatorConfig oneBoard(BoardConfig board) {
    SimulatorConfig config;
    config.boards.push_back(board);
    return config;
}

inline SignalConfig constantVolts(double volts) {
    SignalConfig signal;
    signal.offset = volts;
    return signal;
}

// The converter's code for volts in [low, high], as a data sheet states it.
inline int expectedCode(double volts, double low, double high) {
    double code = std::round((volts - low) / (high - low) * 4095.0);
    return static_cast<int>(std::fmin(4095.0, std::fmax(0.0, code)));
}

inline void put(std::uint16_t port, std::uint8_t value) {
    hw::writeByte(port, value);
}

inline std::uint8_t get(std::uint16_t port) {
    return hw::readByte(port);
}

inline std::uint32_t field(const std::vector<std::uint8_t>& record, std::size_t offset) {
    return static_cast<std::uint32_t>(record[offset]) |
           (static_cast<std::uint32_t>(record[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(record[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(record[offset + 3]) << 24);
}

inline void setField(std::vector<std::uint8_t>& record, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline bool control(hw::DeviceHandle& device, std::uint32_t code, std::vector<std::uint8_t>* in,
                    std::vector<std::uint8_t>* out, std::uint32_t& returned) {
    return device.control(
        code, in ? in->data() : nullptr, in ? static_cast<std::uint32_t>(in->size()) : 0,
        out ? out->data() : nullptr, out ? static_cast<std::uint32_t>(out->size()) : 0, returned);
}

}  // namespace brennix::sim::testing
