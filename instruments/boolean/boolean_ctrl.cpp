#include "instruments/boolean/boolean_ctrl.h"

#include "instruments/boolean/button_layout.h"
#include "instruments/boolean/button_rules.h"
#include "instruments/boolean/group_painter.h"

namespace brennix::instruments {

std::shared_ptr<const com::Enumeration> CBooleanCtrl::directions() {
    static const auto e = std::make_shared<const com::Enumeration>(com::Enumeration{
        "enumDirection", {{0, "DT_Horizonal", "Horizonal"}, {1, "DT_Vertical", "Vertical"}}});
    return e;
}

namespace {

std::shared_ptr<const com::Enumeration> styles() {
    static const auto e = std::make_shared<const com::Enumeration>(com::Enumeration{
        "BooleanStyle",
        {{0, "Buttons", "the caption and the buttons"},
         {1, "CaptionOnly",
          "the caption only, no buttons (as every value other than 0); clicks still toggle the "
          "bits"}}});
    return e;
}

}  // namespace

std::shared_ptr<const com::Enumeration> CBooleanCtrl::indexDirections() {
    static const auto e = std::make_shared<const com::Enumeration>(com::Enumeration{
        "enumIndexDir",
        {{0, "ID_FromRightBottom", "From Right/Bottom"}, {1, "ID_FromLeftTop", "From Left/Top"}}});
    return e;
}

const com::MemberTable& CBooleanCtrl::table() {
    using C = CBooleanCtrl;
    static const com::MemberTable members =
        com::TableBuilder<C>("Boolean")
            .property("Style", &C::m_style, {.def = 0, .codes = styles()})
            .property("Distance", &C::m_distance, {.def = 0})
            .property("Orientation", &C::m_orientation, {.def = 0, .enumeration = directions()})
            .property("Value", &C::m_value, {.def = 0})
            .property<gfx::ColorRef>("BtnColor", &C::m_btnColor, {.def = gfx::rgb(0, 255, 255)})
            .property("StateText", &C::m_stateText, {.def = true})
            .property("BtnNum", &C::m_btnNum, {.def = 1})
            .property("SwitchOrientation", &C::m_switchOrientation,
                      {.def = 1, .enumeration = directions()})
            .property("OneOnFlag", &C::m_oneOnFlag, {.def = false, .changed = &C::oneOnFlagChanged})
            .property("IndexText", &C::m_indexText, {.def = true})
            .property("IndexSequence", &C::m_indexSequence,
                      {.def = 0, .enumeration = indexDirections()})
            .stock(com::Stock::Refresh)
            .stock(com::Stock::Caption)
            .stock(com::Stock::ForeColor)
            .stock(com::Stock::Font)
            .stock(com::Stock::BackColor)
            .stock(com::Stock::AboutBox)
            .stockEvents()
            .persistOrder({"Style", "BtnColor", "Value", "StateText", "BtnNum", "Distance",
                           "Orientation", "SwitchOrientation", "OneOnFlag", "IndexText",
                           "IndexSequence"})
            .build();
    return members;
}

const com::MemberTable& CBooleanCtrl::members() const {
    return table();
}

void CBooleanCtrl::oneOnFlagChanged() {
    m_value = oneOnReduced(m_value, m_btnNum);
}

namespace {

GroupLayout layoutOf(int buttons, std::int32_t distance, std::int16_t orientation,
                     std::int16_t sequence) {
    GroupLayout layout;
    layout.buttons = buttons;
    layout.distance = distance;
    layout.orientation = orientation;
    layout.sequence = sequence;
    return layout;
}

}  // namespace

void CBooleanCtrl::onDraw(gfx::Canvas& canvas, const gfx::Rect& bounds) {
    GroupLook look;
    look.style = m_style;
    look.value = m_value;
    look.stateText = m_stateText;
    look.indexText = m_indexText;
    look.buttonColor = translateColor(m_btnColor);
    look.foreColor = translateColor(foreColor());
    look.backColor = translateColor(backColor());
    look.font = font();
    look.caption = caption();
    paintGroup(canvas, bounds, layoutOf(m_btnNum, m_distance, m_orientation, m_indexSequence),
               look);
}

void CBooleanCtrl::onMouseDown(com::MouseButton button, std::int16_t shift, int x, int y) {
    if (button == com::MouseButton::Left) {
        GroupLayout layout = layoutOf(m_btnNum, m_distance, m_orientation, m_indexSequence);
        layout.hasCaption = !caption().empty();
        layout.lineHeight = layout.hasCaption ? lineHeight(font()) : 0;
        const gfx::Size size = extentPixels();
        const auto hit = buttonsAt(buttonCells({0, 0, size.cx, size.cy}, layout), {x, y});
        for (int i : hit) {
            m_value = clicked(m_value, i, m_oneOnFlag);
        }
        if (!hit.empty()) {
            invalidate();
        }
    }
    com::Control::onMouseDown(button, shift, x, y);
}

com::AboutInfo CBooleanCtrl::about() const {
    return {kBooleanAbout, kBooleanAbout};
}

}  // namespace brennix::instruments
