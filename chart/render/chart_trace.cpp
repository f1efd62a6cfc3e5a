#include "chart/render/chart_trace.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "chart/history/chart_x_axis.h"
#include "chart/history/visible_trace.h"
#include "chart/render/column_cover.h"
#include "chart/render/crowded_column.h"
#include "chart/render/trace_painter.h"

namespace brennix::chart {
namespace {

const gfx::Pen kCursorPen{gfx::PenStyle::Solid, 2, gfx::rgb(255, 0, 0)};

class TraceWalk {
  public:
    TraceWalk(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
              const ChartHistory& history, int plot, double max, double min, TraceLayer* layer)
        : canvas_(canvas),
          band_(band),
          history_(history),
          plot_(plot),
          trace_(visibleTrace(history, plot)),
          axis_(band.left, band.right, history.startNum(), history.viewNum()),
          painter_(canvas, band, style, YScale(max, min, band.top, band.bottom)),
          length_(history.ringLength()),
          windowFirst_(std::max<std::int64_t>(history.startNum(), 0)),
          style_(style) {
        painter_.batchColumns(true);
        painter_.composeIn(layer);
    }

    void walk(bool everyPosition) {
        for (const TraceRun& run : trace_.runs()) {
            if (everyPosition) {
                for (std::int64_t s = run.firstPosition; s <= run.lastPosition(); ++s) {
                    draw(run, s, axis_.x(s));
                }
            } else {
                walkByColumns(run);
            }
        }
        settleCrowded();
        flushWash();
        painter_.flush();
    }

  private:
    struct Wash {
        gfx::Rect area;
        int lastColumn = 0;
        std::vector<RowRun> after;  // the last column's rows after its cursor
    };

    double valueAt(const TraceRun& run, std::int64_t s) const {
        return history_.sampleAt(plot_, run.cellAt(s, length_));
    }

    void draw(const TraceRun& run, std::int64_t s, int x) {
        settleCrowded();
        flushWash();
        if (run.previousPage && s == run.firstPosition && trace_.bridgeCell) {
            // The old page starts from its own neighbour, not from the new page.
            painter_.setPrevious(joinColumn(s, x), history_.sampleAt(plot_, *trace_.bridgeCell));
        }
        if (trace_.cursor.contains(s)) {
            painter_.flush();
            drawSweepCursor(canvas_, band_, x);
        }
        painter_.point(x, valueAt(run, s));
    }

    // The column of the point s joins on to.
    int joinColumn(std::int64_t s, int x) const { return s > windowFirst_ ? axis_.x(s - 1) : x; }

    void walkByColumns(const TraceRun& run) {
        const std::int64_t last = run.lastPosition();
        std::int64_t s = run.firstPosition;
        crowdedThrough_ = std::numeric_limits<int>::min();
        while (s <= last) {
            const int x = axis_.x(s);
            const std::int64_t columnEnd =
                std::clamp(axis_.firstPositionAtOrRightOf(x + 1) - 1, s, last);
            // Past its first point a column repeats itself every ring length:
            // same cells, same neighbours, same column, same cursor.
            std::int64_t next = s + 1;
            const std::int64_t keepFrom = columnEnd - length_ + 1;
            if (keepFrom > next && painter_.drawsOnlyThinLines() && joinsKnown()) {
                summariseColumn(run, s, x, keepFrom, columnEnd);
                s = columnEnd + 1;
                continue;
            }
            if (crowdedAt(run, s, columnEnd)) {
                CrowdedColumn* crowded = crowdedColumn();
                const std::optional<std::int64_t> cursorAt =
                    trace_.cursor.firstIn(keepFrom, columnEnd);
                // The columns right of it paint the ring too: what they paint
                // over need not be painted, this column's first point at all
                // where they and this column hide it.
                const bool shadowed = crowdedAhead(run, x, crowded->shadow());
                if (!shadowed || !firstPointHidden(run, s, x, *crowded, cursorAt.has_value())) {
                    draw(run, s, x);
                }
                flushWash();
                painter_.flush();
                std::optional<std::int64_t> cursorBefore;
                if (cursorAt) {
                    cursorBefore = *cursorAt - keepFrom;
                }
                crowded->paint(canvas_, x, run.cellAt(keepFrom, length_), cursorBefore, shadowed);
                painter_.setPrevious(x, valueAt(run, columnEnd));
                s = columnEnd + 1;
                continue;
            }
            draw(run, s, x);
            if (keepFrom > next) {
                painter_.setPrevious(x, valueAt(run, keepFrom - 1));
                next = keepFrom;
            }
            for (std::int64_t j = next; j <= columnEnd; ++j) {
                draw(run, j, x);
            }
            s = columnEnd + 1;
        }
    }

