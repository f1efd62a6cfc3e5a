#include "chart/render/trace_painter.h"

#include <algorithm>
#include <array>

namespace brennix::chart {
namespace {

gfx::PenStyle penStyleOf(std::int16_t lineStyle) {
    switch (lineStyle) {
        case LS_Dash:
            return gfx::PenStyle::Dash;
        case LS_Dot:
            return gfx::PenStyle::Dot;
        default:
            return gfx::PenStyle::Solid;
    }
}

// Restores the pen and brush in force before it was made.
class Selection {
  public:
    Selection(gfx::Canvas& canvas, const gfx::Pen& pen, const gfx::Brush& brush)
        : canvas_(canvas), oldPen_(canvas.selectPen(pen)), oldBrush_(canvas.selectBrush(brush)) {}
    ~Selection() {
        canvas_.selectBrush(oldBrush_);
        canvas_.selectPen(oldPen_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    gfx::Canvas& canvas_;
    gfx::Pen oldPen_;
    gfx::Brush oldBrush_;
};

void lines(gfx::Canvas& canvas, std::initializer_list<gfx::Point> points) {
    auto it = points.begin();
    canvas.moveTo(*it);
    for (++it; it != points.end(); ++it) {
        canvas.lineTo(*it);
    }
}

}  // namespace

gfx::Pen linePen(const PlotStyle& style) {
    return {penStyleOf(style.LineStyle), std::max<int>(style.LineWidth, 0), style.LineColor};
}

TracePainter::TracePainter(gfx::Canvas& canvas, const gfx::Rect& band, const PlotStyle& style,
                           const YScale& scale, PreviousPoint rule)
    : canvas_(canvas),
      band_(band),
      style_(style),
      scale_(scale),
      rule_(rule),
      linePen_(linePen(style)) {
    columnLines_ = rowsOfLine(0, 1).has_value();
}

std::optional<RowRun> TracePainter::rowsOfLine(int from, int to) const {
    const std::optional<gfx::Rect> area = canvas_.lineArea(linePen_, {0, from}, {0, to});
    if (!area) {
        return std::nullopt;
    }
    if (area->isEmpty()) {
        return RowRun{from, from - 1};
    }
    if (area->left != 0 || area->right != 1) {
        return std::nullopt;
    }
    return RowRun{area->top, area->bottom - 1};
}

void TracePainter::setPrevious(int x, double value) {
    previous_ = Pixel{x, scale_.row(value)};
}

TracePainter::Parts TracePainter::partsOf(std::int64_t fromRow, std::int64_t y) const {
    Parts parts;
    if (!scale_.inBand(y)) {
        return parts;
    }
    const bool joins = style_.Interp >= IP_Direct && style_.Interp <= IP_YX;
    parts.fill = joins && style_.FillBase >= FB_Zero && style_.FillBase <= FB_PlusInfinity;
    parts.line = joins && scale_.inBand(fromRow);
    parts.marker = style_.PointStyle != PS_None;
    return parts;
}

void TracePainter::drawPart(Part part, int fromX, std::int64_t fromRow, int x, int y) {
    const Pixel from{fromX, fromRow};
    switch (part) {
        case Part::Fill:
            fill(from, x, y);
            break;
        case Part::Line:
            line(from, x, y);
            break;
        case Part::Marker:
            marker(x, y);
            break;
    }
}

bool TracePainter::point(int x, double value) {
    const std::int64_t row = scale_.row(value);
    const bool drawn = scale_.inBand(row);
    if (!previous_ && (drawn || rule_ == PreviousPoint::Every)) {
        previous_ = Pixel{x, row};
    }
    if (drawn) {
        const int y = static_cast<int>(row);
        const Parts parts = partsOf(previous_->y, row);
        if (parts.fill) {
            fill(*previous_, x, y);
        }
        if (parts.line) {
            line(*previous_, x, y);
        }
        if (parts.marker) {
            marker(x, y);
        }
    }
    if (drawn || rule_ == PreviousPoint::Every) {
        previous_ = Pixel{x, row};
    }
    return drawn;
}

void TracePainter::batchColumns(bool on) {
    flush();
    batchable_ = on && thinStraightLines();
}

bool TracePainter::thinStraightLines() const {
    return columnLines_ && style_.Interp == IP_Direct;
}

void TracePainter::flush() {
    if (!held_) {
        return;
    }
    const ColumnRun run = *held_;
    held_.reset();
    columnRows(run.x, std::span(&run.rows, 1));
}

void TracePainter::useLinePen() {
    if (!outerPen_) {
        outerPen_ = canvas_.selectPen(linePen_);
    } else if (canvas_.pen() != linePen_) {
        canvas_.selectPen(linePen_);
    }
}

TracePainter::~TracePainter() {
    flush();
    if (outerPen_) {
        canvas_.selectPen(*outerPen_);
    }
}

bool TracePainter::drawsOnlyThinLines() const {
    const bool fills = style_.FillBase >= FB_Zero && style_.FillBase <= FB_PlusInfinity;
    const bool marks = style_.PointStyle >= PS_EmptySquare && style_.PointStyle <= PS_Cross;
    return thinStraightLines() && !fills && !marks;
}

void TracePainter::columnRows(int x, std::span<const RowRun> rows) {
    flush();
    if (rows.empty()) {
        return;
    }
    for (const RowRun& run : rows) {
        canvas_.fillRect({x, run.first, x + 1, run.last + 1}, linePen_.color);
    }
}

bool TracePainter::batched(const Pixel& from, int x, int y) {
    if (!batchable_ || from.x != x) {
        return false;
    }
    const std::optional<RowRun> rows = rowsOfLine(static_cast<int>(from.y), y);
    if (!rows || rows->empty()) {
        return false;  // drawn as it is; no pixels need nothing held drawn first
    }
    const int first = rows->first;
    const int last = rows->last;
    if (held_ && held_->x == x && first <= held_->rows.last + 1 && last >= held_->rows.first - 1) {
        held_->rows.first = std::min(held_->rows.first, first);
        held_->rows.last = std::max(held_->rows.last, last);
        return true;
    }
    flush();
    held_ = ColumnRun{x, {first, last}};
    return true;
}

void TracePainter::fill(const Pixel& from, int x, int y) {
    flush();
    const int base = scale_.fillBase(style_.FillBase);
    const Selection selection(canvas_, {gfx::PenStyle::Solid, 1, style_.FillColor},
                              {gfx::BrushStyle::Solid, style_.FillColor});
    const std::array<gfx::Point, 4> corners{{
        {std::clamp(from.x, band_.left, std::max(band_.left, band_.right)),
         scale_.clampRow(from.y)},
        {x, y},
        {x, base},
        {from.x, base},
    }};
    canvas_.polygon(corners);
}

void TracePainter::line(const Pixel& from, int x, int y) {
    if (batched(from, x, y)) {
        return;
    }
    if (from.x != x || from.y != y) {
        flush();
    }
    useLinePen();
    const int py = static_cast<int>(from.y);
    switch (style_.Interp) {
        case IP_XY:
            lines(canvas_, {{from.x, py}, {x, py}, {x, y}});
            break;
        case IP_YX:
            lines(canvas_, {{from.x, py}, {from.x, y}, {x, y}});
            break;
        default:
            lines(canvas_, {{from.x, py}, {x, y}});
            break;
    }
}

void TracePainter::marker(int x, int y) {
    flush();
    const gfx::Pen pen{gfx::PenStyle::Solid, 1, style_.PointColor};
    const gfx::Brush solid{gfx::BrushStyle::Solid, style_.PointColor};
    const gfx::Brush hollow{gfx::BrushStyle::Null, style_.PointColor};
    const gfx::Rect box{x - 2, y - 2, x + 2, y + 2};
    switch (style_.PointStyle) {
        case PS_EmptySquare: {
            const Selection s(canvas_, pen, hollow);
            lines(canvas_,
                  {{x - 2, y - 2}, {x + 2, y - 2}, {x + 2, y + 2}, {x - 2, y + 2}, {x - 2, y - 2}});
            break;
        }
        case PS_SolidSquare: {
            const Selection s(canvas_, pen, solid);
            canvas_.rectangle(box);
            break;
        }
        case PS_EmptyDiamond: {
            const Selection s(canvas_, pen, hollow);
            lines(canvas_, {{x, y - 2}, {x + 2, y}, {x, y + 2}, {x - 2, y}, {x, y - 2}});
            break;
        }
        case PS_SolidDiamond: {
            const Selection s(canvas_, pen, solid);
            const std::array<gfx::Point, 4> corners{
                {{x, y - 2}, {x + 2, y}, {x, y + 2}, {x - 2, y}}};
            canvas_.polygon(corners);
            break;
        }
        case PS_EmptyCircle: {
            // Hollow, whatever brush the surface had.
            const Selection s(canvas_, pen, hollow);
            canvas_.ellipse(box);
            break;
        }
        case PS_SolidCircle: {
            const Selection s(canvas_, pen, solid);
            canvas_.ellipse(box);
            break;
        }
        case PS_X: {
            const Selection s(canvas_, pen, hollow);
            lines(canvas_, {{x - 2, y - 2}, {x + 2, y + 2}});
            lines(canvas_, {{x + 2, y - 2}, {x - 2, y + 2}});
            break;
        }
        case PS_Cross: {
            const Selection s(canvas_, pen, hollow);
            lines(canvas_, {{x - 2, y}, {x + 2, y}});
            lines(canvas_, {{x, y - 2}, {x, y + 2}});
            break;
        }
        default:
            break;
    }
}

}  // namespace brennix::chart
