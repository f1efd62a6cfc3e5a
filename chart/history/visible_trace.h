#pragma once
// Which samples of one plot a paint shows, at which positions of the window,
// and where the sweep cursor stands. A trace is at most two runs of
// positions over cyclically consecutive cells (the current page and, in
// sweep mode, the previous page behind the cursor), so a renderer can walk a
// window of any ViewNum without visiting every position.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "chart/history/chart_history.h"

namespace brennix::chart {

struct TraceRun {
    std::int64_t firstPosition = 0;  // window position s of the first point
    std::int64_t count = 0;          // points in the run
    std::int32_t firstCell = 0;      // ring cell of the first point; the rest follow cyclically
    bool previousPage = false;       // sweep: the old page to the right of the cursor

    std::int64_t lastPosition() const { return firstPosition + count - 1; }
    std::int32_t cellAt(std::int64_t position, std::int32_t ringLength) const;

    bool operator==(const TraceRun&) const = default;
};

// Positions at which the sweep cursor is drawn: first, first + period, ...
struct CursorTrain {
    std::int64_t firstPosition = 0;
    std::int64_t period = 1;
    std::int64_t count = 0;

    bool contains(std::int64_t position) const;
    // The first cursor position in first .. last, if any.
    std::optional<std::int64_t> firstIn(std::int64_t first, std::int64_t last) const;

    bool operator==(const CursorTrain&) const = default;
};

struct VisibleTrace {
    std::array<TraceRun, 2> runStore{};
    int runCount = 0;
    // The old page does not join on to the new one: its first point takes
    // this cell's value as its previous point.
    std::optional<std::int32_t> bridgeCell;
    CursorTrain cursor;

    std::span<const TraceRun> runs() const {
        return {runStore.data(), static_cast<std::size_t>(runCount)};
    }
    std::int64_t pointCount() const;
};

// plot is 0-based. Empty while the chart has no data, the history is empty or
// the plot's ring is absent or sized for other properties.
VisibleTrace visibleTrace(const ChartHistory& history, int plot);

struct TracePoint {
    std::int64_t position = 0;
    double value = EmptySample;
    // Set where the previous point is not the point drawn just before.
    std::optional<double> previousValue;
    bool cursorHere = false;  // draw the sweep cursor before this point
};

// Every point of the trace in drawing order. Linear in the number of points,
// which can reach ViewNum + 1; renderers of huge windows walk the runs.
void forEachTracePoint(const ChartHistory& history, int plot,
                       const std::function<void(const TracePoint&)>& visit);

}  // namespace brennix::chart
