#pragma once
// The stepping of a 1-pixel line from a towards b, end pixel excluded, with
// a tie bias by octant that makes a line cover the same pixels both ways.
// Lines are clipped before stepping, so a line with far-away end points costs
// only its visible part, yet every visited pixel and its step index are those
// of the whole line.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/gfx/geometry.h"

namespace brennix::gfx {

namespace detail {

// Number of minor steps taken before step k.
inline std::int64_t minorStepsBefore(std::int64_t k, std::int64_t major, std::int64_t minor,
                                     int bias) {
    return (2 * minor * k + major - 1 + bias) / (2 * major);
}

// The first k in [lo, hi) for which pred(k) holds, pred monotonic false..true;
// hi when none.
template <class Pred>
std::int64_t firstTrue(std::int64_t lo, std::int64_t hi, Pred pred) {
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (pred(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

}  // namespace detail

// Calls visit(x, y, k) for each pixel of the line inside clip, k being the
// step index from a. Returns the step count of the whole line.
template <class Visit>
std::int64_t stepLine(Point a, Point b, const Rect& clip, Visit&& visit) {
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const std::int64_t adx = std::llabs(dx);
    const std::int64_t ady = std::llabs(dy);
    const bool xMajor = adx > ady;
    const std::int64_t major = xMajor ? adx : ady;
    const std::int64_t minor = xMajor ? ady : adx;
    if (major == 0) {
        return 0;
    }
    int octant = 0;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;

    const std::int64_t maj0 = xMajor ? a.x : a.y;
    const std::int64_t min0 = xMajor ? a.y : a.x;
    const int majStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const std::int64_t majLo = xMajor ? clip.left : clip.top;
    const std::int64_t majHi = xMajor ? clip.right : clip.bottom;
    const std::int64_t minLo = xMajor ? clip.top : clip.left;
    const std::int64_t minHi = xMajor ? clip.bottom : clip.right;
    if (majLo >= majHi || minLo >= minHi) {
        return major;
    }

    // Steps whose major coordinate lies inside the clip.
    std::int64_t k0 = 0;
    std::int64_t k1 = major;
    if (majStep > 0) {
        k0 = std::max(k0, majLo - maj0);
        k1 = std::min(k1, majHi - maj0);
    } else {
        k0 = std::max(k0, maj0 - (majHi - 1));
        k1 = std::min(k1, maj0 - majLo + 1);
    }
    if (k0 >= k1) {
        return major;
    }
    // The minor coordinate is monotonic in k: narrow by bisection.
    if (minor != 0) {
        auto minorAt = [&](std::int64_t k) {
            return min0 + minStep * detail::minorStepsBefore(k, major, minor, bias);
        };
        if (minStep > 0) {
            k0 = detail::firstTrue(k0, k1, [&](std::int64_t k) { return minorAt(k) >= minLo; });
            k1 = detail::firstTrue(k0, k1, [&](std::int64_t k) { return minorAt(k) >= minHi; });
        } else {
            k0 = detail::firstTrue(k0, k1, [&](std::int64_t k) { return minorAt(k) < minHi; });
            k1 = detail::firstTrue(k0, k1, [&](std::int64_t k) { return minorAt(k) < minLo; });
        }
    } else if (min0 < minLo || min0 >= minHi) {
        return major;
    }
    if (k0 >= k1) {
        return major;
    }

    const std::int64_t n0 = detail::minorStepsBefore(k0, major, minor, bias);
    std::int64_t err = 2 * minor - major + 2 * minor * k0 - 2 * major * n0;
    int majPos = static_cast<int>(maj0 + majStep * k0);
    int minPos = static_cast<int>(min0 + minStep * n0);
    for (std::int64_t k = k0; k < k1; ++k) {
        if (xMajor) {
            visit(majPos, minPos, k);
        } else {
            visit(minPos, majPos, k);
        }
        if (err + bias > 0) {
            minPos += minStep;
            err -= 2 * major;
        }
        err += 2 * minor;
        majPos += majStep;
    }
    return major;
}

}  // namespace brennix::gfx
