#include "equipment/control/value_ctrl.h"

#include <memory>

#include "equipment/control/symbol_members.h"
#include "equipment/draw/valve_symbols.h"

namespace brennix::equipment {

namespace {

// Any other value shows "Invalid pipe type." on every paint.
std::shared_ptr<const com::Enumeration> styleCodes() {
    static const auto codes = std::make_shared<const com::Enumeration>(com::Enumeration{
        "ValueStyle",
        {{0, "Gate_Handwheel", "a gate valve with a handwheel"},
         {1, "Dome", "a valve with a dome actuator, for a horizontal pipe"},
         {2, "Dome_Vertical", "the valve with a dome actuator turned for a vertical pipe"},
         {3, "Butterfly_Box", "a butterfly valve with a box actuator"},
         {4, "Butterfly_Lever", "a butterfly valve with a lever"},
         {5, "Butterfly_Dome", "a butterfly valve with a dome actuator"},
         {6, "Side_Horizontal", "a side view for a horizontal run"},
         {7, "Side_Vertical", "the side view turned upright, for a vertical run"},
         {8, "Control", "a control valve: actuator, yoke, bonnet and body with flanges"}}});
    return codes;
}

}  // namespace

CValueCtrl::CValueCtrl() : CEquipmentCtrl(valveStyles()) {}

const com::MemberTable& CValueCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CValueCtrl>(
        {"Value", "ValueStyle", "ValueColor", "ValueColor", 0xCFCFCF, true, styleCodes()});
    return members;
}

const com::MemberTable& CValueCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
