#pragma once
// One plot's history: a fixed number of cells that the chart writes round and
// round. A cell that holds no sample contains EmptySample, which maps far
// outside any ordinary scale and so is never drawn.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace brennix::chart {

inline constexpr double EmptySample = 1.79769313486232e300;

class PlotRing {
  public:
    // Every cell starts as EmptySample. Gives nothing when the memory cannot
    // be had or the length is not positive.
    static std::optional<PlotRing> allocate(std::int32_t length);

    std::int32_t length() const { return static_cast<std::int32_t>(cells_.size()); }

    // Cells are addressed 0 .. length()-1; the history never asks for others.
    double at(std::int32_t cell) const { return cells_[static_cast<std::size_t>(cell)]; }
    void set(std::int32_t cell, double value) { cells_[static_cast<std::size_t>(cell)] = value; }

    void fillEmpty();

  private:
    explicit PlotRing(std::vector<double> cells) : cells_(std::move(cells)) {}

    std::vector<double> cells_;
};

}  // namespace brennix::chart
