#pragma once
// Double-to-pixel conversion for the layout arithmetic.

#include <cmath>
#include <cstdint>
#include <limits>

namespace brennix::chart {

// Truncation toward zero, saturated to the int range; NaN gives 0. The
// drawing arithmetic never produces such values from sane properties, but a
// bad one must not make the conversion undefined.
inline int truncToInt(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (v <= lo) {
        return std::numeric_limits<int>::min();
    }
    if (v >= hi) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(v);
}

}  // namespace brennix::chart
