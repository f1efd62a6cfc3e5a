#include "instruments/pointer/pointer_object.h"

#include <memory>

#include "instruments/pointer/pointer_class.h"

namespace brennix::instruments {

struct PointerMembers {
    using C = CPointer;

    static com::MemberTable build() {
        const auto style = std::make_shared<const com::Enumeration>(
            com::Enumeration{"enumPointerStyle",
                             {{0, "PS_Thin", "0 - PS_Thin"},
                              {1, "PS_3D", "1 - PS_3D"},
                              {2, "PS_None", "2 - PS_None"}}});
        // Stored and nothing else: no repaint, no modified flag, nothing persisted.
        auto plain = [](com::Visibility v) {
            return [v]<class T>(T) {
                return com::Prop<C, T>{.visibility = v, .persisted = false, .notify = false};
            };
        };
        const auto hidden = plain(com::Visibility::Unlisted);
        com::TableBuilder<C> b("Pointer");
        b.property<std::int16_t>("Mode", &C::m_mode, hidden(std::int16_t{}))
            .property<std::int16_t>("FillStyle", &C::m_fillStyle, hidden(std::int16_t{}))
            .property<gfx::ColorRef>("FillColor", &C::m_fillColor, hidden(gfx::ColorRef{}))
            .property<gfx::ColorRef>("PointerColor", &C::m_pointerColor, hidden(gfx::ColorRef{}))
            .property<bool>("Visible", &C::m_visible, hidden(false))
            .property<com::Variant>("Value", &C::m_value, hidden(com::Variant{}));
        auto styleProp = plain(com::Visibility::Published)(std::int16_t{});
        styleProp.enumeration = style;
        b.property<std::int16_t>("Style", &C::m_style, styleProp);
        return b.build();
    }
};

CPointer::CPointer() = default;

const com::MemberTable& CPointer::table() {
    static const com::MemberTable members = PointerMembers::build();
    return members;
}

const com::MemberTable& CPointer::members() const {
    return table();
}

com::ClassEntry pointerClass() {
    return instrumentEntry<CPointer>(kPointerClass);
}

}  // namespace brennix::instruments
