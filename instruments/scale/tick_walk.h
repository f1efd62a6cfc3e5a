#pragma once
// The tick walk: from the start end toward the far end, major ticks at the
// positions the control gives them, minor ticks between, and one last major
// tick at the far end carrying the end value. Positions are distances from
// the start end in the control's own unit (pixels, radians).

#include <cmath>
#include <vector>

#include "instruments/scale/divisions.h"

namespace brennix::instruments {

struct Tick {
    double distance = 0.0;
    bool major = false;
    double value = 0.0;  // the label's value, for major ticks
};

struct TickPlan {
    double farDistance = 0.0;
    int minorPerMajor = 2;  // M
    // Distances this close to the far end count as reaching it, so that a
    // last division computed in floating point does not add a second tick
    // beside the far-end one.
    double tolerance = 0.0;
};

// The walk ends after this many ticks whatever the plan says.
inline constexpr int kMaxTicks = 4096;

// majorAt(k) gives the distance of major k, valueAt(k) its value.
template <class MajorAt, class ValueAt>
std::vector<Tick> walkTicks(const TickPlan& plan, double endValue, MajorAt majorAt,
                            ValueAt valueAt) {
    std::vector<Tick> ticks;
    const double far = plan.farDistance - plan.tolerance;
    double here = majorAt(0);
    for (int k = 0; static_cast<int>(ticks.size()) < kMaxTicks; ++k) {
        if (!std::isfinite(here) || here >= far) {
            break;
        }
        if (here >= 0.0) {
            ticks.push_back({here, true, valueAt(k)});
        }
        const double next = majorAt(k + 1);
        for (int j = 1; j < plan.minorPerMajor && static_cast<int>(ticks.size()) < kMaxTicks; ++j) {
            const double minor = here + j * (next - here) / plan.minorPerMajor;
            if (minor < far) {
                ticks.push_back({minor, false, 0.0});
            }
        }
        // A walk that does not move toward the far end would never end.
        if (!(next > here)) {
            break;
        }
        here = next;
    }
    ticks.push_back({plan.farDistance, true, endValue});
    return ticks;
}

}  // namespace brennix::instruments
