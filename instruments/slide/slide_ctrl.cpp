#include "instruments/slide/slide_ctrl.h"

#include <algorithm>
#include <cmath>

#include "instruments/scale/fill_rule.h"
#include "instruments/scale/tick_walk.h"

namespace brennix::instruments {
namespace {

constexpr gfx::ColorRef kWhite = gfx::rgb(255, 255, 255);
constexpr gfx::ColorRef kBlack = gfx::rgb(0, 0, 0);

void line(gfx::Canvas& canvas, gfx::Point from, gfx::Point to) {
    canvas.moveTo(from);
    canvas.lineTo(to);
}

}  // namespace

CSlideCtrl::CSlideCtrl() = default;

com::AboutInfo CSlideCtrl::about() const {
    return {"Slide, Version 1.0", "Slide, Version 1.0"};
}

Tube CSlideCtrl::tubeIn(const gfx::Rect& bounds, const gfx::TextMetrics& text) const {
    return Tube::inArea(contentArea(bounds, text));
}

Tube CSlideCtrl::clientTube() {
    const gfx::Size size = extentPixels();
    return tubeIn({0, 0, size.cx, size.cy}, fontMetrics());
}

void CSlideCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    if (!measurable(bounds)) {
        return;
    }
    const gfx::TextMetrics text = useFont(canvas);
    drawPanel(canvas, bounds);
    if (m_digitDisplay) {
        drawDigitBox(canvas, bounds, text);
    }
    const Tube tube = tubeIn(bounds, text);
    if (m_patternType == 0) {
        drawBody(canvas, tube);
        drawScale(canvas, tube, text);
    }
    drawColumnAndPointers(canvas, tube);
}

void CSlideCtrl::drawBody(gfx::Canvas& canvas, const Tube& t) {
    canvas.selectPen({gfx::PenStyle::Solid, 1, kBlack});
    canvas.selectBrush({gfx::BrushStyle::Solid, translateColor(m_fillColor)});
    canvas.ellipse({t.left, t.area.bottom - t.width, t.right, t.area.bottom});
    canvas.selectBrush({gfx::BrushStyle::Solid, translateColor(m_slideBackColor)});
    canvas.ellipse({t.left, t.area.top, t.right, t.area.top + t.width});
    canvas.rectangle({t.left, t.top, t.right, t.bottom});
    // Hides the joint between the cap and the tube.
    canvas.selectPen({gfx::PenStyle::Solid, 1, kWhite});
    line(canvas, {t.left + 1, t.top}, {t.right - 1, t.top});
}

void CSlideCtrl::drawScale(gfx::Canvas& canvas, const Tube& t, const gfx::TextMetrics& text) {
    const ScaleRange r = range();
    const SpacingRule rule = spacingRule();
    const Divisions d = divisions(r, rule, autoMajorForLength(t.length()));
    const double s = r.start();
    const double e = r.end() == s ? s + 0.0000001 : r.end();
    const ScaleRange walked{r.inverse ? e : s, r.inverse ? s : e, r.inverse};
    const double hs = t.length();
    auto majorAt = [&](int k) {
        const double v = majorValue(walked, rule, d, k);
        const int y =
            pixel(t.bottom - std::fabs(v - s) * hs / (std::fabs(e - s) + 0.000000001), t.bottom);
        return static_cast<double>(t.bottom - y);
    };
    const auto ticks = walkTicks({hs, d.minor, 0.0}, e, majorAt,
                                 [&](int k) { return majorValue(walked, rule, d, k); });
    const int tb = t.breadth();
    const gfx::Pen majorPen{gfx::PenStyle::Solid, 1, translateColor(m_majorTickColor)};
    const gfx::Pen minorPen{gfx::PenStyle::Solid, 1, translateColor(m_minorTickColor)};
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.setBackgroundColor(translateColor(backColor()));
    canvas.setTextColor(translateColor(foreColor()));
    for (const Tick& tick : ticks) {
        const int y = t.bottom - pixel(tick.distance, 0);
        const bool drawTick = tick.major ? m_majorTickMark : m_minorTickMark;
        const int reach = tick.major ? tb : tb / 2;
        if (drawTick) {
            canvas.selectPen(tick.major ? majorPen : minorPen);
            if (m_tickRightBottom) {
                line(canvas, {t.right, y}, {t.right + reach, y});
            }
            if (m_tickLeftAbove) {
                line(canvas, {t.left - reach, y}, {t.left, y});
            }
        }
        if (!tick.major) {
            continue;
        }
        const std::string label = formatLabel(tick.value, m_formatClass, m_format);
        const int width = static_cast<int>(label.size()) * text.maxCharWidth;
        const int top = y - text.height / 2;
        if (m_tickRightBottom && m_tickLabelRightBottom) {
            const int x = t.right + tb + 3;
            drawClippedText(canvas, {x, top, x + width, top + text.height}, gfx::TextAlign::Left,
                            label);
        }
        if (m_tickLeftAbove && m_tickLabelLeftAbove) {
            const int x = t.left - tb - 3;
            drawClippedText(canvas, {x - width, top, x, top + text.height}, gfx::TextAlign::Right,
                            label);
        }
    }
}

void CSlideCtrl::drawColumnAndPointers(gfx::Canvas& canvas, const Tube& t) {
    const int x0 = t.middle - t.half + 1;
    const int x1 = t.middle + t.half;
    const int top = t.top - 3;
    const int bottom = t.bottom + 1;
    const ScaleRange r = range();
    const gfx::ColorRef fill = translateColor(m_fillColor);
    // A value off the scale fills the whole column or none of it, and never
    // reaches past the tube.
    const auto span = std::isnan(m_value) ? std::nullopt : fillSpan(m_fillStyle, 0.0);
    if (!span) {
        canvas.fillRect({x0, top, x1, bottom}, kWhite);
    } else {
        // A tube too small to have a height still gets valid clamp bounds.
        const int yv = std::clamp(t.heightOf(r, m_value), top, std::max(top, bottom));
        const bool toMaximum = m_fillStyle == static_cast<std::int16_t>(FillStyle::FillToMaximum);
        canvas.fillRect({x0, top, x1, std::min(yv + 1, bottom)}, toMaximum ? fill : kWhite);
        canvas.fillRect({x0, yv, x1, bottom}, toMaximum ? kWhite : fill);
    }
    for (const PointerState& p : pointers()) {
        if (!drawn(p, r)) {
            continue;
        }
        const int y = t.heightOf(r, p.value) - 2;
        canvas.selectPen({gfx::PenStyle::Solid, 3, translateColor(p.color)});
        line(canvas, {t.middle - t.half + 2, y}, {t.middle - t.half + t.width - 4, y});
    }
}

void CSlideCtrl::drawDragStep(gfx::Canvas& canvas, const gfx::Rect& client) {
    const gfx::TextMetrics text = useFont(canvas);
    drawColumnAndPointers(canvas, tubeIn(client, text));
    if (m_digitDisplay) {
        drawDigitBox(canvas, client, text);
    }
}

std::optional<int> CSlideCtrl::pointerUnder(int x, int y) {
    const Tube t = clientTube();
    if (!(t.middle - t.half < x && x < t.middle + t.half)) {
        return std::nullopt;
    }
    const ScaleRange r = range();
    return grabPointer(pointers(), [&](double v) { return std::abs(y - t.heightOf(r, v)) < 4; });
}

std::optional<double> CSlideCtrl::valueAt(int /*x*/, int y) {
    return clientTube().valueAtHeight(range(), y);
}

}  // namespace brennix::instruments
