#include "instruments/knob/knob_ctrl.h"

#include <cmath>

#include "instruments/scale/fill_rule.h"
#include "instruments/scale/tick_walk.h"

namespace brennix::instruments {
namespace {

constexpr double kGrabTolerance = kP / 36;

gfx::Pen pen(int width, gfx::ColorRef color) {
    return {gfx::PenStyle::Solid, width, color};
}

void line(gfx::Canvas& canvas, gfx::Point from, gfx::Point to) {
    canvas.moveTo(from);
    canvas.lineTo(to);
}

// The label box of a major tick whose inner end is p, and its alignment.
std::pair<gfx::Rect, gfx::TextAlign> labelBox(gfx::Point p, double angle, int width, int h) {
    const double a = normalisedAngle(angle) / kP;
    if (a >= -0.375 && a < 0.375) {
        return {{p.x - width, p.y - h / 2, p.x, p.y - h / 2 + h}, gfx::TextAlign::Right};
    }
    if (a >= 0.375 && a < 0.625) {
        return {{p.x - width / 2, p.y, p.x + width / 2, p.y + h}, gfx::TextAlign::Center};
    }
    return {{p.x, p.y - h / 2, p.x + width, p.y - h / 2 + h}, gfx::TextAlign::Left};
}

}  // namespace

CKnobCtrl::CKnobCtrl() = default;

com::AboutInfo CKnobCtrl::about() const {
    return {"Knob, Version 1.0", "Knob, Version 1.0"};
}

void CKnobCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    if (!measurable(bounds)) {
        return;
    }
    const gfx::TextMetrics text = useFont(canvas);
    drawPanel(canvas, bounds);
    if (m_digitDisplay) {
        drawDigitBox(canvas, bounds, text);
    }
    const gfx::Rect area = contentArea(bounds, text);
    if (m_patternType != 0) {
        return;
    }
    const Dial dial = Dial::inArea(area);
    dial_ = dial;
    dial_.centre = {dial.centre.x - bounds.left, dial.centre.y - bounds.top};
    dialShown_ = dial.valid();
    if (!dial.valid()) {
        return;
    }
    drawBezel(canvas, dial);
    drawScale(canvas, dial, text);
    drawPointersAndFill(canvas, dial, text);
}

void CKnobCtrl::drawBezel(gfx::Canvas& canvas, const Dial& dial) {
    const gfx::Rect box = dial.square(dial.radius);
    const int r = dial.radius;
    canvas.selectPen(pen(dial.bezelWidth(),
                         translateColor(gfx::systemColorRef(gfx::SystemColor::ButtonShadow))));
    canvas.arc(box, *dial.at(r, kP / 4), *dial.at(r, 5 * kP / 4));
    canvas.selectPen(pen(dial.bezelWidth(),
                         translateColor(gfx::systemColorRef(gfx::SystemColor::ButtonHighlight))));
    canvas.arc(box, *dial.at(r, 5 * kP / 4), *dial.at(r, kP / 4));
}

void CKnobCtrl::drawScale(gfx::Canvas& canvas, const Dial& dial, const gfx::TextMetrics& text) {
    if (m_majorTickMark) {
        const int rs = dial.scaleRadius();
        canvas.selectPen(pen(1, translateColor(m_majorTickColor)));
        canvas.arc(dial.square(rs), *dial.at(rs, kFarAngle), *dial.at(rs, kStartAngle));
    }
    drawTicks(canvas, dial, text);
}

