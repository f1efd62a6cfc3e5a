#include "equipment/control/pump_ctrl.h"

#include "equipment/control/symbol_members.h"
#include "equipment/draw/pump_symbols.h"

namespace brennix::equipment {

CPumpCtrl::CPumpCtrl() : CEquipmentCtrl(pumpStyles()) {}

const com::MemberTable& CPumpCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CPumpCtrl>(
        {"Pump", "PumpStyle", "PumpColor", "PumpColor", 0xCFCFCF, true});
    return members;
}

const com::MemberTable& CPumpCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
