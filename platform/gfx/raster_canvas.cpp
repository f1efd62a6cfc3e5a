#include "platform/gfx/raster_canvas.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <span>
#include <stdexcept>
#include <utility>

#include "platform/gfx/line_stepper.h"
#include "platform/gfx/utf8.h"

namespace brennix::gfx {

Pixel translatedPixelOf(ColorRef value) {
    return toPixel(translateColor(value).value_or(rgb(0, 0, 0)));
}

namespace {

Pixel systemPixel(SystemColor c) {
    return pixelOf(systemColorRef(c));
}

}  // namespace

RasterCanvas::RasterCanvas(Size size, FontLibrary& fonts)
    : bitmap_(size.cx, size.cy), fonts_(fonts) {
    brushPixel_ = pixelOf(brush_.color);
    configurePen();
}

void RasterCanvas::configurePen() {
    PenSetup setup;
    setup.style = pen_.style;
    setup.width = pen_.width;
    setup.color = pixelOf(pen_.color);
    setup.gapColor = backgroundPixel_;
    setup.paintGaps = backgroundMode_ == BackgroundMode::Opaque;
    if (configured_ && setup == setups_[static_cast<std::size_t>(active_)]) {
        return;
    }
    active_ ^= 1;
    const bool wasConfigured = std::exchange(configured_, true);
    if (spareReady_ && setup == setups_[static_cast<std::size_t>(active_)]) {
        return;
    }
    spareReady_ = wasConfigured;
    setups_[static_cast<std::size_t>(active_)] = setup;
    painters_[static_cast<std::size_t>(active_)].configure(setup);
}

Pen RasterCanvas::selectPen(const Pen& pen) {
    const Pen previous = pen_;
    if (pen == previous) {
        return previous;
    }
    pen_ = pen;
    configurePen();
    return previous;
}

Brush RasterCanvas::selectBrush(const Brush& brush) {
    const Brush previous = brush_;
    brush_ = brush;
    brushSolid_ = brush.style == BrushStyle::Solid;
    brushPixel_ = pixelOf(brush.color);
    return previous;
}

Font RasterCanvas::selectFont(const Font& font) {
    const Font previous = font_;
    if (!(font == font_)) {
        font_ = font;
        faceLooked_ = false;
    }
    return previous;
}

ColorRef RasterCanvas::setTextColor(ColorRef color) {
    return std::exchange(textColor_, color);
}

ColorRef RasterCanvas::setBackgroundColor(ColorRef color) {
    const ColorRef previous = std::exchange(backgroundColor_, color);
    backgroundPixel_ = pixelOf(color);
    configurePen();
    return previous;
}

BackgroundMode RasterCanvas::setBackgroundMode(BackgroundMode mode) {
    const BackgroundMode previous = std::exchange(backgroundMode_, mode);
    configurePen();
    return previous;
}

TextAlign RasterCanvas::setTextAlign(TextAlign align) {
    return std::exchange(textAlign_, align);
}

Point RasterCanvas::moveTo(Point p) {
    return std::exchange(position_, p);
}

void RasterCanvas::lineTo(Point p) {
    RasterTarget t(bitmap_);
    painter().beginFigure();
    painter().segment(t, position_, p);
    if (painter().isWide()) {
        painter().point(t, p);
    }
    position_ = p;
}

std::optional<Rect> RasterCanvas::lineArea(const Pen& pen, Point from, Point to) const {
    if (pen == pen_) {
        return painters_[static_cast<std::size_t>(active_)].lineArea(from, to);
    }
    // Callers ask about one pen many times over.
    if (!probePen_ || !(*probePen_ == pen)) {
        PenSetup setup;
        setup.style = pen.style;
        setup.width = pen.width;
        probe_.configure(setup);
        probePen_ = pen;
    }
    return probe_.lineArea(from, to);
}

void RasterCanvas::polyline(std::span<const Point> points) {
    if (points.size() < 2) {
        return;
    }
    RasterTarget t(bitmap_);
    painter().beginFigure();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        painter().segment(t, points[i], points[i + 1]);
    }
    if (painter().isWide()) {
        painter().point(t, points.back());
    }
}