    // Whether the column of positions s .. columnEnd is painted from the
    // ring's stamps: it holds more than a ring past its first point, and
    // that ring at most one cursor.
    bool crowdedAt(const TraceRun& run, std::int64_t s, std::int64_t columnEnd) {
        const std::int64_t keepFrom = columnEnd - length_ + 1;
        if (keepFrom <= s + 1 || (painter_.drawsOnlyThinLines() && joinsKnown())) {
            return false;
        }
        const std::optional<std::int64_t> cursorAt = trace_.cursor.firstIn(keepFrom, columnEnd);
        if (cursorAt && trace_.cursor.firstIn(*cursorAt + 1, columnEnd)) {
            return false;
        }
        (void)run;
        return crowdedColumn() != nullptr;
    }

    // Whether the count columns right of x are painted from the stamps too.
    bool crowdedAhead(const TraceRun& run, int x, int count) {
        const std::int64_t last = run.lastPosition();
        if (crowdedThrough_ < x) {
            crowdedThrough_ = x;
        }
        while (crowdedThrough_ < x + count) {
            const int column = crowdedThrough_ + 1;
            const std::int64_t s =
                std::max(axis_.firstPositionAtOrRightOf(column), run.firstPosition);
            if (s > last || axis_.x(s) != column) {
                return false;
            }
            const std::int64_t columnEnd =
                std::clamp(axis_.firstPositionAtOrRightOf(column + 1) - 1, s, last);
            if (!crowdedAt(run, s, columnEnd)) {
                return false;
            }
            crowdedThrough_ = column;
        }
        return true;
    }

    // Whether everything the first point s of a shadowed crowded column
    // draws is painted over by the ring's pixels.
    bool firstPointHidden(const TraceRun& run, std::int64_t s, int x, CrowdedColumn& crowded,
                          bool withCursor) {
        if (trace_.cursor.contains(s) ||
            (run.previousPage && s == run.firstPosition && trace_.bridgeCell)) {
            return false;
        }
        const std::optional<std::vector<gfx::Rect>> areas = painter_.pointAreas(x, valueAt(run, s));
        return areas && std::all_of(areas->begin(), areas->end(), [&](const gfx::Rect& area) {
                   return crowded.hides(x, area, withCursor);
               });
    }

    // A column whose first point s is followed by every cell of the ring,
    // drawn from the rows the joins cover: the ones before the cursor, the
    // cursor, the ones after it.
    void summariseColumn(const TraceRun& run, std::int64_t s, int x, std::int64_t keepFrom,
                         std::int64_t columnEnd) {
        settleCrowded();
        const std::optional<std::int64_t> cursorAt = trace_.cursor.firstIn(keepFrom, columnEnd);
        if (!cursorAt) {
            draw(run, s, x);
            painter_.columnRows(x, coverFor(cover_ ? cover_->pivot() : 0).all());
        } else {
            ColumnCover& cover = coverFor(run.cellAt(*cursorAt, length_));
            const std::int32_t start = cover.indexOf(run.cellAt(keepFrom, length_));
            const std::span<const RowRun> after = start > 0 ? cover.head(start - 1) : cover.all();
            if (!washColumn(joinColumn(s, x), x, after)) {
                draw(run, s, x);
                if (start > 0) {
                    painter_.columnRows(x, cover.tail(start));
                }
                painter_.flush();
                drawSweepCursor(canvas_, band_, x);
                painter_.columnRows(x, after);
            }
        }
        painter_.setPrevious(x, valueAt(run, columnEnd));
    }

    // Where the surface paints the cursor as one rectangle covering its
    // column, the column before it and the whole band, everything a crowded
    // column draws before its cursor is hidden by it, and the rows after it
    // are hidden by the next column's cursor. A stretch of such columns is
    // then one fill and the last column's rows: the same pixels for a
    // fraction of the writes. False where the column must be drawn in full.
    bool washColumn(int joinFrom, int x, std::span<const RowRun> after) {
        if (!cursorArea_) {
            cursorArea_ = canvas_.lineArea(kCursorPen, {0, band_.top}, {0, band_.bottom});
        }
        if (!*cursorArea_) {
            return false;
        }
        const gfx::Rect area = cursorArea_->value().offset(x, 0);
        if (area.left > std::min(joinFrom, x - 1) || area.right < x + 1 || area.top > band_.top ||
            area.bottom < band_.bottom + 1) {
            flushWash();
            return false;
        }
        if (wash_ && wash_->lastColumn >= x - 1) {
            wash_->area = wash_->area.united(area);
        } else {
            flushWash();
            wash_ = Wash{};
            wash_->area = area;
        }
        wash_->lastColumn = x;
        wash_->after.assign(after.begin(), after.end());
        return true;
    }

