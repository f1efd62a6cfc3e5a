#pragma once
// What the five equipment controls share: a style number that picks a
// drawing from the control's style table, a symbol colour, the background,
// the aspect the style keeps as the extent handler, and the style's default
// extent asked for when the style changes.

#include <cstdint>

#include "equipment/draw/style_table.h"
#include "platform/com/aspect_extent.h"
#include "platform/com/control.h"

namespace brennix::equipment {

struct SymbolMembers;
template <class C>
com::MemberTable symbolMemberTable(const SymbolMembers& names);

class CEquipmentCtrl : public com::Control {
  public:
    std::int16_t style() const { return m_style; }
    gfx::ColorRef symbolColor() const { return m_color; }
    // The size the extent handler applied last, in device pixels.
    gfx::Size lastAppliedPixels() const { return aspect_.lastApplied(); }

  protected:
    template <class C>
    friend com::MemberTable symbolMemberTable(const SymbolMembers& names);

    explicit CEquipmentCtrl(const StyleTable& styles);

    void onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) override;
    gfx::Size onExtentProposed(gfx::Size himetric) override;
    com::AboutInfo about() const override;

    // The style property's change handler.
    void styleChanged();
    // The plain colours a style is drawn with.
    virtual Palette palette(const SymbolStyle& style);

    std::int16_t m_style = 0;
    gfx::ColorRef m_color = 0;

  private:
    const StyleTable& styles_;
    com::AspectExtent aspect_;
};

}  // namespace brennix::equipment
