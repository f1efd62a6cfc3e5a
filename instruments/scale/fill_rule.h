#pragma once
// Which part of a scale the fill covers, and when a pointer's new value is
// copied into the control's value.

#include <cstdint>
#include <optional>

#include "instruments/scale/scale_range.h"

namespace brennix::instruments {

enum class FillStyle : std::int16_t { None = 0, FillToMaximum = 1, FillToMinimum = 2 };

// A stretch of the scale as fractions from the start end, from <= to
// not guaranteed (an out-of-range value lies beyond an end).
struct FillSpan {
    double from = 0.0;
    double to = 0.0;
};

// FillToMaximum fills from the value to the far end and FillToMinimum from
// the start end to the value, whatever numbers the ends carry; every other
// style fills nothing.
std::optional<FillSpan> fillSpan(std::int16_t fillStyle, double valueFromStart);

// The value a control takes when pointer n is assigned `value`: the same
// when the pointer is visible and the value in range, otherwise none.
std::optional<double> coupledValue(const ScaleRange& range, bool pointerVisible, double value);

}  // namespace brennix::instruments
