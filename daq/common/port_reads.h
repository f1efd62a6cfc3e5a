#pragma once
// Digital reads shared by the input control and the output control's
// read-back: the value is stored only when the driver succeeds. The driver
// function is passed in, so this code links no driver.

#include <cstdint>

#include "daq/common/io_messages.h"
#include "platform/com/message_box.h"

namespace brennix::daq::ports {

using ByteRead = std::int32_t (*)(std::int32_t port, std::uint8_t* value);
using SinglePortRead = std::int32_t (*)(std::uint8_t* value);

inline std::int32_t readByte(ByteRead read, std::int32_t port, std::int32_t& value) {
    std::uint8_t byte = 0;
    std::int32_t rc = read(port, &byte);
    if (rc == 0) {
        value = byte;
    }
    return rc;
}

// A board with one port: the number is not passed.
inline std::int32_t readSinglePort(SinglePortRead read, std::int32_t& value) {
    std::uint8_t byte = 0;
    std::int32_t rc = read(&byte);
    if (rc == 0) {
        value = byte;
    }
    return rc;
}

// One 16-bit word shown as port 0 (low byte) and port 1 (high byte).
template <class Result>
std::int32_t readWordHalf(Result (*read)(std::uint16_t*), std::int32_t port, std::int32_t& value) {
    if (port != 0 && port != 1) {
        com::showMessage(text::kPortNumberError);
        return -1;
    }
    std::uint16_t word = 0;
    std::int32_t rc = read(&word);
    if (rc == 0) {
        value = port == 0 ? (word & 0xFF) : (word >> 8);
    }
    return rc;
}

}  // namespace brennix::daq::ports
