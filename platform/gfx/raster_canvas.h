#pragma once
// The software rasterizer: a Canvas drawing into a 32-bit Bitmap with the
// integer pixel rules the controls lay their geometry out by.

#include <array>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/ellipse_path.h"
#include "platform/gfx/font_library.h"
#include "platform/gfx/pen_painter.h"
#include "platform/gfx/polygon_fill.h"

namespace brennix::gfx {

// A value that names no colour draws black.
Pixel translatedPixelOf(ColorRef value);
// Plain colours, nearly all that is drawn, need no look-up; pens are
// selected for every point of a trace.
inline Pixel pixelOf(ColorRef value) {
    return (value >> 24) == 0 ? toPixel(value) : translatedPixelOf(value);
}

class RasterCanvas final : public Canvas {
  public:
    // A fresh surface is white, with a black 1-pixel pen, a white brush, the
    // stock font, black text on an opaque white background, left alignment.
    explicit RasterCanvas(Size size, FontLibrary& fonts = FontLibrary::shared());

    // Assigning a bitmap here paints on it from then on.
    const Bitmap& bitmap() const { return bitmap_; }
    Bitmap& bitmap() { return bitmap_; }

    Size size() const override { return bitmap_.size(); }

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
    std::optional<Rect> lineArea(const Pen& pen, Point from, Point to) const override;

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
    // A source that is not a raster surface throws std::invalid_argument:
    // its pixels cannot be read, and leaving dest as it was would hide that.
    void blockCopy(const Rect& dest, const Canvas& source, Point sourceOrigin) override;
    // Copies bitmap with its top-left pixel at `at`, clipped, a row at a time.
    void drawBitmap(Point at, const Bitmap& bitmap);

  private:
    void configurePen();
    const FaceInstance* face() const;
    int textWidth(const FaceInstance* face, std::string_view utf8) const;
    void drawText(Point p, const Rect& clip, std::string_view utf8);
    void closedPath(std::span<const Point> points);
    void ring(const Rect& r, Pixel topLeft, Pixel bottomRight);
    void copyPixels(const Rect& dest, const Bitmap& source, Point sourceOrigin);

    Bitmap bitmap_;
    FontLibrary& fonts_;
    Pen pen_;
    Brush brush_;
    Font font_;
    ColorRef textColor_ = rgb(0, 0, 0);
    ColorRef backgroundColor_ = rgb(255, 255, 255);
    Pixel backgroundPixel_ = toPixel(rgb(255, 255, 255));
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    TextAlign textAlign_ = TextAlign::Left;
    Point position_;

    // The pen in use and the one selected before it, kept ready: callers
    // switch back and forth between two pens for every line.
    std::array<PenPainter, 2> painters_;
    std::array<PenSetup, 2> setups_;
    int active_ = 0;
    PenPainter& painter() { return painters_[static_cast<std::size_t>(active_)]; }
    // The pen lineArea was last asked about, when not the selected one.
    mutable PenPainter probe_;
    mutable std::optional<Pen> probePen_;
    bool configured_ = false;
    bool spareReady_ = false;
    Pixel brushPixel_ = 0;
    bool brushSolid_ = true;
    mutable std::shared_ptr<const FaceInstance> face_;
    mutable bool faceLooked_ = false;

    // Reused between calls to keep the figures free of allocations.
    EllipseOutline outline_;
    std::vector<Point> scratch_;
    PolygonFiller filler_;
};

}  // namespace brennix::gfx