void RasterCanvas::closedPath(std::span<const Point> points) {
    RasterTarget t(bitmap_);
    painter().beginFigure();
    for (std::size_t i = 0; i < points.size(); ++i) {
        painter().segment(t, points[i], points[(i + 1) % points.size()]);
    }
}

void RasterCanvas::rectangle(const Rect& rect) {
    const Rect r = rect.normalized();
    if (r.isEmpty()) {
        return;
    }
    RasterTarget t(bitmap_);
    if (painter().isNull()) {
        if (brushSolid_) {
            t.fill({r.left, r.top, r.right - 1, r.bottom - 1}, brushPixel_);
        }
        return;
    }
    if (brushSolid_) {
        t.fill(r.deflated(1, 1), brushPixel_);
    }
    const Point corners[] = {
        {r.right - 1, r.top}, {r.left, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}};
    closedPath(corners);
}

void RasterCanvas::ellipse(const Rect& box) {
    const Rect b = box.normalized();
    if (b.isEmpty()) {
        return;
    }
    if (std::int64_t{b.right} - b.left <= 2 || std::int64_t{b.bottom} - b.top <= 2) {
        rectangle(b);
        return;
    }
    if (!traceEllipse(b, outline_)) {
        return;
    }
    RasterTarget t(bitmap_);
    if (brushSolid_) {
        for (const EllipseRow& row : outline_.rows) {
            // Gaps of a transparent pattern show the brush under the outline.
            if (painter().isNull() || !painter().coversPath()) {
                t.span(row.y, row.outerLeft, row.outerRight + 1, brushPixel_);
            } else {
                t.span(row.y, row.innerLeft + 1, row.innerRight, brushPixel_);
            }
        }
    }
    painter().beginFigure();
    if (painter().isWide()) {
        const std::vector<Point>& c = outline_.chain;
        for (std::size_t i = 0; i < c.size(); ++i) {
            painter().segment(t, c[i], c[(i + 1) % c.size()]);
        }
        return;
    }
    painter().points(t, outline_.chain);
}

void RasterCanvas::arc(const Rect& box, Point radialStart, Point radialEnd) {
    const Rect b = box.normalized();
    if (b.isEmpty() || painter().isNull() || !traceEllipse(b, outline_)) {
        return;
    }
    const ChainRun run = arcRun(outline_, b, radialStart, radialEnd);
    if (run.count == 0) {
        return;
    }
    // The final pixel of a 1-pixel arc is left out, like a line's.
    const std::size_t count = painter().isWide() ? run.count : run.count - 1;
    RasterTarget t(bitmap_);
    painter().beginFigure();
    const std::size_t n = outline_.chain.size();
    if (painter().isWide()) {
        // A wide arc is a wide polyline through its pixels; one pixel is
        // no line at all.
        if (count < 2) {
            if (run.twice) {
                painter().point(t, outline_.chain[run.start]);
            }
            return;
        }
        for (std::size_t i = 0; i + 1 < count; ++i) {
            painter().segment(t, outline_.chain[(run.start + i) % n],
                              outline_.chain[(run.start + i + 1) % n]);
        }
        painter().point(t, outline_.chain[(run.start + count - 1) % n]);
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        painter().point(t, outline_.chain[(run.start + i) % n]);
    }
}

void RasterCanvas::pie(const Rect& box, Point radialStart, Point radialEnd) {
    const Rect b = box.normalized();
    if (b.isEmpty() || !traceEllipse(b, outline_)) {
        return;
    }
    // On a single pixel at the centre only a wide pen draws a pie.
    if (b.width() == 1 && b.height() % 2 == 1 && !painter().isWide()) {
        return;
    }
    const ChainRun run = arcRun(outline_, b, radialStart, radialEnd, ArcKind::Pie);
    const Point centre = arcCentre(b);
    // An arc of one pixel on the centre leaves a figure of no size, which
    // only a wide pen shows.
    if (run.count == 0 ||
        (run.count == 1 && outline_.chain[run.start] == centre && !painter().isWide())) {
        return;
    }
    const std::size_t n = outline_.chain.size();
    scratch_.clear();
    for (std::size_t i = 0; i < run.count; ++i) {
        scratch_.push_back(outline_.chain[(run.start + i) % n]);
    }
    RasterTarget t(bitmap_);
    if (brushSolid_) {
        scratch_.push_back(centre);
        filler_.fill(t, scratch_, FillRule::Winding, brushPixel_);
        scratch_.pop_back();
    }
    if (painter().isNull() || scratch_.empty()) {
        return;
    }
    painter().beginFigure();
    if (painter().isWide()) {
        for (std::size_t i = 0; i + 1 < scratch_.size(); ++i) {
            painter().segment(t, scratch_[i], scratch_[i + 1]);
        }
    } else {
        // The pattern runs on from pixel to pixel; the last one starts the
        // radial to the centre.
        painter().points(t, std::span<const Point>(scratch_).first(scratch_.size() - 1));
    }
    painter().segment(t, scratch_.back(), centre);
    painter().segment(t, centre, scratch_.front());
}

