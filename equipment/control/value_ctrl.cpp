#include "equipment/control/value_ctrl.h"

#include "equipment/control/symbol_members.h"
#include "equipment/draw/valve_symbols.h"

namespace brennix::equipment {

CValueCtrl::CValueCtrl() : CEquipmentCtrl(valveStyles()) {}

const com::MemberTable& CValueCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CValueCtrl>(
        {"Value", "ValueStyle", "ValueColor", "ValueColor", 0xCFCFCF, true});
    return members;
}

const com::MemberTable& CValueCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
