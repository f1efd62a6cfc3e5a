#include "equipment/control/equipment_ctrl.h"

#include <string>

#include "equipment/control/equipment_messages.h"

namespace brennix::equipment {

CEquipmentCtrl::CEquipmentCtrl(const StyleTable& styles) : styles_(styles) {
    setInitialExtent(styles_.style(0).defaultExtent);
}

void CEquipmentCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    // An empty rectangle, or one given the wrong way round, shows nothing.
    const bool visible = !bounds.isEmpty();
    if (visible) {
        canvas.fillRect(bounds, translateColor(backColor()));
    }
    if (!styles_.knows(m_style) && styles_.outsideIsInvalid) {
        showControlMessage(text::kInvalidStyle);
        return;
    }
    const SymbolStyle& style = styles_.style(m_style);
    if (style.draw == nullptr) {
        return;
    }
    // Chosen for every paint, even one with nothing to show: a pipe's flow
    // colour alternates paint by paint.
    const Palette colors = palette(style);
    if (visible) {
        style.draw(canvas, Frame(bounds), colors);
    }
}

gfx::Size CEquipmentCtrl::onExtentProposed(gfx::Size himetric) {
    return aspect_.apply(himetric, pixelsPerInch(), styles_.style(m_style).aspect);
}

void CEquipmentCtrl::styleChanged() {
    const gfx::Size extent = styles_.style(m_style).defaultExtent;
    if (extent.cx != 0 || extent.cy != 0) {
        (void)requestExtent(extent);
    }
}

Palette CEquipmentCtrl::palette(const SymbolStyle& /*style*/) {
    return {translateColor(m_color), translateColor(backColor())};
}

com::AboutInfo CEquipmentCtrl::about() const {
    const std::string type = members().className() + " Control";
    return {"About " + type, type + ", Version 1.0"};
}

}  // namespace brennix::equipment
