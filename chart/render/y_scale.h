#pragma once
// Values to rows of a band: ScaleMaximum maps to the top, ScaleMinimum to
// the bottom, whichever is larger.

#include <cstdint>

#include "platform/gfx/geometry.h"

namespace brennix::chart {

class YScale {
  public:
    YScale(double maximum, double minimum, int top, int bottom);

    // The truncated row of a value, saturated far outside the band. A value
    // with no row at all (equal scale limits) lies outside the band.
    std::int64_t row(double value) const;
    bool inBand(std::int64_t row) const { return row >= top_ && row <= bottom_; }
    int clampRow(std::int64_t row) const;

    // The row of 0.0, limited to the band.
    int zeroLine() const;
    // The row a fill runs to for a FillBase value 1..3.
    int fillBase(std::int16_t fillBase) const;

    int top() const { return top_; }
    int bottom() const { return bottom_; }

  private:
    double max_;
    double min_;
    int top_;
    int bottom_;
};

}  // namespace brennix::chart
