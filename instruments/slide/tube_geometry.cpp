#include "instruments/slide/tube_geometry.h"

#include <algorithm>
#include <cmath>

namespace brennix::instruments {

int pixel(double v, int fallback) {
    constexpr double kReach = 1 << 24;
    if (std::isnan(v)) {
        return fallback;
    }
    const double held = std::clamp(v, fallback - kReach, fallback + kReach);
    return static_cast<int>(std::trunc(held));
}

Tube Tube::inArea(const gfx::Rect& a) {
    Tube t;
    t.area = a;
    const int w = a.right - a.left;
    t.width = w / 12;
    t.half = t.width / 2;
    t.middle = a.left + w / 2;
    t.left = t.middle - t.half;
    t.right = t.middle + t.half;
    t.top = a.top + t.half;
    t.bottom = a.bottom - t.width;
    return t;
}

int Tube::heightOf(const ScaleRange& range, double v) const {
    const double divisor = std::fabs(range.maximum - range.minimum) + 0.00001;
    const double f = range.inverse ? std::fabs(v - range.minimum) / divisor
                                   : std::fabs(range.maximum - v) / divisor;
    return top + pixel(f * length(), 0);
}

double Tube::valueAtHeight(const ScaleRange& range, int y) const {
    const double k = (area.bottom - width) - y;
    const double span = area.bottom - area.top - (3 * width) / 2;
    const double step = k * (range.maximum - range.minimum) / (span + 0.0000001);
    return range.inverse ? range.maximum - step : range.minimum + step;
}

}  // namespace brennix::instruments
