#pragma once
// Extents travel in 0.01 mm (HIMETRIC); controls draw in device pixels.
// Both directions round to nearest, so a size survives the round trip.

#include <cstdint>
#include <limits>

#include "platform/gfx/geometry.h"

namespace brennix::com {

constexpr int kHiMetricPerInch = 2540;

// number * numerator / denominator, rounded half away from zero, in 64 bits.
// A result beyond int saturates, so a huge size never comes back negative.
constexpr int mulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return 0;
    }
    std::int64_t product = std::int64_t{number} * numerator;
    std::int64_t half = (denominator > 0 ? denominator : -denominator) / 2;
    bool negative = (product < 0) != (denominator < 0);
    std::int64_t magnitude = (product < 0 ? -product : product) + half;
    std::int64_t quotient = magnitude / (denominator > 0 ? denominator : -denominator);
    if (negative) {
        quotient = -quotient;
    }
    constexpr std::int64_t kLow = std::numeric_limits<int>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<int>::max();
    return static_cast<int>(quotient < kLow ? kLow : (quotient > kHigh ? kHigh : quotient));
}

constexpr gfx::Size hiMetricToPixels(gfx::Size himetric, int pixelsPerInch) {
    return {mulDiv(himetric.cx, pixelsPerInch, kHiMetricPerInch),
            mulDiv(himetric.cy, pixelsPerInch, kHiMetricPerInch)};
}

constexpr gfx::Size pixelsToHiMetric(gfx::Size pixels, int pixelsPerInch) {
    return {mulDiv(pixels.cx, kHiMetricPerInch, pixelsPerInch),
            mulDiv(pixels.cy, kHiMetricPerInch, pixelsPerInch)};
}

}  // namespace brennix::com
