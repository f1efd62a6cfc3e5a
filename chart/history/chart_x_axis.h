#pragma once
// Horizontal placement of window positions in a band: position StartNum sits
// at the left edge, StartNum + ViewNum at the right, with truncating integer
// steps in between. Products are taken in 64 bits, so any ViewNum and any
// band width place correctly.

#include <cstdint>

namespace brennix::chart {

class ChartXAxis {
  public:
    ChartXAxis(std::int32_t left, std::int32_t right, std::int32_t startNum, std::int32_t viewNum);

    // x = left + ((s - StartNum) * (right - left)) / ViewNum, limited to right.
    // Positions before the window are placed at the left edge.
    std::int32_t x(std::int64_t position) const;

    // The first position whose x is at or right of column; one past the
    // window when no position of it gets there.
    std::int64_t firstPositionAtOrRightOf(std::int32_t column) const;

  private:
    std::int64_t left_;
    std::int64_t right_;
    std::int64_t width_;
    std::int64_t start_;
    std::int64_t view_;
};

}  // namespace brennix::chart
