#pragma once
// A Canvas that draws nothing and keeps each drawing call with the pen,
// brush, font, colours and alignment in force, so that tests can assert a
// control's geometry exactly. Selections and colour changes are not calls
// of their own: they show in the state of the calls that follow.

#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/font_library.h"

namespace brennix::gfx {

enum class CallKind : std::uint8_t {
    MoveTo,
    LineTo,
    Polyline,
    Rectangle,
    Ellipse,
    Arc,
    Pie,
    Polygon,
    FillRect,
    SetPixel,
    DrawEdge,
    TextOut,
    BlockCopy,
};

const char* callKindName(CallKind kind);

struct RecordedCall {
    CallKind kind = CallKind::MoveTo;
    // MoveTo: the point; LineTo: from, to; Polyline, Polygon: the vertices;
    // Arc, Pie: radialStart, radialEnd; SetPixel, TextOut: the point;
    // BlockCopy: the source origin.
    std::vector<Point> points;
    // Rectangle, FillRect, DrawEdge, BlockCopy destination: the rectangle;
    // Ellipse, Arc, Pie: the box; TextOut: the clip rectangle when clipped.
    Rect rect;
    bool clipped = false;
    std::string text;
    ColorRef color = 0;  // FillRect, SetPixel
    EdgeStyle edge = EdgeStyle::Raised;
    // What was drawn on the source of a BlockCopy, when it recorded.
    std::vector<RecordedCall> source;

    Pen pen;
    Brush brush;
    Font font;
    ColorRef textColor = 0;
    ColorRef backgroundColor = 0;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    TextAlign textAlign = TextAlign::Left;
};

// Text measured as if every character were advance pixels wide, for tests
// that should not depend on a font file.
struct FixedTextMeasure {
    TextMetrics metrics;
    int advance = 0;
};

class RecordingCanvas final : public Canvas {
  public:
    explicit RecordingCanvas(Size size, FontLibrary& fonts = FontLibrary::shared());
    RecordingCanvas(Size size, const FixedTextMeasure& measure);

    const std::vector<RecordedCall>& calls() const { return calls_; }
    std::vector<RecordedCall> callsOf(CallKind kind) const;
    void clear() { calls_.clear(); }

    Size size() const override { return size_; }

    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    Font selectFont(const Font& font) override;
    Pen pen() const override { return pen_; }
    Brush brush() const override { return brush_; }
    Font font() const override { return font_; }

    ColorRef setTextColor(ColorRef color) override;
    ColorRef setBackgroundColor(ColorRef color) override;
    BackgroundMode setBackgroundMode(BackgroundMode mode) override;
    TextAlign setTextAlign(TextAlign align) override;

    Point moveTo(Point p) override;
    void lineTo(Point p) override;
    Point currentPosition() const override { return position_; }
    void polyline(std::span<const Point> points) override;

    void rectangle(const Rect& r) override;
    void ellipse(const Rect& box) override;
    void arc(const Rect& box, Point radialStart, Point radialEnd) override;
    void pie(const Rect& box, Point radialStart, Point radialEnd) override;
    void polygon(std::span<const Point> points) override;

    void fillRect(const Rect& r, ColorRef color) override;
    void setPixel(Point p, ColorRef color) override;
    void drawEdge(const Rect& r, EdgeStyle edge) override;

    void textOut(Point p, std::string_view utf8) override;
    void textOutClipped(Point p, const Rect& clip, std::string_view utf8) override;
    TextMetrics textMetrics() const override;
    Size textExtent(std::string_view utf8) const override;

    std::unique_ptr<Canvas> createCompatible(Size size) const override;
    void blockCopy(const Rect& dest, const Canvas& source, Point sourceOrigin) override;

  private:
    RecordedCall& record(CallKind kind);

    Size size_;
    FontLibrary* fonts_ = nullptr;
    std::optional<FixedTextMeasure> fixed_;
    Pen pen_;
    Brush brush_;
    Font font_;
    ColorRef textColor_ = rgb(0, 0, 0);
    ColorRef backgroundColor_ = rgb(255, 255, 255);
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    TextAlign textAlign_ = TextAlign::Left;
    Point position_;
    std::vector<RecordedCall> calls_;
};

}  // namespace brennix::gfx