    void flushWash() {
        if (!wash_) {
            return;
        }
        settleCrowded();
        painter_.flush();
        canvas_.fillRect(wash_->area, kCursorPen.color);
        painter_.columnRows(wash_->lastColumn, wash_->after);
        wash_.reset();
    }

    // The rows each cell's join paints in a crowded column, as the surface
    // reports them; false where it cannot tell for some join, and such
    // columns are drawn point by point.
    bool joinsKnown() {
        if (joinsKnown_) {
            return *joinsKnown_;
        }
        std::vector<std::int64_t> rows;
        rows.reserve(static_cast<std::size_t>(length_));
        for (std::int32_t cell = 0; cell < length_; ++cell) {
            rows.push_back(painter_.scale().row(history_.sampleAt(plot_, cell)));
        }
        // A line's rows move with it, so each rise is asked about once.
        const int height = band_.bottom - band_.top;
        std::vector<std::optional<std::optional<RowRun>>> byRise(
            static_cast<std::size_t>(2 * std::max(height, 0) + 1));
        joins_.reserve(rows.size());
        for (std::size_t cell = 0; cell < rows.size(); ++cell) {
            const std::int64_t from = rows[cell == 0 ? rows.size() - 1 : cell - 1];
            const std::int64_t to = rows[cell];
            // A join is drawn only between two points in the band.
            std::optional<RowRun> painted = RowRun{0, -1};
            if (painter_.scale().inBand(from) && painter_.scale().inBand(to)) {
                const int rise = static_cast<int>(to - from);
                auto& known = byRise[static_cast<std::size_t>(rise + height)];
                if (!known) {
                    known = painter_.rowsOfLine(0, rise);
                }
                painted = *known;
                if (painted && !painted->empty()) {
                    painted->first += static_cast<int>(from);
                    painted->last += static_cast<int>(from);
                }
            }
            if (!painted || (!painted->empty() &&
                             (painted->first < band_.top || painted->last > band_.bottom))) {
                joins_.clear();
                joinsKnown_ = false;
                return false;
            }
            joins_.push_back(*painted);
        }
        joinsKnown_ = true;
        return true;
    }

    // The stamps of a crowded column; nothing where the surface cannot have
    // them made, and such columns are drawn point by point.
    CrowdedColumn* crowdedColumn() {
        if (!crowded_) {
            std::vector<double> values(static_cast<std::size_t>(length_));
            for (std::int32_t cell = 0; cell < length_; ++cell) {
                values[static_cast<std::size_t>(cell)] = history_.sampleAt(plot_, cell);
            }
            crowded_ = CrowdedColumn::make(canvas_, band_, style_, painter_.scale(), values);
        }
        return crowded_->get();
    }

    // Crowded paints held back are made before anything else is drawn.
    void settleCrowded() {
        if (crowded_ && *crowded_) {
            (*crowded_)->flush();
        }
    }

    ColumnCover& coverFor(std::int32_t pivot) {
        if (!cover_ || cover_->pivot() != pivot) {
            cover_.emplace(joins_, band_.top, band_.bottom, pivot);
        }
        return *cover_;
    }

    gfx::Canvas& canvas_;
    gfx::Rect band_;
    const ChartHistory& history_;
    int plot_;
    VisibleTrace trace_;
    ChartXAxis axis_;
    TracePainter painter_;
    std::int64_t length_;
    std::int64_t windowFirst_;
    std::optional<bool> joinsKnown_;
    std::vector<RowRun> joins_;
    std::optional<ColumnCover> cover_;
    std::optional<std::optional<gfx::Rect>> cursorArea_;
    std::optional<Wash> wash_;
    PlotStyle style_;
    std::optional<std::unique_ptr<CrowdedColumn>> crowded_;
    int crowdedThrough_ = 0;  // columns up to it are known crowded
};

}  // namespace

void drawSweepCursor(gfx::Canvas& canvas, const gfx::Rect& band, int x) {
    const gfx::Pen old = canvas.selectPen(kCursorPen);
    canvas.moveTo({x, band.top});
    canvas.lineTo({x, band.bottom});
    canvas.selectPen(old);
}

void drawChartTrace(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                    const ChartHistory& history, int plot, double max, double min,
                    TraceLayer* layer) {
    if (history.ringLength() < 1) {
        return;
    }
    TraceWalk(canvas, band, style, history, plot, max, min, layer).walk(false);
}

void drawChartTraceEveryPosition(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                                 const ChartHistory& history, int plot, double max, double min) {
    if (history.ringLength() < 1) {
        return;
    }
    TraceWalk(canvas, band, style, history, plot, max, min, nullptr).walk(true);
}

}  // namespace brennix::chart
