#pragma once
// What each simulated outside board has: cards, digital ports, analog
// channels and counters. One table drives all eleven libraries.

#include <cstdint>
#include <optional>
#include <string_view>

#include "simulator/outside/library.h"

namespace brennix::outside {

enum class PortScheme {
    None,
    Numbered,   // ports firstPort .. firstPort + portCount - 1
    ChipCodes,  // (chip << 8) + index: 0 port A, 1 port B, 3 / 4 high / low half of port C
};

struct Profile {
    Library library;
    std::string_view name;
    std::string_view prefix;  // of every function name, "W_Kilp_"
    std::int32_t cards;       // card numbers 0 .. cards - 1
    bool hasIrq;              // Initial takes an interrupt line
    PortScheme ports;
    std::int32_t firstPort;
    std::int32_t portCount;  // chips for ChipCodes
    std::int32_t portBits;   // 8 or 16
    std::int32_t daChannels;
    std::int32_t adChannels;
    std::int32_t adMin;
    std::int32_t adMax;
    std::int32_t adMaxMode;
    std::int32_t adMaxRange;  // range or gain codes 0 .. adMaxRange
    std::int32_t counters;
};

inline constexpr std::int32_t kDaMax = 4095;
inline constexpr std::int32_t kMaxCards = 8;

const Profile& profile(Library library);

// Where a port argument lands: bits [shift, shift + bits) of one stored port.
struct PortRef {
    std::int32_t slot;
    std::int32_t shift;
    std::int32_t bits;
};

std::optional<PortRef> decodePort(const Profile& profile, std::int32_t port);

}  // namespace brennix::outside
