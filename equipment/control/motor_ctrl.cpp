#include "equipment/control/motor_ctrl.h"

#include <memory>

#include "equipment/control/symbol_members.h"
#include "equipment/draw/motor_symbols.h"

namespace brennix::equipment {

namespace {

// Any other value draws nothing.
std::shared_ptr<const com::Enumeration> styleCodes() {
    static const auto codes = std::make_shared<const com::Enumeration>(com::Enumeration{
        "MotorStyle",
        {{0, "SideView",
          "a side view: shaft, coupling, flange, body with a rounded end and the fan cover"},
         {1, "EndView",
          "seen from the fan end: the round housing with a four-bladed fan guard on a base with "
          "two feet"}}});
    return codes;
}

}  // namespace

CMotorCtrl::CMotorCtrl() : CEquipmentCtrl(motorStyles()) {}

const com::MemberTable& CMotorCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CMotorCtrl>(
        {"Motor", "MotorStyle", "Color", "MotorColor", 0x808080, false, styleCodes()});
    return members;
}

const com::MemberTable& CMotorCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