void RasterCanvas::polygon(std::span<const Point> points) {
    if (points.size() < 2) {
        return;
    }
    RasterTarget t(bitmap_);
    if (brushSolid_) {
        filler_.fill(t, points, FillRule::EvenOdd, brushPixel_);
    }
    closedPath(points);
}

namespace {

// A side given the wrong way round covers the pixels after its lower end up
// to and including its upper one: the exclusive edge stays on the far side.
void orderSide(int& low, int& high) {
    if (high < low) {
        const int from = high;
        high = low == std::numeric_limits<int>::max() ? low : low + 1;
        low = from == std::numeric_limits<int>::max() ? from : from + 1;
    }
}

}  // namespace

void RasterCanvas::fillRect(const Rect& r, ColorRef color) {
    Rect f = r;
    orderSide(f.left, f.right);
    orderSide(f.top, f.bottom);
    RasterTarget t(bitmap_);
    t.fill(f, pixelOf(color));
}

void RasterCanvas::setPixel(Point p, ColorRef color) {
    bitmap_.setPixel(p.x, p.y, pixelOf(color));
}

void RasterCanvas::ring(const Rect& r, Pixel topLeft, Pixel bottomRight) {
    RasterTarget t(bitmap_);
    t.span(r.top, r.left, r.right, topLeft);
    t.fill({r.left, r.top, r.left + 1, r.bottom}, topLeft);
    t.span(r.bottom - 1, r.left, r.right, bottomRight);
    t.fill({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void RasterCanvas::drawEdge(const Rect& rect, EdgeStyle edge) {
    const Rect r = rect.normalized();
    if (r.isEmpty()) {
        return;
    }
    const Pixel light = systemPixel(SystemColor::Light3D);
    const Pixel dark = systemPixel(SystemColor::DarkShadow3D);
    const Pixel highlight = systemPixel(SystemColor::ButtonHighlight);
    const Pixel shadow = systemPixel(SystemColor::ButtonShadow);
    Pixel c[4] = {};
    switch (edge) {
        case EdgeStyle::Raised:
            c[0] = light, c[1] = dark, c[2] = highlight, c[3] = shadow;
            break;
        case EdgeStyle::Sunken:
            c[0] = shadow, c[1] = highlight, c[2] = dark, c[3] = light;
            break;
        case EdgeStyle::Bump:
            c[0] = light, c[1] = dark, c[2] = dark, c[3] = light;
            break;
        case EdgeStyle::Etched:
            c[0] = shadow, c[1] = highlight, c[2] = highlight, c[3] = shadow;
            break;
    }
    ring(r, c[0], c[1]);
    const Rect inner = r.deflated(1, 1);
    if (!inner.isEmpty()) {
        ring(inner, c[2], c[3]);
    }
}

const FaceInstance* RasterCanvas::face() const {
    if (!faceLooked_) {
        face_ = fonts_.face(font_);
        faceLooked_ = true;
    }
    return face_.get();
}

TextMetrics RasterCanvas::textMetrics() const {
    const FaceInstance* f = face();
    return f != nullptr ? f->metrics() : nominalMetrics(font_.points);
}

int RasterCanvas::textWidth(const FaceInstance* f, std::string_view utf8) const {
    int width = 0;
    if (f != nullptr) {
        forEachCodepoint(utf8, [&](char32_t c) { width += f->advance(c); });
    }
    return width;
}

Size RasterCanvas::textExtent(std::string_view utf8) const {
    return {textWidth(face(), utf8), textMetrics().height};
}

void RasterCanvas::textOut(Point p, std::string_view utf8) {
    drawText(p, bitmap_.bounds(), utf8);
}

void RasterCanvas::textOutClipped(Point p, const Rect& clip, std::string_view utf8) {
    drawText(p, clip.normalized().intersected(bitmap_.bounds()), utf8);
}

void RasterCanvas::drawText(Point p, const Rect& clip, std::string_view utf8) {
    // Text starting this far out cannot reach the bitmap, and its pen
    // position must not overflow.
    constexpr int kFar = 1 << 30;
    if (p.x < -kFar || p.x > kFar || p.y < -kFar || p.y > kFar) {
        return;
    }
    const FaceInstance* f = face();
    const TextMetrics m = textMetrics();
    const int w = textWidth(f, utf8);
    int x = p.x;
    if (textAlign_ == TextAlign::Right) {
        x -= w;
    } else if (textAlign_ == TextAlign::Center) {
        x -= w / 2;
    }
    RasterTarget t(bitmap_);
    if (backgroundMode_ == BackgroundMode::Opaque) {
        t.fill(Rect{x, p.y, x + w, p.y + m.height}.intersected(clip), backgroundPixel_);
    }
    if (f == nullptr || clip.isEmpty()) {
        return;
    }
    const Pixel ink = pixelOf(textColor_);
    const int baseline = p.y + m.ascent;
    forEachCodepoint(utf8, [&](char32_t c) {
        const Glyph& g = f->glyph(c);
        for (const GlyphSpan& s : g.spans) {
            t.span(baseline + s.dy, x + s.x0, x + s.x1, ink, clip);
        }
        x += g.advance;
    });
}

std::unique_ptr<Canvas> RasterCanvas::createCompatible(Size size) const {
    return std::make_unique<RasterCanvas>(size, fonts_);
}

void RasterCanvas::blockCopy(const Rect& dest, const Canvas& source, Point sourceOrigin) {
    const auto* src = dynamic_cast<const RasterCanvas*>(&source);
    if (src == nullptr) {
        throw std::invalid_argument("block copy from a surface that holds no pixels");
    }
    copyPixels(dest.normalized(), src->bitmap_, sourceOrigin);
}

void RasterCanvas::drawBitmap(Point at, const Bitmap& bitmap) {
    const std::int64_t right = std::int64_t{at.x} + bitmap.width();
    const std::int64_t bottom = std::int64_t{at.y} + bitmap.height();
    if (right > std::numeric_limits<int>::max() || bottom > std::numeric_limits<int>::max()) {
        return;  // no surface reaches that far
    }
    copyPixels({at.x, at.y, static_cast<int>(right), static_cast<int>(bottom)}, bitmap, {0, 0});
}

void RasterCanvas::copyPixels(const Rect& d, const Bitmap& src, Point sourceOrigin) {
    // Offsets from destination to source; beyond any bitmap side nothing
    // can overlap.
    const std::int64_t dx64 = std::int64_t{sourceOrigin.x} - d.left;
    const std::int64_t dy64 = std::int64_t{sourceOrigin.y} - d.top;
    if (std::max(std::llabs(dx64), std::llabs(dy64)) > 4 * Bitmap::kMaxSide) {
        return;
    }
    const int dx = static_cast<int>(dx64);
    const int dy = static_cast<int>(dy64);
    const Rect visible = d.intersected(bitmap_.bounds()).intersected(src.bounds().offset(-dx, -dy));
    if (visible.isEmpty()) {
        return;
    }
    const auto rowBytes = static_cast<std::size_t>(visible.width()) * sizeof(Pixel);
    // Top-down unless copying within one bitmap onto a lower part of it.
    const bool upward = &src == &bitmap_ && dy < 0;
    for (int i = 0; i < visible.height(); ++i) {
        const int y = upward ? visible.bottom - 1 - i : visible.top + i;
        std::memmove(bitmap_.row(y) + visible.left, src.row(y + dy) + visible.left + dx, rowBytes);
    }
}

}  // namespace brennix::gfx
