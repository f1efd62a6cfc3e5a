#pragma once
// The values of the Graph's last PlotGraphs call, interleaved by plot:
// sample s of plot p (0-based) is value plotNum * s + p.

#include <cstdint>
#include <span>
#include <vector>

namespace brennix::chart {

class GraphSamples {
  public:
    void assign(std::span<const double> values) { values_.assign(values.begin(), values.end()); }
    void clear() { values_ = {}; }

    std::int64_t size() const { return static_cast<std::int64_t>(values_.size()); }
    bool empty() const { return values_.empty(); }

    // Plot p of plotNum holds N / plotNum samples, one more while p < N mod plotNum.
    std::int64_t sampleCount(int plot, int plotNum) const;
    // Sample s of plot; s must be below sampleCount(plot, plotNum).
    double value(int plot, std::int64_t s, int plotNum) const {
        return values_[static_cast<std::size_t>(std::int64_t{plotNum} * s + plot)];
    }

  private:
    std::vector<double> values_;
};

}  // namespace brennix::chart
