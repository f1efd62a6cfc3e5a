#pragma once
// The dial of the Knob: its radius and centre, the angles of values on the
// 300-degree arc and the points at a radius and an angle. Angles are in
// radians, counter-clockwise from the positive x axis with screen y down,
// computed with the half-turn constant P = 3.14159.

#include <optional>

#include "instruments/scale/scale_range.h"
#include "platform/gfx/geometry.h"

namespace brennix::instruments {

inline constexpr double kP = 3.14159;
inline constexpr double kStartAngle = 4 * kP / 3;  // lower left, the start value
inline constexpr double kFarAngle = -kP / 3;       // lower right, the end value
inline constexpr double kSweep = 5 * kP / 3;

struct Dial {
    int radius = 0;  // R
    gfx::Point centre;

    // R from the content area; a dial with no room has no positive radius.
    static Dial inArea(const gfx::Rect& area);
    bool valid() const { return radius > 0; }

    int scaleRadius() const { return radius - radius / 7; }    // Rs
    int needleRadius() const { return radius - radius / 15; }  // a needle's outer end
    int ringRadius() const { return radius - radius / 12; }    // the fill ring
    int ringWidth() const { return radius / 12; }
    int bezelWidth() const { return radius / 15; }

    // (cx + trunc(r cos a), cy - trunc(r sin a)); none for an angle no
    // point has (NaN, infinite).
    std::optional<gfx::Point> at(double r, double angle) const;
    gfx::Rect square(int r) const {
        return {centre.x - r, centre.y - r, centre.x + r, centre.y + r};
    }
    // The angle of a point in [-P/2, 3P/2).
    double angleOf(gfx::Point p) const;
    double distanceTo(gfx::Point p) const;
};

// The angle of a value: from the start end, or from the far end when the
// scale is inverse.
double valueAngle(const ScaleRange& range, double v);

// Into [-P/2, 3P/2) by whole turns.
double normalisedAngle(double a);

// The value a point at `angle` stands for (the drag's candidate).
double valueAtAngle(const ScaleRange& range, double angle);

}  // namespace brennix::instruments