void CKnobCtrl::drawTicks(gfx::Canvas& canvas, const Dial& dial, const gfx::TextMetrics& text) {
    if (!m_tickRightBottom) {
        return;
    }
    const ScaleRange r = range();
    const SpacingRule rule = spacingRule();
    const Divisions d = divisions(r, rule, 5);
    const TickPlan plan{kSweep, d.minor, 1e-9};
    std::vector<Tick> ticks;
    auto valueAtK = [&](int k) { return majorValue(r, rule, d, k); };
    if (rule.kind() == Spacing::ByUnits) {
        const double step = kSweep * rule.major / (std::fabs(r.end() - r.start()) + 0.00001);
        const double first = kStartAngle - valueAngle(r, rule.base);
        ticks = walkTicks(
            plan, r.end(), [&](int k) { return first + k * step; }, valueAtK);
    } else {
        ticks = walkTicks(
            plan, r.end(), [&](int k) { return kSweep * k / d.major; }, valueAtK);
    }
    const int rs = dial.scaleRadius();
    const gfx::ColorRef majorColor = translateColor(m_majorTickColor);
    const gfx::ColorRef minorColor = translateColor(m_minorTickColor);
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.setBackgroundColor(translateColor(backColor()));
    canvas.setTextColor(translateColor(foreColor()));
    for (const Tick& t : ticks) {
        const double angle = kStartAngle - t.distance;
        const auto outer = dial.at(rs, angle);
        const auto inner = dial.at(rs - dial.radius / (t.major ? 7 : 14), angle);
        if (!outer || !inner) {
            continue;
        }
        if (t.major ? m_majorTickMark : m_minorTickMark) {
            canvas.selectPen(pen(1, t.major ? majorColor : minorColor));
            line(canvas, *outer, *inner);
        }
        if (t.major && m_tickLabelRightBottom) {
            const std::string label = formatLabel(t.value, m_formatClass, m_format);
            const int width = static_cast<int>(label.size()) * text.maxCharWidth;
            const auto [box, align] = labelBox(*inner, angle, width, text.height);
            drawClippedText(canvas, box, align, label);
        }
    }
}

void CKnobCtrl::drawNeedle(gfx::Canvas& canvas, const Dial& dial, double value,
                           gfx::ColorRef color) {
    const auto tip = dial.at(dial.needleRadius(), valueAngle(range(), value));
    if (!tip) {
        return;
    }
    canvas.selectPen(pen(1, color));
    line(canvas, *tip, dial.centre);
}

void CKnobCtrl::drawPointersAndFill(gfx::Canvas& canvas, const Dial& dial,
                                    const gfx::TextMetrics& text) {
    const gfx::ColorRef back = translateColor(backColor());
    canvas.selectPen(pen(dial.ringWidth(), back));
    canvas.selectBrush({gfx::BrushStyle::Null});
    canvas.ellipse(dial.square(dial.ringRadius()));
    for (double v : drawnAt_) {
        drawNeedle(canvas, dial, v, back);
    }
    const ScaleRange r = range();
    for (std::size_t i = 0; i < pointers().size(); ++i) {
        const PointerState& p = pointers()[i];
        if (drawn(p, r)) {
            drawNeedle(canvas, dial, p.value, translateColor(p.color));
            drawnAt_[i] = p.value;
        }
    }
    drawFillRing(canvas, dial);
    drawScale(canvas, dial, text);
}

void CKnobCtrl::drawFillRing(gfx::Canvas& canvas, const Dial& dial) {
    const ScaleRange r = range();
    const double valueAt = valueAngle(r, m_value);
    double from = 0;
    double to = 0;
    switch (static_cast<FillStyle>(m_fillStyle)) {
        case FillStyle::FillToMaximum: {
            const double span = std::fabs(m_scaleMaximum - m_scaleMinimum);
            from = kStartAngle - span * kSweep / (span + 0.00001);
            to = valueAt;
            break;
        }
        case FillStyle::FillToMinimum:
            from = valueAt;
            to = kStartAngle;
            break;
        case FillStyle::None:
        default:
            return;
    }
    const int rr = dial.ringRadius();
    const auto start = dial.at(rr, from);
    const auto end = dial.at(rr, to);
    // Equal end points would draw the whole circle.
    if (!start || !end || *start == *end) {
        return;
    }
    canvas.selectPen(pen(dial.ringWidth(), translateColor(m_fillColor)));
    canvas.arc(dial.square(rr), *start, *end);
}

void CKnobCtrl::drawDragStep(gfx::Canvas& canvas, const gfx::Rect& client) {
    const gfx::TextMetrics text = useFont(canvas);
    if (dialShown_ && m_patternType == 0) {
        drawPointersAndFill(canvas, dial_, text);
    }
    if (m_digitDisplay) {
        drawDigitBox(canvas, client, text);
    }
}

std::optional<int> CKnobCtrl::pointerUnder(int x, int y) {
    if (!dialShown_ || dial_.distanceTo({x, y}) >= dial_.needleRadius()) {
        return std::nullopt;
    }
    const double a = dial_.angleOf({x, y});
    const ScaleRange r = range();
    return grabPointer(pointers(),
                       [&](double v) { return std::fabs(valueAngle(r, v) - a) <= kGrabTolerance; });
}

std::optional<double> CKnobCtrl::valueAt(int x, int y) {
    if (!dialShown_) {
        return std::nullopt;
    }
    return valueAtAngle(range(), dial_.angleOf({x, y}));
}

}  // namespace brennix::instruments
