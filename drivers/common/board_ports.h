#pragma once
// Byte-wide access to a board's registers by offset from its base address.

#include <cstdint>

#include "platform/hw/ports.h"

namespace brennix::drivers {

class BoardPorts {
  public:
    explicit BoardPorts(std::int32_t base) : base_(base) {}

    std::int32_t base() const { return base_; }
    std::uint8_t read(std::int32_t offset) const { return hw::readByte(address(offset)); }
    // Only the low byte of value reaches the board.
    void write(std::int32_t offset, std::uint32_t value) const {
        hw::writeByte(address(offset), static_cast<std::uint8_t>(value & 0xFFU));
    }

  private:
    hw::PortAddress address(std::int32_t offset) const {
        return static_cast<hw::PortAddress>(base_ + offset);
    }

    std::int32_t base_;
};

inline std::uint8_t lowByte(std::uint32_t value) {
    return static_cast<std::uint8_t>(value & 0xFFU);
}
inline std::uint8_t highByte(std::uint32_t value) {
    return static_cast<std::uint8_t>((value >> 8) & 0xFFU);
}

}  // namespace brennix::drivers
