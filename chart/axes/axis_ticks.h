#pragma once
// Where the major and minor ticks of one axis fall across a span of pixels.
// Grid lines, tick marks and labels of both axes, in the Chart and the
// Graph, all take their positions from here.

#include <cstdint>

#include "chart/axes/axes_layout.h"
#include "chart/axes/pixel_math.h"

namespace brennix::chart {

class AxisTicks {
  public:
    // The span start .. end cut by the spacing properties, drawn as the
    // nearest valid count where they are out of range.
    AxisTicks(int start, int end, std::int16_t spacingMajor, std::int16_t spacingMinor)
        : start_(start),
          majors_(majorSpacing(spacingMajor)),
          minors_(minorSpacing(spacingMinor)),
          step_(static_cast<double>(end - start) / majors_),
          minorStep_(step_ / minors_) {}

    int majors() const { return majors_; }
    int minors() const { return minors_; }
    // Major tick k unrounded, and its pixel.
    double major(int k) const { return start_ + k * step_; }
    int majorPixel(int k) const { return truncToInt(major(k)); }
    // Minor tick m after the major tick at pixel from.
    int minorPixel(int from, int m) const { return truncToInt(from + m * minorStep_); }
    // The next minor grid line, stepped on from the previous truncated one.
    int nextMinorPixel(int previous) const { return truncToInt(previous + minorStep_); }

  private:
    int start_;
    int majors_;
    int minors_;
    double step_;
    double minorStep_;
};

}  // namespace brennix::chart
