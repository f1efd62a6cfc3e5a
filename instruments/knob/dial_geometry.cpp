#include "instruments/knob/dial_geometry.h"

#include <algorithm>
#include <cmath>

namespace brennix::instruments {

Dial Dial::inArea(const gfx::Rect& area) {
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    Dial d;
    d.radius = (std::min(w, h) - 10) / 2;
    d.centre = {area.left + w / 2, area.top + h / 2};
    return d;
}

std::optional<gfx::Point> Dial::at(double r, double angle) const {
    if (!std::isfinite(angle)) {
        return std::nullopt;
    }
    return gfx::Point{centre.x + static_cast<int>(std::trunc(r * std::cos(angle))),
                      centre.y - static_cast<int>(std::trunc(r * std::sin(angle)))};
}

double Dial::angleOf(gfx::Point p) const {
    double dx = p.x - centre.x;
    if (dx == 0) {
        dx = 0.000001;
    }
    double a = std::atan((centre.y - p.y) / dx);
    if (dx < 0) {
        a += kP;
    }
    return normalisedAngle(a);
}

double Dial::distanceTo(gfx::Point p) const {
    return std::hypot(p.x - centre.x, p.y - centre.y);
}

double valueAngle(const ScaleRange& range, double v) {
    const double f = range.fraction(v);
    return range.inverse ? kFarAngle + f * kSweep : kStartAngle - f * kSweep;
}

double normalisedAngle(double a) {
    if (!std::isfinite(a)) {
        return a;
    }
    const double turn = 2 * kP;
    const double low = -kP / 2;
    return a - turn * std::floor((a - low) / turn);
}

double valueAtAngle(const ScaleRange& range, double angle) {
    const double d = kStartAngle - angle;
    if (range.inverse) {
        return range.maximum + d * (range.minimum - range.maximum) / kSweep;
    }
    return range.minimum + (range.maximum - range.minimum) * d / kSweep;
}

}  // namespace brennix::instruments
