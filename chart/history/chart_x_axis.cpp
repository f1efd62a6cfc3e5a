#include "chart/history/chart_x_axis.h"

#include <algorithm>

namespace brennix::chart {

ChartXAxis::ChartXAxis(std::int32_t left, std::int32_t right, std::int32_t startNum,
                       std::int32_t viewNum)
    : left_(left),
      right_(right),
      width_(std::int64_t{right} - left),
      start_(startNum),
      view_(std::max<std::int32_t>(1, viewNum)) {}

std::int32_t ChartXAxis::x(std::int64_t position) const {
    const std::int64_t offset = std::clamp<std::int64_t>(position - start_, 0, view_);
    return static_cast<std::int32_t>(std::min(left_ + offset * width_ / view_, right_));
}

std::int64_t ChartXAxis::firstPositionAtOrRightOf(std::int32_t column) const {
    const std::int64_t past = start_ + view_ + 1;
    if (width_ <= 0) {
        // A band without width puts every position on one column.
        return column <= x(start_) ? start_ : past;
    }
    const std::int64_t need = std::int64_t{column} - left_;
    if (need <= 0) {
        return start_;
    }
    if (need > width_) {
        return past;
    }
    // Smallest offset d with d * width / view >= need.
    return start_ + (need * view_ + width_ - 1) / width_;
}

}  // namespace brennix::chart
