#pragma once
// One plot of the Chart as its history shows it: the window's positions
// placed across the band, the sweep cursor, and the trace.

#include "chart/history/chart_history.h"
#include "chart/render/plot_style.h"
#include "chart/render/trace_layer.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

// plot is 0-based; max and min are ScaleMaximum and ScaleMinimum. The pixels
// are those of drawing every position, and the work is bounded whatever
// ViewNum is: where a column holds more than a ring's worth of positions, the
// earlier ones only repeat draws that the later ones make again, so a column
// costs at most a ring's worth of points; with thin solid lines and no fills
// or markers it costs a look-up of the rows its lines cover (work per paint
// of the order of the ring plus the band's area). With a layer (made for
// canvas) the draws are composed through it, for the same pixels.
void drawChartTrace(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                    const ChartHistory& history, int plot, double max, double min,
                    TraceLayer* layer = nullptr);

// The same, visiting every position of the window; for checking the above.
void drawChartTraceEveryPosition(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                                 const ChartHistory& history, int plot, double max, double min);

// The sweep cursor at column x: red, solid, 2 pixels wide, top to bottom.
void drawSweepCursor(gfx::Canvas& canvas, const gfx::Rect& band, int x);

}  // namespace brennix::chart
