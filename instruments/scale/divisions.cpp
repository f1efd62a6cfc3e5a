#include "instruments/scale/divisions.h"

#include <algorithm>
#include <cmath>

namespace brennix::instruments {
namespace {

int clampedCount(double n) {
    if (!(n >= 1.0)) {
        return 1;
    }
    return n >= kMaxDivisions ? kMaxDivisions : static_cast<int>(n);
}

}  // namespace

Spacing SpacingRule::kind() const {
    switch (spacing) {
        case 1:
            return Spacing::Divide;
        case 2:
            return Spacing::ByUnits;
        default:
            return Spacing::Auto;
    }
}

Divisions divisions(const ScaleRange& range, const SpacingRule& rule, int autoMajor) {
    switch (rule.kind()) {
        case Spacing::Divide:
            return {clampedCount(rule.major), std::clamp<int>(rule.minor, 0, kMaxDivisions)};
        case Spacing::ByUnits: {
            const double n = rule.major == 0
                                 ? 0.0
                                 : std::trunc(std::fabs((range.end() - rule.base) / rule.major));
            const int m = rule.minor == 0 ? 1 : rule.major / rule.minor;
            return {clampedCount(n), std::clamp(m, 0, kMaxDivisions)};
        }
        case Spacing::Auto:
            break;
    }
    return {clampedCount(autoMajor), 2};
}

int autoMajorForLength(int lengthPixels) {
    if (lengthPixels <= 30) {
        return 1;
    }
    // The smallest N with length / N <= 30 is ceil((length + 1) / 31)
    // rounded up to at least 2.
    const int n = lengthPixels / 31 + 1;
    return std::max(2, n);
}

double majorValue(const ScaleRange& range, const SpacingRule& rule, const Divisions& d, int k) {
    const double first = rule.kind() == Spacing::ByUnits ? rule.base : range.start();
    return first + k * (range.end() - first) / d.major;
}

}  // namespace brennix::instruments
