#include "equipment/control/tank_ctrl.h"

#include <memory>

#include "equipment/control/symbol_members.h"
#include "equipment/draw/tank_symbols.h"

namespace brennix::equipment {

namespace {

// Any other value shows "Invalid pipe type." on every paint.
std::shared_ptr<const com::Enumeration> styleCodes() {
    static const auto codes = std::make_shared<const com::Enumeration>(com::Enumeration{
        "TankStyle",
        {{0, "Hopper", "a hopper with its lid"},
         {1, "PointedVessel", "a vessel with pointed ends and two seams"},
         {2, "Column",
          "a tall column: dished bottom, the shell, the lid seen from above and two seams"},
         {3, "Sphere", "a sphere on two legs tied together, with its equator seam"},
         {4, "ConeVessel",
          "a vessel with a domed head and a conical bottom on two legs, with a level glass"}}});
    return codes;
}

}  // namespace

CTankCtrl::CTankCtrl() : CEquipmentCtrl(tankStyles()) {}

const com::MemberTable& CTankCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CTankCtrl>(
        {"Tank", "TankStyle", "TankColor", "TankColor", 0x909090, true, styleCodes()});
    return members;
}

const com::MemberTable& CTankCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
