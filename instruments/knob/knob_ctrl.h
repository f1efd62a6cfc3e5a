#pragma once
// The Knob: a round dial with a sunken bezel, a 300-degree scale with ticks
// and labels, up to eight needles the user drags, a fill ring from the value
// to one end, a caption at the top and a digit box at the bottom.

#include <array>
#include <cstdint>

#include "instruments/knob/dial_geometry.h"
#include "instruments/scale/scale_instrument.h"

namespace brennix::instruments {

class CKnobCtrl final : public CScaleInstrument {
  public:
    CKnobCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    // The dial of the last full paint that showed it, in client pixels.
    const Dial& dial() const { return dial_; }

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    com::AboutInfo about() const override;

    std::optional<int> pointerUnder(int x, int y) override;
    std::optional<double> valueAt(int x, int y) override;
    void drawDragStep(gfx::Canvas& canvas, const gfx::Rect& client) override;

  private:
    // The bezel and the scale arc with its ticks and labels.
    void drawBezel(gfx::Canvas& canvas, const Dial& dial);
    void drawScale(gfx::Canvas& canvas, const Dial& dial, const gfx::TextMetrics& text);
    void drawTicks(gfx::Canvas& canvas, const Dial& dial, const gfx::TextMetrics& text);
    // Erases the fill ring and the needles, draws the needles and the fill,
    // and redraws the scale over them.
    void drawPointersAndFill(gfx::Canvas& canvas, const Dial& dial, const gfx::TextMetrics& text);
    void drawFillRing(gfx::Canvas& canvas, const Dial& dial);
    void drawNeedle(gfx::Canvas& canvas, const Dial& dial, double value, gfx::ColorRef color);

    friend struct KnobMembers;
    std::int32_t m_style = 0;
    gfx::ColorRef m_knobBackColor = 0xFFFFFF;

    // Relative to the paint bounds, so it is the client geometry the mouse
    // needs.
    Dial dial_;
    bool dialShown_ = false;
    std::array<double, kPointerCount> drawnAt_{};
};

}  // namespace brennix::instruments
