#include "chart/history/plot_ring.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

namespace brennix::chart {

std::optional<PlotRing> PlotRing::allocate(std::int32_t length) {
    if (length <= 0) {
        return std::nullopt;
    }
    try {
        return PlotRing(std::vector<double>(static_cast<std::size_t>(length), EmptySample));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

void PlotRing::fillEmpty() {
    std::fill(cells_.begin(), cells_.end(), EmptySample);
}

}  // namespace brennix::chart
