#include "equipment/control/motor_ctrl.h"

#include "equipment/control/symbol_members.h"
#include "equipment/draw/motor_symbols.h"

namespace brennix::equipment {

CMotorCtrl::CMotorCtrl() : CEquipmentCtrl(motorStyles()) {}

const com::MemberTable& CMotorCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CMotorCtrl>(
        {"Motor", "MotorStyle", "Color", "MotorColor", 0x808080, false});
    return members;
}

const com::MemberTable& CMotorCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
