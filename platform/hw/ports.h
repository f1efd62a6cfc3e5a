#pragma once
// Byte-wide port input and output at 16-bit I/O addresses, through whichever
// backend is installed (the simulator unless the user configured real ports).

#include <cstdint>

namespace brennix::hw {

using PortAddress = std::uint16_t;

std::uint8_t readByte(PortAddress port);
void writeByte(PortAddress port, std::uint8_t value);

// False when the installed backend could not get port access; every read
// then answers 0xFF and writes go nowhere.
bool portsAccessible();

}  // namespace brennix::hw
