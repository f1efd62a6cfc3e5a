#pragma once
// Boards whose ports sit in groups of three (A, B, C) per chip: port p is
// port p mod 3 of chip p / 3, and the driver addresses it by the code
// (chip << 8) + index, with 0 for A, 1 for B, and port C reached as two
// halves, 3 for its high four bits and 4 for its low four bits.
//
// The driver function is passed in, so this code links no driver.

#include <cstdint>
#include <string_view>

#include "platform/com/message_box.h"

namespace brennix::daq::mavo {

using ByteRead = std::int32_t (*)(std::int32_t code, std::uint8_t* value);
using ByteWrite = std::int32_t (*)(std::int32_t code, std::int32_t value);

inline constexpr std::int32_t kHighHalf = 3;
inline constexpr std::int32_t kLowHalf = 4;

struct PortCode {
    std::int32_t chip;  // the chip's code: chip << 8
    std::int32_t index;
    bool portC;
};

inline PortCode portCode(std::int32_t port) {
    std::int32_t index = port % 3;
    return {(port / 3) << 8, index, index == 2};
}

// What a failed half of port C says.
struct HalfTexts {
    std::string_view high;
    std::string_view low;
};

inline std::int32_t readPort(ByteRead read, std::int32_t port, std::int32_t& value,
                             HalfTexts texts) {
    PortCode code = portCode(port);
    if (!code.portC) {
        std::uint8_t byte = 0;
        std::int32_t rc = read(code.chip + code.index, &byte);
        if (rc == 0) {
            value = byte;
        }
        return rc;
    }
    std::uint8_t high = 0;
    std::int32_t rc = read(code.chip + kHighHalf, &high);
    if (rc != 0) {
        com::showMessage(texts.high);
        return rc;
    }
    std::uint8_t low = 0;
    rc = read(code.chip + kLowHalf, &low);
    if (rc != 0) {
        com::showMessage(texts.low);
        return rc;
    }
    value = (low & 0x0F) | (high << 4);
    return 0;
}

inline std::int32_t writePort(ByteWrite write, std::int32_t port, std::int32_t value,
                              HalfTexts texts) {
    PortCode code = portCode(port);
    if (!code.portC) {
        return write(code.chip + code.index, value);
    }
    std::int32_t rc = write(code.chip + kHighHalf, (value >> 4) & 0x0F);
    if (rc != 0) {
        com::showMessage(texts.high);
        return rc;
    }
    rc = write(code.chip + kLowHalf, value & 0x0F);
    if (rc != 0) {
        com::showMessage(texts.low);
    }
    return rc;
}

}  // namespace brennix::daq::mavo
