#pragma once
// How a scale is cut into major and minor divisions, and the values of its
// major ticks.

#include <cstdint>

#include "instruments/scale/scale_range.h"

namespace brennix::instruments {

enum class Spacing : std::int16_t { Auto = 0, Divide = 1, ByUnits = 2 };

struct SpacingRule {
    std::int16_t spacing = 0;  // any value but 1 and 2 behaves as auto
    std::int16_t major = 1;
    std::int16_t minor = 1;
    std::int16_t base = 0;

    Spacing kind() const;
};

struct Divisions {
    int major = 1;  // N
    int minor = 2;  // M
};

// N and M; autoMajor is the count the control picks for auto spacing. A
// count below one, or one a zero unit would make infinite, is taken as one;
// counts are capped so that a scale is never walked for ever.
Divisions divisions(const ScaleRange& range, const SpacingRule& rule, int autoMajor);

// The smallest N >= 2 for which length / N (integer division) is at most
// 30, or 1 when the length is at most 30 pixels.
int autoMajorForLength(int lengthPixels);

// The value of major tick k: L0 + k (E - L0) / N, with L0 the start value, or
// the base for spacing by units.
double majorValue(const ScaleRange& range, const SpacingRule& rule, const Divisions& d, int k);

inline constexpr int kMaxDivisions = 1000;

}  // namespace brennix::instruments
