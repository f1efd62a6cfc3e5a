#pragma once
// The drawing surface every display control paints on, in the shape of a
// device context: a current pen, brush and font, text colours and alignment,
// a current position, and integer pixel geometry (right and bottom exclusive).
//
// Colours are the 32-bit values controls store (ColorRef); system-colour
// values are translated with translateColor when drawn. A value that names no
// colour draws black.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace brennix::gfx {

enum class PenStyle : std::uint8_t { Solid, Dash, Dot, Null };

// Width 0 draws as 1, widths above 256 as 256. Dashed and dotted pens wider
// than 1 draw solid.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    ColorRef color = rgb(0, 0, 0);
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle : std::uint8_t { Solid, Null };

// A null brush leaves the inside of closed figures untouched.
struct Brush {
    BrushStyle style = BrushStyle::Solid;
    ColorRef color = rgb(255, 255, 255);
    bool operator==(const Brush&) const = default;
};

// A face of the DejaVu families: names containing "Mono" give the monospaced
// face, names containing "Serif" (and not "Sans") the serif face, every other
// name the sans face. Sizes are in points at 96 dots per inch.
struct Font {
    std::string face = "DejaVu Sans";
    double points = 8.0;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

struct TextMetrics {
    int height = 0;  // ascent + descent, internal leading included
    int ascent = 0;
    int descent = 0;
    int maxCharWidth = 0;
    int aveCharWidth = 0;
    bool operator==(const TextMetrics&) const = default;
};

enum class BackgroundMode : std::uint8_t { Opaque, Transparent };

// Horizontal alignment of text; the reference point is always the top.
enum class TextAlign : std::uint8_t { Left, Center, Right };

// Two-pixel bevelled borders drawn on all four sides of a rectangle.
enum class EdgeStyle : std::uint8_t { Raised, Sunken, Bump, Etched };

class Canvas {
  public:
    virtual ~Canvas() = default;
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    virtual Size size() const = 0;

    // Selection returns what was selected before, so it can be restored.
    virtual Pen selectPen(const Pen& pen) = 0;
    virtual Brush selectBrush(const Brush& brush) = 0;
    virtual Font selectFont(const Font& font) = 0;
    virtual Pen pen() const = 0;
    virtual Brush brush() const = 0;
    virtual Font font() const = 0;

    virtual ColorRef setTextColor(ColorRef color) = 0;
    virtual ColorRef setBackgroundColor(ColorRef color) = 0;
    virtual BackgroundMode setBackgroundMode(BackgroundMode mode) = 0;
    virtual TextAlign setTextAlign(TextAlign align) = 0;

    // Lines: 1-pixel pens leave out the end pixel, wider pens cover it.
    virtual Point moveTo(Point p) = 0;
    virtual void lineTo(Point p) = 0;
    virtual Point currentPosition() const = 0;
    virtual void polyline(std::span<const Point> points) = 0;
    // The pixels a lineTo from `from` to `to` would paint with pen, where
    // they are one rectangle in the pen's colour (not clipped to the
    // surface; empty where the line paints nothing); nullopt where they are
    // not or the surface cannot tell. Lets a caller that draws such lines
    // side by side paint what they cover as one fill. The area moves with
    // the line: a line moved by (dx, dy) has its area moved by (dx, dy).
    virtual std::optional<Rect> lineArea(const Pen& pen, Point from, Point to) const {
        (void)pen;
        (void)from;
        (void)to;
        return std::nullopt;
    }

    // Closed figures: the brush fills the inside, then the pen draws the
    // outline. Ellipses, arcs and pies in boxes wider or higher than 32768
    // pixels are not drawn.
    virtual void rectangle(const Rect& r) = 0;
    virtual void ellipse(const Rect& box) = 0;
    // Counter-clockwise on screen, from where the ray from the box centre
    // through radialStart meets the ellipse to where the one through radialEnd
    // does; equal directions give the whole ellipse.
    virtual void arc(const Rect& box, Point radialStart, Point radialEnd) = 0;
    virtual void pie(const Rect& box, Point radialStart, Point radialEnd) = 0;
    // Alternate (even-odd) fill.
    virtual void polygon(std::span<const Point> points) = 0;

    virtual void fillRect(const Rect& r, ColorRef color) = 0;
    virtual void setPixel(Point p, ColorRef color) = 0;
    virtual void drawEdge(const Rect& r, EdgeStyle edge) = 0;

    // Text at the reference point (x, y): top reference, horizontal alignment
    // as set. The current position does not move.
    virtual void textOut(Point p, std::string_view utf8) = 0;
    // The same, with the background box and the glyphs clipped to clip.
    virtual void textOutClipped(Point p, const Rect& clip, std::string_view utf8) = 0;
    virtual TextMetrics textMetrics() const = 0;
    virtual Size textExtent(std::string_view utf8) const = 0;

    // An off-screen surface of the same kind, for drawing a whole frame and
    // copying it with blockCopy in one block.
    virtual std::unique_ptr<Canvas> createCompatible(Size size) const = 0;
    // Copies source pixels from sourceOrigin onto dest (source copy), clipped
    // to both surfaces.
    virtual void blockCopy(const Rect& dest, const Canvas& source, Point sourceOrigin) = 0;
};

}  // namespace brennix::gfx
