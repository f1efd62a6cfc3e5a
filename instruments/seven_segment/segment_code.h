#pragma once
// One byte per digit cell: a set bit lights a segment.

#include <cstdint>

namespace brennix::instruments {

using SegmentCode = std::uint8_t;

enum SegmentBit : SegmentCode {
    kUpperLeft = 0x01,
    kLowerLeft = 0x02,
    kTop = 0x04,
    kMiddle = 0x08,
    kBottom = 0x10,
    kUpperRight = 0x20,
    kLowerRight = 0x40,
    kPoint = 0x80,
};

// Codes of the sign cell, which select the sign drawing instead of segments.
inline constexpr SegmentCode kPlusCode = 0x22;
inline constexpr SegmentCode kMinusCode = 0x11;

inline constexpr SegmentCode kDigitPatterns[10] = {0x77, 0x60, 0x3E, 0x7C, 0x69,
                                                   0x5D, 0x5F, 0x65, 0x7F, 0x7D};

// The pattern of a decimal digit character; 0 (blank) for anything else.
constexpr SegmentCode digitPattern(char c) {
    return c >= '0' && c <= '9' ? kDigitPatterns[c - '0'] : SegmentCode{0};
}

}  // namespace brennix::instruments
