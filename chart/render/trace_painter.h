#pragma once
// One trace, point by point: the fill towards the base, the line from the
// previous point in the chosen interpolation, and the marker.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chart/render/column_cover.h"
#include "chart/render/plot_style.h"
#include "chart/render/trace_layer.h"
#include "chart/render/y_scale.h"
#include "platform/gfx/canvas.h"

namespace brennix::chart {

// Which points the next one joins on to: the Chart joins every point to the
// one before, drawn or not; the Graph joins drawn points, bridging those it
// skipped.
enum class PreviousPoint { Every, DrawnOnly };

class TracePainter {
  public:
    TracePainter(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                 const YScale& scale, PreviousPoint rule = PreviousPoint::Every);

    // Composes the draws of a trace with fills through layer (made for this
    // canvas) from now on; nullptr, or a trace without fills, draws each one
    // on the canvas as it comes.
    void composeIn(TraceLayer* layer);

    // The next point joins on to (x, value) as if it had just been drawn.
    void setPrevious(int x, double value);
    // Forget the previous point: the next one starts the trace afresh.
    void restart() { previous_.reset(); }

    // Draws the point at column x for value; returns whether it lay in the band.
    bool point(int x, double value);
    // The pixels point(x, value) may paint lie within the areas returned;
    // nothing when that is unknown (no point before it to join).
    std::optional<std::vector<gfx::Rect>> pointAreas(int x, double value);

    // The parts a point at row y joined on to a point at fromRow draws, in
    // drawing order; for callers that compose the draws of many points.
    struct Parts {
        bool fill = false;
        bool line = false;
        bool marker = false;
    };
    // Inline: the parts then stay in registers, not bytes written and read
    // back as one.
    Parts partsOf(std::int64_t fromRow, std::int64_t y) const {
        if (!scale_.inBand(y)) {
            return {};
        }
        const bool joins = style_.Interp >= IP_Direct && style_.Interp <= IP_YX;
        return {joins && style_.FillBase >= FB_Zero && style_.FillBase <= FB_PlusInfinity,
                joins && scale_.inBand(fromRow), style_.PointStyle != PS_None};
    }
    enum class Part { Fill, Line, Marker };
    // One part of the point at (x, y) joined on to (fromX, fromRow).
    void drawPart(Part part, int fromX, std::int64_t fromRow, int x, int y);

    // With batching on, thin solid lines that stay in one column are held
    // and drawn as one line when the trace leaves the column, draws anything
    // else or flush() is called: the same pixels for a fraction of the calls
    // when thousands of points share a column. Callers that draw between
    // points flush first, which also composes a layer's draws.
    void batchColumns(bool on);
    void flush();

    // Whether every point draws at most a straight line that, by the
    // surface's account, paints one rectangle within its column when it
    // runs along one: no fill, no marker. Such points can be summed up
    // column by column.
    bool drawsOnlyThinLines() const;
    const YScale& scale() const { return scale_; }
    // The rows a line of the line pen from row `from` to row `to` paints in
    // its own column, as the surface reports them (empty where it paints
    // none); nothing where the surface cannot tell or the line reaches
    // beyond its column.
    std::optional<RowRun> rowsOfLine(int from, int to) const;
    // Paints rows of column x in the line pen's colour, as the lines that
    // rowsOfLine reported them for would.
    void columnRows(int x, std::span<const RowRun> rows);
    // Flushes, and puts back the pen the surface had.
    ~TracePainter();
    TracePainter(const TracePainter&) = delete;
    TracePainter& operator=(const TracePainter&) = delete;

  private:
    struct Pixel {
        int x;
        std::int64_t y;
    };

    // Rows of column x, all painted.
    struct ColumnRun {
        int x;
        RowRun rows;
    };
    bool thinStraightLines() const;
    int lineReach() const;
    bool batched(const Pixel& from, int x, int y);
    void flushHeld();
    // The surface the draws go to: the layer's scratch or the canvas.
    gfx::Canvas& surface() { return layer_ != nullptr ? layer_->scratch() : canvas_; }
    void touched(const gfx::Rect& area) {
        if (layer_ != nullptr) {
            layer_->touched(area);
        }
    }
    // Lines go out in the line pen; it stays selected between them, as most
    // points draw nothing else.
    void useLinePen();

    void fill(const Pixel& from, int x, int y);
    void line(const Pixel& from, int x, int y);
    void marker(int x, int y);
    // The marker's shape drawn on canvas around (x, y).
    void markerOn(gfx::Canvas& canvas, int x, int y);
    const std::vector<TraceLayer::Run>& markerStamp();

    gfx::Canvas& canvas_;
    gfx::Rect band_;
    PlotStyle style_;
    YScale scale_;
    PreviousPoint rule_;
    gfx::Pen linePen_;
    std::optional<Pixel> previous_;
    // Lines of the line pen along a column paint one rectangle within it.
    bool columnLines_ = false;
    bool batchable_ = false;
    std::optional<ColumnRun> held_;
    std::optional<gfx::Pen> outerPen_;
    TraceLayer* layer_ = nullptr;
    // The marker's pixels around its point, drawn once: every marker paints
    // the same shape in one colour.
    std::optional<std::vector<TraceLayer::Run>> markerStamp_;
    std::optional<gfx::Point> markerEnd_;  // from the point
};

// The pen a LineStyle and LineWidth give; unknown styles draw solid.
gfx::Pen linePen(const PlotStyle& style);

}  // namespace brennix::chart
