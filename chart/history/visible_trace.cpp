#include "chart/history/visible_trace.h"

#include <algorithm>

namespace brennix::chart {
namespace {

std::int64_t wrap(std::int64_t value, std::int64_t length) {
    const std::int64_t r = value % length;
    return r < 0 ? r + length : r;
}

std::int32_t cellOf(std::int64_t value, std::int64_t length) {
    return static_cast<std::int32_t>(wrap(value, length));
}

void addRun(VisibleTrace& trace, TraceRun run) {
    if (run.count > 0) {
        trace.runStore[static_cast<std::size_t>(trace.runCount++)] = run;
    }
}

CursorTrain cursorsBetween(std::int64_t first, std::int64_t last, std::int64_t cursorCell,
                           std::int64_t length) {
    CursorTrain train;
    train.period = length;
    train.firstPosition = first + wrap(cursorCell - first, length);
    if (last >= train.firstPosition) {
        train.count = (last - train.firstPosition) / length + 1;
    }
    return train;
}

}  // namespace

std::int32_t TraceRun::cellAt(std::int64_t position, std::int32_t ringLength) const {
    return cellOf(firstCell + (position - firstPosition), ringLength);
}

bool CursorTrain::contains(std::int64_t position) const {
    if (count <= 0 || position < firstPosition) {
        return false;
    }
    const std::int64_t steps = position - firstPosition;
    return steps % period == 0 && steps / period < count;
}

std::optional<std::int64_t> CursorTrain::firstIn(std::int64_t first, std::int64_t last) const {
    if (count <= 0) {
        return std::nullopt;
    }
    const std::int64_t at = std::max(first, firstPosition);
    const std::int64_t next = at + wrap(firstPosition - at, period);
    if (next > last || !contains(next)) {
        return std::nullopt;
    }
    return next;
}

std::int64_t VisibleTrace::pointCount() const {
    std::int64_t total = 0;
    for (const auto& run : runs()) {
        total += run.count;
    }
    return total;
}

VisibleTrace visibleTrace(const ChartHistory& history, int plot) {
    VisibleTrace trace;
    const std::int64_t length = history.ringLength();
    const PlotRing* ring = history.ring(plot);
    if (!history.hasData() || history.empty() || plot >= history.plotNum() || ring == nullptr ||
        length < 2 || ring->length() != length) {
        return trace;
    }

    const std::int64_t w = history.writeIndex();
    const std::int64_t start = history.startNum();
    const std::int64_t view = history.viewNum();
    const std::int16_t mode = history.updateMode();
    const bool full = history.full();

    // Positions before 0 are skipped, never drawn.
    const std::int64_t first = std::max<std::int64_t>(start, 0);
    const std::int64_t last = start + view;
    if (last < first) {
        return trace;
    }
    const std::int64_t total = last - first + 1;
    const bool ordinaryMode = mode == UM_Strip || mode == UM_Scope || mode == UM_Sweep;
    const std::int64_t base = full && ordinaryMode ? 0 : history.oldestIndex();
    const std::int64_t cell0 = wrap(base + first, length);

    switch (mode) {
        case UM_Strip: {
            std::int64_t count = total;
            // Short of full, nothing lies past the cell the next sample goes to.
            if (!full && w < length - 1) {
                count = cell0 > w ? 0 : std::min(total, w - cell0 + 1);
            }
            addRun(trace, {first, count, static_cast<std::int32_t>(cell0), false});
            break;
        }
        case UM_Scope:
            addRun(trace, {first, std::min(total, wrap(w - cell0, length)),
                           static_cast<std::int32_t>(cell0), false});
            break;
        case UM_Sweep: {
            // The first position that shows the cell the next sample goes to.
            const std::int64_t limit = start + wrap(w - start, length);
            const std::int64_t currentLast = std::min(last, limit - 1);
            addRun(trace,
                   {first, currentLast - first + 1, static_cast<std::int32_t>(cell0), false});
            if (!history.firstSweep()) {
                const std::int64_t oldFirst = std::max(limit, first);
                addRun(trace,
                       {oldFirst, last - oldFirst + 1, cellOf(oldFirst - view, length), true});
                if (oldFirst == limit && oldFirst <= last) {
                    trace.bridgeCell = cellOf(limit - view - 1, length);
                }
            }
            const std::int64_t reached = history.firstSweep() ? currentLast : last;
            trace.cursor = cursorsBetween(first, reached, w - 1, length);
            break;
        }
        default:
            addRun(trace, {first, total, static_cast<std::int32_t>(cell0), false});
            break;
    }
    return trace;
}

void forEachTracePoint(const ChartHistory& history, int plot,
                       const std::function<void(const TracePoint&)>& visit) {
    const VisibleTrace trace = visibleTrace(history, plot);
    const std::int32_t length = history.ringLength();
    for (const auto& run : trace.runs()) {
        for (std::int64_t s = run.firstPosition; s <= run.lastPosition(); ++s) {
            TracePoint point;
            point.position = s;
            point.value = history.sampleAt(plot, run.cellAt(s, length));
            if (run.previousPage && s == run.firstPosition && trace.bridgeCell) {
                point.previousValue = history.sampleAt(plot, *trace.bridgeCell);
            }
            point.cursorHere = trace.cursor.contains(s);
            visit(point);
        }
    }
}

}  // namespace brennix::chart
