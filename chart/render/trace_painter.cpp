#include "chart/render/trace_painter.h"

#include <algorithm>
#include <array>

#include "platform/gfx/pen_painter.h"

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

void TracePainter::composeIn(TraceLayer* layer) {
    flush();
    if (outerPen_) {
        surface().selectPen(*outerPen_);
        outerPen_.reset();
    }
    // Only fills have rectangles to gather; other traces gain nothing.
    const bool fills = style_.Interp >= IP_Direct && style_.Interp <= IP_YX &&
                       style_.FillBase >= FB_Zero && style_.FillBase <= FB_PlusInfinity;
    layer_ = fills ? layer : nullptr;
}

void TracePainter::setPrevious(int x, double value) {
    previous_ = Pixel{x, scale_.row(value)};
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

std::optional<std::vector<gfx::Rect>> TracePainter::pointAreas(int x, double value) {
    if (!previous_) {
        return std::nullopt;
    }
    const std::int64_t row = scale_.row(value);
    std::vector<gfx::Rect> areas;
    const Parts parts = partsOf(previous_->y, row);
    const int y = static_cast<int>(std::clamp<std::int64_t>(row, scale_.top(), scale_.bottom()));
    const int fromX = previous_->x;
    if (parts.fill) {
        const int ax = std::clamp(fromX, band_.left, std::max(band_.left, band_.right));
        const int ay = scale_.clampRow(previous_->y);
        const int base = scale_.fillBase(style_.FillBase);
        areas.push_back({std::min({ax, x, fromX}), std::min({ay, y, base}),
                         std::max({ax, x, fromX}) + 1, std::max({ay, y, base}) + 1});
    }
    if (parts.line) {
        const int py = static_cast<int>(previous_->y);
        const int reach = lineReach();
        areas.push_back({std::min(fromX, x) - reach, std::min(py, y) - reach,
                         std::max(fromX, x) + reach + 1, std::max(py, y) + reach + 1});
    }
    if (parts.marker) {
        for (const TraceLayer::Run& run : markerStamp()) {
            areas.push_back({x + run.dx0, y + run.dy, x + run.dx1, y + run.dy + 1});
        }
    }
    return areas;
}

int TracePainter::lineReach() const {
    // A pen of one pixel keeps within its ends' box; a wide one reaches half
    // its width around the path.
    const int width = std::clamp(linePen_.width, 1, gfx::kMaxPenWidth);
    return width == 1 ? 0 : width / 2 + 2;
}

void TracePainter::batchColumns(bool on) {
    flushHeld();
    batchable_ = on && thinStraightLines();
}

bool TracePainter::thinStraightLines() const {
    return columnLines_ && style_.Interp == IP_Direct;
}

void TracePainter::flush() {
    flushHeld();
    if (layer_ != nullptr) {
        layer_->compose();
    }
}

void TracePainter::flushHeld() {
    if (!held_) {
        return;
    }
    const ColumnRun run = *held_;
    held_.reset();
    columnRows(run.x, std::span(&run.rows, 1));
}

void TracePainter::useLinePen() {
    gfx::Canvas& canvas = surface();
    if (!outerPen_) {
        outerPen_ = canvas.selectPen(linePen_);
    } else if (canvas.pen() != linePen_) {
        canvas.selectPen(linePen_);
    }
}

TracePainter::~TracePainter() {
    flushHeld();
    if (outerPen_) {
        surface().selectPen(*outerPen_);
    }
    if (layer_ != nullptr) {
        layer_->compose();
    }
}

bool TracePainter::drawsOnlyThinLines() const {
    const bool fills = style_.FillBase >= FB_Zero && style_.FillBase <= FB_PlusInfinity;
    const bool marks = style_.PointStyle >= PS_EmptySquare && style_.PointStyle <= PS_Cross;
    return thinStraightLines() && !fills && !marks;
}

void TracePainter::columnRows(int x, std::span<const RowRun> rows) {
    flushHeld();
    if (rows.empty()) {
        return;
    }
    gfx::Canvas& canvas = surface();
    for (const RowRun& run : rows) {
        canvas.fillRect({x, run.first, x + 1, run.last + 1}, linePen_.color);
        touched({x, run.first, x + 1, run.last + 1});
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
    flushHeld();
    held_ = ColumnRun{x, {first, last}};
    return true;
}

void TracePainter::fill(const Pixel& from, int x, int y) {
    flushHeld();
    const int base = scale_.fillBase(style_.FillBase);
    const std::array<gfx::Point, 4> corners{{
        {std::clamp(from.x, band_.left, std::max(band_.left, band_.right)),
         scale_.clampRow(from.y)},
        {x, y},
        {x, base},
        {from.x, base},
    }};
    if (layer_ != nullptr) {
        layer_->fill(corners, style_.FillColor);
        return;
    }
    const Selection selection(canvas_, {gfx::PenStyle::Solid, 1, style_.FillColor},
                              {gfx::BrushStyle::Solid, style_.FillColor});
    canvas_.polygon(corners);
}

void TracePainter::line(const Pixel& from, int x, int y) {
    if (batched(from, x, y)) {
        return;
    }
    if (from.x != x || from.y != y) {
        flushHeld();
    }
    useLinePen();
    gfx::Canvas& canvas = surface();
    const int py = static_cast<int>(from.y);
    switch (style_.Interp) {
        case IP_XY:
            lines(canvas, {{from.x, py}, {x, py}, {x, y}});
            break;
        case IP_YX:
            lines(canvas, {{from.x, py}, {from.x, y}, {x, y}});
            break;
        default:
            lines(canvas, {{from.x, py}, {x, y}});
            break;
    }
    if (layer_ != nullptr) {
        const int reach = lineReach();
        layer_->touched({std::min(from.x, x) - reach, std::min(py, y) - reach,
                         std::max(from.x, x) + reach + 1, std::max(py, y) + reach + 1});
    }
}

void TracePainter::marker(int x, int y) {
    flushHeld();
    if (layer_ == nullptr) {
        markerOn(canvas_, x, y);
        return;
    }
    layer_->stamp(markerStamp(), x, y, style_.PointColor);
    if (markerEnd_) {
        layer_->scratch().moveTo({x + markerEnd_->x, y + markerEnd_->y});
    }
}

const std::vector<TraceLayer::Run>& TracePainter::markerStamp() {
    if (!markerStamp_) {
        markerStamp_ = TraceLayer::runsOf(4, [&](gfx::Canvas& canvas, int cx, int cy) {
            // Markers of lines leave the current position at their last end.
            const gfx::Point unmoved{-1000, -1000};
            canvas.moveTo(unmoved);
            markerOn(canvas, cx, cy);
            const gfx::Point end = canvas.currentPosition();
            if (!(end == unmoved)) {
                markerEnd_ = gfx::Point{end.x - cx, end.y - cy};
            }
        });
    }
    return *markerStamp_;
}

void TracePainter::markerOn(gfx::Canvas& canvas, int x, int y) {
    const gfx::Pen pen{gfx::PenStyle::Solid, 1, style_.PointColor};
    const gfx::Brush solid{gfx::BrushStyle::Solid, style_.PointColor};
    const gfx::Brush hollow{gfx::BrushStyle::Null, style_.PointColor};
    const gfx::Rect box{x - 2, y - 2, x + 2, y + 2};
    switch (style_.PointStyle) {
        case PS_EmptySquare: {
            const Selection s(canvas, pen, hollow);
            lines(canvas,
                  {{x - 2, y - 2}, {x + 2, y - 2}, {x + 2, y + 2}, {x - 2, y + 2}, {x - 2, y - 2}});
            break;
        }
        case PS_SolidSquare: {
            const Selection s(canvas, pen, solid);
            canvas.rectangle(box);
            break;
        }
        case PS_EmptyDiamond: {
            const Selection s(canvas, pen, hollow);
            lines(canvas, {{x, y - 2}, {x + 2, y}, {x, y + 2}, {x - 2, y}, {x, y - 2}});
            break;
        }
        case PS_SolidDiamond: {
            const Selection s(canvas, pen, solid);
            const std::array<gfx::Point, 4> corners{
                {{x, y - 2}, {x + 2, y}, {x, y + 2}, {x - 2, y}}};
            canvas.polygon(corners);
            break;
        }
        case PS_EmptyCircle: {
            // Hollow, whatever brush the surface had.
            const Selection s(canvas, pen, hollow);
            canvas.ellipse(box);
            break;
        }
        case PS_SolidCircle: {
            const Selection s(canvas, pen, solid);
            canvas.ellipse(box);
            break;
        }
        case PS_X: {
            const Selection s(canvas, pen, hollow);
            lines(canvas, {{x - 2, y - 2}, {x + 2, y + 2}});
            lines(canvas, {{x + 2, y - 2}, {x - 2, y + 2}});
            break;
        }
        case PS_Cross: {
            const Selection s(canvas, pen, hollow);
            lines(canvas, {{x - 2, y}, {x + 2, y}});
            lines(canvas, {{x, y - 2}, {x, y + 2}});
            break;
        }
        default:
            break;
    }
}

}  // namespace brennix::chart
