#include "instruments/knob/knob_ctrl.h"
#include "instruments/pointer/pointer_members.h"
#include "instruments/scale/scale_enums.h"

namespace brennix::instruments {

namespace {

std::shared_ptr<const com::Enumeration> patternCodes() {
    static const auto e = std::make_shared<const com::Enumeration>(com::Enumeration{
        "PatternType",
        {{0, "Dial", "the dial with its scale and ticks"},
         {1, "Plain",
          "frame, caption and digit box without dial, scale or ticks (as every value other than "
          "0)"}}});
    return e;
}

}  // namespace

struct KnobMembers {
    using C = CKnobCtrl;

    static com::MemberTable build() {
        com::TableBuilder<C> b("Knob");
        b.stock(com::Stock::Refresh)
            .stock(com::Stock::AboutBox)
            .stock(com::Stock::Caption)
            .stock(com::Stock::Font)
            .stock(com::Stock::BackColor)
            .stock(com::Stock::ForeColor);
        const auto unlisted = com::Visibility::Unlisted;
        b.property<std::int16_t>("PatternType", &C::m_patternType,
                                 {.codes = patternCodes(), .visibility = unlisted})
            .property<std::int32_t>("Style", &C::m_style, {.visibility = unlisted})
            .property<gfx::ColorRef>("FillColor", &C::m_fillColor, {.def = 0x0000FF})
            .property<gfx::ColorRef>("KnobBackColor", &C::m_knobBackColor, {.def = 0xFFFFFF})
            .property<gfx::ColorRef>("MajorTickColor", &C::m_majorTickColor)
            .property<gfx::ColorRef>("MinorTickColor", &C::m_minorTickColor)
            .property<double>("ScaleMaximum", &C::m_scaleMaximum, {.def = 10.0})
            .property<double>("ScaleMinimum", &C::m_scaleMinimum)
            .property<bool>("Inverse", &C::m_inverse)
            .property<std::int16_t>("Spacing", &C::m_spacing, {.enumeration = spacingEnumeration()})
            .property<std::int16_t>("SpacingMajor", &C::m_spacingMajor, {.def = 1})
            .property<std::int16_t>("SpacingMinor", &C::m_spacingMinor, {.def = 1})
            .property<std::int16_t>("SpacingBase", &C::m_spacingBase)
            .property<bool>("TickRightBottom", &C::m_tickRightBottom, {.def = true})
            .property<bool>("TickLeftAbove", &C::m_tickLeftAbove)
            .property<bool>("MajorTickMark", &C::m_majorTickMark, {.def = true})
            .property<bool>("MinorTickMark", &C::m_minorTickMark, {.def = true})
            .property<bool>("TickLabelRightBottom", &C::m_tickLabelRightBottom, {.def = true})
            .property<bool>("TickLabelLeftAbove", &C::m_tickLabelLeftAbove)
            .property<std::int16_t>("FillStyle", &C::m_fillStyle,
                                    {.enumeration = fillStyleEnumeration()});
        addPointerValues(b);
        addPointerVisibles(b);
        b.property<std::int16_t>("FormatClass", &C::m_formatClass, {.codes = formatClassCodes()})
            .property<std::int16_t>("Format", &C::m_format)
            .property<double>("Value", &C::m_value)
            .property<bool>("Border", &C::m_border, {.def = true})
            .property<bool>("DigitDisplay", &C::m_digitDisplay, {.def = true});
        addPointerColors(b);
        b.stockEvents();
        std::vector<com::PersistItem> order{"Style",
                                            "PatternType",
                                            "Border",
                                            "FormatClass",
                                            "Format",
                                            "Value",
                                            "ScaleMinimum",
                                            "ScaleMaximum",
                                            "Spacing",
                                            "SpacingBase",
                                            "SpacingMajor",
                                            "SpacingMinor",
                                            "Inverse",
                                            "DigitDisplay",
                                            "TickRightBottom",
                                            "TickLeftAbove",
                                            "MinorTickMark",
                                            "MajorTickMark",
                                            "TickLabelRightBottom",
                                            "TickLabelLeftAbove",
                                            "KnobBackColor",
                                            "MinorTickColor",
                                            "MajorTickColor",
                                            "FillStyle",
                                            "FillColor"};
        for (auto& item : pointerPersistOrder()) {
            order.push_back(std::move(item));
        }
        b.persistOrder(std::move(order));
        return b.build();
    }
};

const com::MemberTable& CKnobCtrl::table() {
    static const com::MemberTable members = KnobMembers::build();
    return members;
}

const com::MemberTable& CKnobCtrl::members() const {
    return table();
}

}  // namespace brennix::instruments
