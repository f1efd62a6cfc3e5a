#pragma once
// The 8254 counter chip at offsets 0 to 3 of the Vexa, Olmi and Senu boards:
// counters 1 and 2 cascaded as the pacer, counter 0 for general counting.

#include <cstdint>

#include "drivers/common/board_ports.h"

namespace brennix::drivers {

inline constexpr std::int32_t kCounterControl = 3;

// The pacer as the acquisition starts accept it: no zero exemption.
bool pacerDivisorsAllowed(std::uint32_t divisor1, std::uint32_t divisor2);

// AD_Timer: zero divisors (the idle setting) pass unchecked.
std::int32_t programPacer(const BoardPorts& ports, std::uint32_t divisor1, std::uint32_t divisor2);
void idlePacer(const BoardPorts& ports);

std::int32_t startCounter0(const BoardPorts& ports, std::int32_t mode, std::int32_t count);
std::uint32_t readCounter0(const BoardPorts& ports);
// Reads the count, then parks counter 0 in mode 0 with count 1.
std::uint32_t stopCounter0(const BoardPorts& ports);

// TIMER_Read and TIMER_Stop with their 32-bit output.
std::int32_t readCounter0Into(const BoardPorts& ports, std::int32_t* count);
std::int32_t stopCounter0Into(const BoardPorts& ports, std::int32_t* count);

}  // namespace brennix::drivers
