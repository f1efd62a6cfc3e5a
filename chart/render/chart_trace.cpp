#include "chart/render/chart_trace.h"

#include <algorithm>

#include "chart/history/chart_x_axis.h"
#include "chart/history/visible_trace.h"
#include "chart/render/trace_painter.h"

namespace brennix::chart {
namespace {

class TraceWalk {
  public:
    TraceWalk(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
              const ChartHistory& history, int plot, double max, double min)
        : canvas_(canvas),
          band_(band),
          history_(history),
          plot_(plot),
          trace_(visibleTrace(history, plot)),
          axis_(band.left, band.right, history.startNum(), history.viewNum()),
          painter_(canvas, band, style, YScale(max, min, band.top, band.bottom)),
          length_(history.ringLength()),
          windowFirst_(std::max<std::int64_t>(history.startNum(), 0)) {
        painter_.batchColumns(true);
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
        painter_.flush();
    }

  private:
    double valueAt(const TraceRun& run, std::int64_t s) const {
        return history_.sampleAt(plot_, run.cellAt(s, length_));
    }

    void draw(const TraceRun& run, std::int64_t s, int x) {
        if (run.previousPage && s == run.firstPosition && trace_.bridgeCell) {
            // The old page starts from its own neighbour, not from the new page.
            const int px = s > windowFirst_ ? axis_.x(s - 1) : x;
            painter_.setPrevious(px, history_.sampleAt(plot_, *trace_.bridgeCell));
        }
        if (trace_.cursor.contains(s)) {
            painter_.flush();
            drawSweepCursor(canvas_, band_, x);
        }
        painter_.point(x, valueAt(run, s));
    }

    void walkByColumns(const TraceRun& run) {
        const std::int64_t last = run.lastPosition();
        std::int64_t s = run.firstPosition;
        while (s <= last) {
            const int x = axis_.x(s);
            const std::int64_t columnEnd =
                std::clamp(axis_.firstPositionAtOrRightOf(x + 1) - 1, s, last);
            draw(run, s, x);
            // Past its first point a column repeats itself every ring length:
            // same cells, same neighbours, same column, same cursor.
            std::int64_t next = s + 1;
            const std::int64_t keepFrom = columnEnd - length_ + 1;
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

    gfx::Canvas& canvas_;
    gfx::Rect band_;
    const ChartHistory& history_;
    int plot_;
    VisibleTrace trace_;
    ChartXAxis axis_;
    TracePainter painter_;
    std::int64_t length_;
    std::int64_t windowFirst_;
};

}  // namespace

void drawSweepCursor(gfx::Canvas& canvas, const gfx::Rect& band, int x) {
    const gfx::Pen old = canvas.selectPen({gfx::PenStyle::Solid, 2, gfx::rgb(255, 0, 0)});
    canvas.moveTo({x, band.top});
    canvas.lineTo({x, band.bottom});
    canvas.selectPen(old);
}

void drawChartTrace(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                    const ChartHistory& history, int plot, double max, double min) {
    if (history.ringLength() < 1) {
        return;
    }
    TraceWalk(canvas, band, style, history, plot, max, min).walk(false);
}

void drawChartTraceEveryPosition(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                                 const ChartHistory& history, int plot, double max, double min) {
    if (history.ringLength() < 1) {
        return;
    }
    TraceWalk(canvas, band, style, history, plot, max, min).walk(true);
}

}  // namespace brennix::chart
