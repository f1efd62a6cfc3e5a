#pragma once
// The numeric range of a scale: its two ends, the in-range test and the
// mapping of a value to a fraction of the scale length.

#include <algorithm>
#include <cmath>

namespace brennix::instruments {

struct ScaleRange {
    double minimum = 0.0;
    double maximum = 10.0;
    bool inverse = false;

    // The value at the start end and at the far end.
    double start() const { return inverse ? maximum : minimum; }
    double end() const { return inverse ? minimum : maximum; }
    double low() const { return std::min(minimum, maximum); }
    double high() const { return std::max(minimum, maximum); }
    // Both bounds inclusive; NaN is never in range.
    bool inRange(double v) const { return low() <= v && v <= high(); }

    // |v - minimum| over the span; the small term keeps equal bounds finite.
    double fraction(double v) const {
        return std::fabs(v - minimum) / (std::fabs(maximum - minimum) + 0.00001);
    }
    // The fraction measured from the start end: an inverse scale lays it off
    // from the far end.
    double fromStart(double v) const { return inverse ? 1.0 - fraction(v) : fraction(v); }
};

}  // namespace brennix::instruments
