#include "chart/graph/graph_samples.h"

namespace brennix::chart {

std::int64_t GraphSamples::sampleCount(int plot, int plotNum) const {
    if (plotNum < 1 || plot < 0 || plot >= plotNum) {
        return 0;
    }
    const std::int64_t n = size();
    return n / plotNum + (plot < n % plotNum ? 1 : 0);
}

}  // namespace brennix::chart
