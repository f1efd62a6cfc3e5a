#pragma once
// What the Knob and the Slide share: the scale, fill, value and pointer
// properties, the panel around the instrument (frame, caption, digit box)
// and the drag protocol of the pointers. Each control supplies the
// geometry: where a pointer lies, what value a point stands for, and what a
// drag step redraws.

#include <cstdint>
#include <optional>
#include <string>

#include "instruments/pointer/pointer_set.h"
#include "instruments/scale/divisions.h"
#include "instruments/scale/label_format.h"
#include "instruments/scale/scale_range.h"
#include "platform/com/control.h"

namespace brennix::instruments {

class CScaleInstrument : public com::Control {
  public:
    ScaleRange range() const { return {m_scaleMinimum, m_scaleMaximum, m_inverse}; }
    SpacingRule spacingRule() const {
        return {m_spacing, m_spacingMajor, m_spacingMinor, m_spacingBase};
    }
    double value() const { return m_value; }
    const PointerSet& pointers() const { return pointers_; }
    // The pointer a press took hold of (0 is pointer 1), until the release.
    std::optional<int> grabbedPointer() const { return grabbed_; }
    std::string valueText() const { return formatLabel(m_value, m_formatClass, m_format); }

    // The accessors of the pointer properties (see pointer_members.h).
    template <std::size_t N>
    double pointerValue() const {
        return pointers_[N].value;
    }
    template <std::size_t N>
    void setPointerValue(double v) {
        pointers_[N].value = v;
    }
    template <std::size_t N>
    void pointerValueChanged() {
        couplePointer(N);
    }
    template <std::size_t N>
    bool pointerVisible() const {
        return pointers_[N].visible;
    }
    template <std::size_t N>
    void setPointerVisible(bool v) {
        pointers_[N].visible = v;
    }
    template <std::size_t N>
    gfx::ColorRef pointerColor() const {
        return pointers_[N].color;
    }
    template <std::size_t N>
    void setPointerColor(gfx::ColorRef c) {
        pointers_[N].color = c;
    }

  protected:
    CScaleInstrument() = default;

    // False for a rectangle the layouts cannot measure in int: a corner
    // farther out than any canvas reaches, or a side longer than any page.
    // Nothing is drawn there.
    static bool measurable(const gfx::Rect& bounds);

    // The background, the frame when Border is set and the caption.
    void drawPanel(gfx::Canvas& canvas, const gfx::Rect& bounds);
    // The framed box at the bottom showing Value, over a band of BackColor.
    void drawDigitBox(gfx::Canvas& canvas, const gfx::Rect& bounds, const gfx::TextMetrics& text);
    // The area the instrument lies in, below the caption and above the
    // digit box.
    gfx::Rect contentArea(const gfx::Rect& bounds, const gfx::TextMetrics& text) const;
    // Text clipped to box, with the reference point the alignment implies.
    void drawClippedText(gfx::Canvas& canvas, const gfx::Rect& box, gfx::TextAlign align,
                         const std::string& text);
    // Selects the stock font and returns its metrics.
    gfx::TextMetrics useFont(gfx::Canvas& canvas);
    // The metrics of the stock font without a canvas, for mouse work.
    gfx::TextMetrics fontMetrics();

    void onMouseDown(com::MouseButton button, std::int16_t shift, int x, int y) override;
    void onMouseMove(std::int16_t buttons, std::int16_t shift, int x, int y) override;
    void onMouseUp(com::MouseButton button, std::int16_t shift, int x, int y) override;

    // The pointer a left press at (x, y), in client pixels, takes hold of.
    virtual std::optional<int> pointerUnder(int x, int y) = 0;
    // The value a grabbed pointer dragged to (x, y) would take.
    virtual std::optional<double> valueAt(int x, int y) = 0;
    // Redraws the pointers, the fill and what else a drag step shows, on the
    // window in client coordinates.
    virtual void drawDragStep(gfx::Canvas& canvas, const gfx::Rect& client) = 0;

    std::int16_t m_patternType = 0;
    gfx::ColorRef m_fillColor = 0x0000FF;
    gfx::ColorRef m_majorTickColor = 0;
    gfx::ColorRef m_minorTickColor = 0;
    double m_scaleMaximum = 10.0;
    double m_scaleMinimum = 0.0;
    bool m_inverse = false;
    std::int16_t m_spacing = 0;
    std::int16_t m_spacingMajor = 1;
    std::int16_t m_spacingMinor = 1;
    std::int16_t m_spacingBase = 0;
    bool m_tickRightBottom = true;
    bool m_tickLeftAbove = false;
    bool m_majorTickMark = true;
    bool m_minorTickMark = true;
    bool m_tickLabelRightBottom = true;
    bool m_tickLabelLeftAbove = false;
    std::int16_t m_fillStyle = 0;
    std::int16_t m_formatClass = 0;
    std::int16_t m_format = 0;
    double m_value = 0.0;
    bool m_border = true;
    bool m_digitDisplay = true;

  private:
    void couplePointer(std::size_t index);

    PointerSet pointers_ = defaultPointers();
    std::optional<int> grabbed_;
    bool inMove_ = false;
    std::optional<std::pair<gfx::Font, gfx::TextMetrics>> metrics_;
};

}  // namespace brennix::instruments
