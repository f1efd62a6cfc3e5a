#include "chart/render/y_scale.h"

#include <algorithm>
#include <cmath>

namespace brennix::chart {
namespace {

// Far enough outside any band that clamping and comparing stay exact.
constexpr double kFar = 1e12;

std::int64_t saturatedRow(double v, int top) {
    if (std::isnan(v)) {
        return std::int64_t{top} - 1;
    }
    return static_cast<std::int64_t>(std::clamp(v, -kFar, kFar));
}

}  // namespace

YScale::YScale(double maximum, double minimum, int top, int bottom)
    : max_(maximum), min_(minimum), top_(top), bottom_(bottom) {}

std::int64_t YScale::row(double value) const {
    return saturatedRow((bottom_ - top_) * (max_ - value) / (max_ - min_) + top_, top_);
}

int YScale::clampRow(std::int64_t row) const {
    // A band too short to have rows keeps them all on its top.
    return static_cast<int>(std::clamp<std::int64_t>(row, top_, std::max(top_, bottom_)));
}

int YScale::zeroLine() const {
    return clampRow(row(0.0));
}

int YScale::fillBase(std::int16_t fillBase) const {
    switch (fillBase) {
        case 2:
            return max_ > min_ ? top_ : bottom_;
        case 3:
            return max_ > min_ ? bottom_ : top_;
        default:
            return zeroLine();
    }
}

}  // namespace brennix::chart
