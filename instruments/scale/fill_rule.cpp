#include "instruments/scale/fill_rule.h"

namespace brennix::instruments {

std::optional<FillSpan> fillSpan(std::int16_t fillStyle, double valueFromStart) {
    switch (static_cast<FillStyle>(fillStyle)) {
        case FillStyle::FillToMaximum:
            return FillSpan{valueFromStart, 1.0};
        case FillStyle::FillToMinimum:
            return FillSpan{0.0, valueFromStart};
        case FillStyle::None:
            break;
    }
    return std::nullopt;
}

std::optional<double> coupledValue(const ScaleRange& range, bool pointerVisible, double value) {
    if (pointerVisible && range.inRange(value)) {
        return value;
    }
    return std::nullopt;
}

}  // namespace brennix::instruments
