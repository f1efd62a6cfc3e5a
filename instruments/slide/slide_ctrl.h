#pragma once
// The Slide: a vertical tube with a bulb at the bottom, a column that rises
// to the value or falls to it, a scale on either side, up to eight pointer
// bars the user drags, a caption and a digit box.

#include <cstdint>

#include "instruments/scale/scale_instrument.h"
#include "instruments/slide/tube_geometry.h"

namespace brennix::instruments {

class CSlideCtrl final : public CScaleInstrument {
  public:
    CSlideCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    // The tube in bounds, for a font of these metrics.
    Tube tubeIn(const gfx::Rect& bounds, const gfx::TextMetrics& text) const;

  protected:
    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    com::AboutInfo about() const override;

    std::optional<int> pointerUnder(int x, int y) override;
    std::optional<double> valueAt(int x, int y) override;
    void drawDragStep(gfx::Canvas& canvas, const gfx::Rect& client) override;

  private:
    void drawBody(gfx::Canvas& canvas, const Tube& tube);
    void drawScale(gfx::Canvas& canvas, const Tube& tube, const gfx::TextMetrics& text);
    // The column, which also wipes the old bars, and the bars over it.
    void drawColumnAndPointers(gfx::Canvas& canvas, const Tube& tube);
    Tube clientTube();

    friend struct SlideMembers;
    std::int16_t m_style = 0;
    gfx::ColorRef m_slideBackColor = 0xFFFFFF;
};

}  // namespace brennix::instruments
