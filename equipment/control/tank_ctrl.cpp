#include "equipment/control/tank_ctrl.h"

#include "equipment/control/symbol_members.h"
#include "equipment/draw/tank_symbols.h"

namespace brennix::equipment {

CTankCtrl::CTankCtrl() : CEquipmentCtrl(tankStyles()) {}

const com::MemberTable& CTankCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CTankCtrl>(
        {"Tank", "TankStyle", "TankColor", "TankColor", 0x909090, true});
    return members;
}

const com::MemberTable& CTankCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
