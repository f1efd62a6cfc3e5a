#pragma once
// The member table of a Motor, Pump, Tank or Value: stock BackColor, the
// style and colour properties in the control's order, AboutBox and the eight
// stock events; persisted as the stock properties, then style, then colour.

#include <memory>
#include <string>

#include "equipment/control/equipment_ctrl.h"

namespace brennix::equipment {

struct SymbolMembers {
    const char* className;
    const char* style;
    const char* color;
    const char* persistedColor;
    gfx::ColorRef colorDefault;
    bool colorFirst;                                 // the colour holds id 1 and the style id 2
    std::shared_ptr<const com::Enumeration> styles;  // what each style draws
};

template <class C>
com::MemberTable symbolMemberTable(const SymbolMembers& names) {
    com::TableBuilder<C> b(names.className);
    b.stock(com::Stock::BackColor);
    auto style = [&] {
        b.template property<std::int16_t>(
            names.style, &C::m_style,
            {.def = 0, .changed = &C::styleChanged, .codes = names.styles});
    };
    auto color = [&] {
        b.template property<gfx::ColorRef>(
            names.color, &C::m_color,
            {.def = names.colorDefault, .persistName = names.persistedColor});
    };
    if (names.colorFirst) {
        color();
        style();
    } else {
        style();
        color();
    }
    b.stock(com::Stock::AboutBox).stockEvents();
    b.persistOrder({names.style, names.persistedColor});
    return b.build();
}

}  // namespace brennix::equipment
