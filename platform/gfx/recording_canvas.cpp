#include "platform/gfx/recording_canvas.h"

#include <utility>

#include "platform/gfx/utf8.h"

namespace brennix::gfx {

const char* callKindName(CallKind kind) {
    switch (kind) {
        case CallKind::MoveTo:
            return "moveTo";
        case CallKind::LineTo:
            return "lineTo";
        case CallKind::Polyline:
            return "polyline";
        case CallKind::Rectangle:
            return "rectangle";
        case CallKind::Ellipse:
            return "ellipse";
        case CallKind::Arc:
            return "arc";
        case CallKind::Pie:
            return "pie";
        case CallKind::Polygon:
            return "polygon";
        case CallKind::FillRect:
            return "fillRect";
        case CallKind::SetPixel:
            return "setPixel";
        case CallKind::DrawEdge:
            return "drawEdge";
        case CallKind::TextOut:
            return "textOut";
        case CallKind::BlockCopy:
            return "blockCopy";
    }
    return "?";
}

RecordingCanvas::RecordingCanvas(Size size, FontLibrary& fonts) : size_(size), fonts_(&fonts) {}

RecordingCanvas::RecordingCanvas(Size size, const FixedTextMeasure& measure)
    : size_(size), fixed_(measure) {}

std::vector<RecordedCall> RecordingCanvas::callsOf(CallKind kind) const {
    std::vector<RecordedCall> out;
    for (const auto& c : calls_) {
        if (c.kind == kind) {
            out.push_back(c);
        }
    }
    return out;
}

RecordedCall& RecordingCanvas::record(CallKind kind) {
    RecordedCall& c = calls_.emplace_back();
    c.kind = kind;
    c.pen = pen_;
    c.brush = brush_;
    c.font = font_;
    c.textColor = textColor_;
    c.backgroundColor = backgroundColor_;
    c.backgroundMode = backgroundMode_;
    c.textAlign = textAlign_;
    return c;
}

Pen RecordingCanvas::selectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}
Brush RecordingCanvas::selectBrush(const Brush& brush) {
    return std::exchange(brush_, brush);
}
Font RecordingCanvas::selectFont(const Font& font) {
    return std::exchange(font_, font);
}
ColorRef RecordingCanvas::setTextColor(ColorRef color) {
    return std::exchange(textColor_, color);
}
ColorRef RecordingCanvas::setBackgroundColor(ColorRef color) {
    return std::exchange(backgroundColor_, color);
}
BackgroundMode RecordingCanvas::setBackgroundMode(BackgroundMode mode) {
    return std::exchange(backgroundMode_, mode);
}
TextAlign RecordingCanvas::setTextAlign(TextAlign align) {
    return std::exchange(textAlign_, align);
}

Point RecordingCanvas::moveTo(Point p) {
    record(CallKind::MoveTo).points = {p};
    return std::exchange(position_, p);
}

void RecordingCanvas::lineTo(Point p) {
    record(CallKind::LineTo).points = {position_, p};
    position_ = p;
}

void RecordingCanvas::polyline(std::span<const Point> points) {
    record(CallKind::Polyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::rectangle(const Rect& r) {
    record(CallKind::Rectangle).rect = r;
}

void RecordingCanvas::ellipse(const Rect& box) {
    record(CallKind::Ellipse).rect = box;
}

void RecordingCanvas::arc(const Rect& box, Point radialStart, Point radialEnd) {
    RecordedCall& c = record(CallKind::Arc);
    c.rect = box;
    c.points = {radialStart, radialEnd};
}

void RecordingCanvas::pie(const Rect& box, Point radialStart, Point radialEnd) {
    RecordedCall& c = record(CallKind::Pie);
    c.rect = box;
    c.points = {radialStart, radialEnd};
}

void RecordingCanvas::polygon(std::span<const Point> points) {
    record(CallKind::Polygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::fillRect(const Rect& r, ColorRef color) {
    RecordedCall& c = record(CallKind::FillRect);
    c.rect = r;
    c.color = color;
}

void RecordingCanvas::setPixel(Point p, ColorRef color) {
    RecordedCall& c = record(CallKind::SetPixel);
    c.points = {p};
    c.color = color;
}

void RecordingCanvas::drawEdge(const Rect& r, EdgeStyle edge) {
    RecordedCall& c = record(CallKind::DrawEdge);
    c.rect = r;
    c.edge = edge;
}

void RecordingCanvas::textOut(Point p, std::string_view utf8) {
    RecordedCall& c = record(CallKind::TextOut);
    c.points = {p};
    c.text = std::string(utf8);
}

void RecordingCanvas::textOutClipped(Point p, const Rect& clip, std::string_view utf8) {
    RecordedCall& c = record(CallKind::TextOut);
    c.points = {p};
    c.rect = clip;
    c.clipped = true;
    c.text = std::string(utf8);
}

TextMetrics RecordingCanvas::textMetrics() const {
    if (fixed_) {
        return fixed_->metrics;
    }
    const auto f = fonts_->face(font_);
    return f != nullptr ? f->metrics() : nominalMetrics(font_.points);
}

Size RecordingCanvas::textExtent(std::string_view utf8) const {
    int width = 0;
    if (fixed_) {
        forEachCodepoint(utf8, [&](char32_t) { width += fixed_->advance; });
        return {width, fixed_->metrics.height};
    }
    const auto f = fonts_->face(font_);
    if (f != nullptr) {
        forEachCodepoint(utf8, [&](char32_t c) { width += f->advance(c); });
    }
    return {width, textMetrics().height};
}

std::unique_ptr<Canvas> RecordingCanvas::createCompatible(Size size) const {
    if (fixed_) {
        return std::make_unique<RecordingCanvas>(size, *fixed_);
    }
    return std::make_unique<RecordingCanvas>(size, *fonts_);
}

void RecordingCanvas::blockCopy(const Rect& dest, const Canvas& source, Point sourceOrigin) {
    RecordedCall& c = record(CallKind::BlockCopy);
    c.rect = dest;
    c.points = {sourceOrigin};
    if (const auto* rec = dynamic_cast<const RecordingCanvas*>(&source); rec != nullptr) {
        c.source = rec->calls_;
    }
}

}  // namespace brennix::gfx
