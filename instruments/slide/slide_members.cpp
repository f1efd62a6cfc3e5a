#include "instruments/pointer/pointer_members.h"
#include "instruments/scale/scale_enums.h"
#include "instruments/slide/slide_ctrl.h"

namespace brennix::instruments {

namespace {

std::shared_ptr<const com::Enumeration> patternCodes() {
    static const auto e = std::make_shared<const com::Enumeration>(com::Enumeration{
        "PatternType",
        {{0, "Tube", "the tube with its scale and ticks"},
         {1, "Plain",
          "frame, caption, digit box, column and pointers without the tube or scale (as every "
          "value other than 0)"}}});
    return e;
}

}  // namespace

struct SlideMembers {
    using C = CSlideCtrl;

    static com::MemberTable build() {
        com::TableBuilder<C> b("Slide");
        b.stock(com::Stock::Refresh)
            .stock(com::Stock::Caption)
            .stock(com::Stock::BackColor)
            .stock(com::Stock::Font)
            .stock(com::Stock::ForeColor)
            .stock(com::Stock::Enabled)
            .stock(com::Stock::AboutBox);
        b.property<std::int16_t>("PatternType", &C::m_patternType, {.codes = patternCodes()})
            .property<std::int16_t>("Style", &C::m_style)
            .property<bool>("DigitDisplay", &C::m_digitDisplay, {.def = true})
            .property<bool>("Border", &C::m_border, {.def = true})
            .property<std::int16_t>("Spacing", &C::m_spacing, {.enumeration = spacingEnumeration()})
            .property<bool>("MajorTickMark", &C::m_majorTickMark, {.def = true})
            .property<bool>("MinorTickMark", &C::m_minorTickMark, {.def = true})
            .property<bool>("TickLeftAbove", &C::m_tickLeftAbove)
            .property<bool>("TickRightBottom", &C::m_tickRightBottom, {.def = true})
            .property<bool>("TickLabelLeftAbove", &C::m_tickLabelLeftAbove)
            .property<bool>("TickLabelRightBottom", &C::m_tickLabelRightBottom, {.def = true})
            .property<double>("Value", &C::m_value)
            .property<std::int16_t>("FormatClass", &C::m_formatClass, {.codes = formatClassCodes()})
            .property<std::int16_t>("Format", &C::m_format)
            .property<gfx::ColorRef>("SlideBackColor", &C::m_slideBackColor, {.def = 0xFFFFFF})
            .property<double>("ScaleMinimum", &C::m_scaleMinimum)
            .property<double>("ScaleMaximum", &C::m_scaleMaximum, {.def = 10.0})
            .property<bool>("Inverse", &C::m_inverse)
            .property<gfx::ColorRef>("MajorTickColor", &C::m_majorTickColor)
            .property<gfx::ColorRef>("MinorTickColor", &C::m_minorTickColor)
            .property<std::int16_t>("SpacingMajor", &C::m_spacingMajor, {.def = 1})
            .property<std::int16_t>("SpacingMinor", &C::m_spacingMinor, {.def = 1})
            .property<std::int16_t>("SpacingBase", &C::m_spacingBase)
            .property<gfx::ColorRef>("FillColor", &C::m_fillColor, {.def = 0x0000FF})
            .property<std::int16_t>("FillStyle", &C::m_fillStyle,
                                    {.enumeration = fillStyleEnumeration()});
        addPointerValues(b);
        addPointerVisibles(b);
        addPointerColors(b);
        b.stockEvents();
        std::vector<com::PersistItem> order{"PatternType",
                                            "Style",
                                            "Border",
                                            "Value",
                                            "SlideBackColor",
                                            "FormatClass",
                                            "Format",
                                            "Inverse",
                                            "ScaleMinimum",
                                            "ScaleMaximum",
                                            "TickRightBottom",
                                            "TickLeftAbove",
                                            "MinorTickMark",
                                            "MajorTickMark",
                                            "MinorTickColor",
                                            "MajorTickColor",
                                            "TickLabelRightBottom",
                                            "TickLabelLeftAbove",
                                            "Spacing",
                                            "SpacingBase",
                                            "SpacingMajor",
                                            "SpacingMinor",
                                            "DigitDisplay",
                                            "FillStyle",
                                            "FillColor"};
        for (auto& item : pointerPersistOrder()) {
            order.push_back(std::move(item));
        }
        b.persistOrder(std::move(order));
        return b.build();
    }
};

const com::MemberTable& CSlideCtrl::table() {
    static const com::MemberTable members = SlideMembers::build();
    return members;
}

const com::MemberTable& CSlideCtrl::members() const {
    return table();
}

}  // namespace brennix::instruments
