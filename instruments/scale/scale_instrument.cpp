#include "instruments/scale/scale_instrument.h"

#include <cstdint>
#include <cstdlib>

#include "instruments/scale/fill_rule.h"
#include "platform/gfx/font_library.h"

namespace brennix::instruments {

void CScaleInstrument::couplePointer(std::size_t index) {
    const PointerState& p = pointers_[index];
    if (auto v = coupledValue(range(), p.visible, p.value)) {
        m_value = *v;
    }
}

gfx::TextMetrics CScaleInstrument::useFont(gfx::Canvas& canvas) {
    canvas.selectFont(font());
    return canvas.textMetrics();
}

gfx::TextMetrics CScaleInstrument::fontMetrics() {
    if (!metrics_ || metrics_->first != font()) {
        const auto face = gfx::FontLibrary::shared().face(font());
        metrics_.emplace(font(),
                         face != nullptr ? face->metrics() : gfx::nominalMetrics(font().points));
    }
    return metrics_->second;
}

bool CScaleInstrument::measurable(const gfx::Rect& bounds) {
    // The layouts offset the sides by text heights, borders and radii; these
    // limits keep every such sum far inside int.
    constexpr std::int64_t kFarthest = std::int64_t{1} << 28;
    constexpr std::int64_t kLongest = std::int64_t{1} << 20;
    const auto near = [](int v) { return std::abs(std::int64_t{v}) <= kFarthest; };
    return near(bounds.left) && near(bounds.top) && near(bounds.right) && near(bounds.bottom) &&
           std::abs(std::int64_t{bounds.right} - bounds.left) <= kLongest &&
           std::abs(std::int64_t{bounds.bottom} - bounds.top) <= kLongest;
}

void CScaleInstrument::drawPanel(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    canvas.fillRect(bounds, translateColor(backColor()));
    if (m_border) {
        canvas.drawEdge(bounds, gfx::EdgeStyle::Bump);
    }
    if (!caption().empty()) {
        canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
        canvas.setBackgroundColor(translateColor(backColor()));
        canvas.setTextColor(translateColor(foreColor()));
        canvas.setTextAlign(gfx::TextAlign::Center);
        canvas.textOutClipped({(bounds.left + bounds.right) / 2, bounds.top + 3}, bounds,
                              caption());
    }
}

gfx::Rect CScaleInstrument::contentArea(const gfx::Rect& bounds,
                                        const gfx::TextMetrics& text) const {
    gfx::Rect a{bounds.left + 3, bounds.top + 6, bounds.right - 3, bounds.bottom - 3};
    if (!caption().empty()) {
        a.top += text.height;
    }
    if (m_digitDisplay) {
        a.bottom -= text.height + 10;
    }
    return a;
}

void CScaleInstrument::drawDigitBox(gfx::Canvas& canvas, const gfx::Rect& bounds,
                                    const gfx::TextMetrics& text) {
    const std::string s = valueText();
    const int half = static_cast<int>(s.size()) * text.maxCharWidth / 2;
    const int xm = bounds.left + (bounds.right - bounds.left) / 2;
    const gfx::Rect box{xm - half, bounds.bottom - text.height - 7, xm + half, bounds.bottom - 3};
    const gfx::ColorRef back = translateColor(backColor());
    canvas.fillRect({bounds.left + 3, box.top, bounds.right - 3, box.bottom}, back);
    canvas.drawEdge(box, gfx::EdgeStyle::Bump);
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.setBackgroundColor(back);
    canvas.setTextColor(translateColor(foreColor()));
    canvas.setTextAlign(gfx::TextAlign::Center);
    canvas.textOutClipped({(box.left + box.right) / 2, box.top + 3}, box, s);
}

void CScaleInstrument::drawClippedText(gfx::Canvas& canvas, const gfx::Rect& box,
                                       gfx::TextAlign align, const std::string& text) {
    int x = box.left;
    if (align == gfx::TextAlign::Center) {
        x = (box.left + box.right) / 2;
    } else if (align == gfx::TextAlign::Right) {
        x = box.right;
    }
    canvas.setTextAlign(align);
    canvas.textOutClipped({x, box.top}, box, text);
}

void CScaleInstrument::onMouseDown(com::MouseButton button, std::int16_t shift, int x, int y) {
    if (button == com::MouseButton::Left) {
        grabbed_ = pointerUnder(x, y);
    }
    Control::onMouseDown(button, shift, x, y);
}

void CScaleInstrument::onMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) {
    if (!inMove_ && grabbed_) {
        inMove_ = true;
        const std::optional<double> v = valueAt(x, y);
        PointerState& p = pointers_[static_cast<std::size_t>(*grabbed_)];
        if (v && range().inRange(*v) && p.visible) {
            p.value = *v;
            m_value = *v;
            drawOnWindow([this](gfx::Canvas& canvas, const gfx::Rect& client) {
                drawDragStep(canvas, client);
            });
        }
        inMove_ = false;
    }
    Control::onMouseMove(buttons, shift, x, y);
}

void CScaleInstrument::onMouseUp(com::MouseButton button, std::int16_t shift, int x, int y) {
    if (button == com::MouseButton::Left) {
        grabbed_.reset();
    }
    Control::onMouseUp(button, shift, x, y);
}

}  // namespace brennix::instruments
