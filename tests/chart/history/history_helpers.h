#pragma once
// Feeding a chart history the way a host's PlotCharts calls would.

#include <array>
#include <cstdint>
#include <span>

#include "chart/history/chart_history.h"

namespace brennix::chart::testing {

// Plot p gets 1000 * p + k for the k-th sample fed, so every cell tells
// which sample and plot wrote it.
inline void feed(ChartHistory& history, int samples, int& fed) {
    for (int i = 0; i < samples; ++i, ++fed) {
        std::array<double, ChartHistory::kMaxPlots> row{};
        for (std::size_t p = 0; p < row.size(); ++p) {
            row[p] = 1000.0 * static_cast<double>(p) + fed;
        }
        (void)history.plotCharts(std::span<const double>(row));
    }
}

inline ChartHistory initialised(std::int16_t plotNum, std::int16_t mode, std::int32_t viewNum,
                                std::int32_t historyLength = 1024) {
    ChartHistory history;
    history.setPlotNum(plotNum);
    history.setUpdateMode(mode);
    history.setViewNum(viewNum);
    history.setHistoryLength(historyLength);
    (void)history.initControl();
    return history;
}

}  // namespace brennix::chart::testing
