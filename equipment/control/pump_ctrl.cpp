#include "equipment/control/pump_ctrl.h"

#include <memory>

#include "equipment/control/symbol_members.h"
#include "equipment/draw/pump_symbols.h"

namespace brennix::equipment {

namespace {

// Any other value shows "Invalid pipe type." on every paint.
std::shared_ptr<const com::Enumeration> styleCodes() {
    static const auto codes = std::make_shared<const com::Enumeration>(com::Enumeration{
        "PumpStyle",
        {{0, "Lying_OutletTopRight",
          "lying, the motor end on the left, the outlet at the top right"},
         {1, "Lying_OutletTopLeft",
          "lying, the motor end on the right, the outlet at the top left"},
         {2, "Lying_OutletBottomRight",
          "lying, the motor end on the left, the outlet at the bottom right"},
         {3, "Lying_OutletBottomLeft",
          "lying, the motor end on the right, the outlet at the bottom left"},
         {4, "Foot_OutletTopRight", "on a foot, the outlet at the top right"},
         {5, "Foot_OutletTopLeft",
          "on a foot, with a full-height casing, the outlet at the top left"},
         {6, "Upright_OutletTopRight", "upright, the outlet at the top right"},
         {7, "Upright_OutletTopLeft", "upright, the outlet at the top left"},
         {8, "Square", "a square pump: round casing on a foot, nozzles on top and to the right"},
         {9, "Square_Screw", "the square pump with a screw drawn down the casing"}}});
    return codes;
}

}  // namespace

CPumpCtrl::CPumpCtrl() : CEquipmentCtrl(pumpStyles()) {}

const com::MemberTable& CPumpCtrl::table() {
    static const com::MemberTable members = symbolMemberTable<CPumpCtrl>(
        {"Pump", "PumpStyle", "PumpColor", "PumpColor", 0xCFCFCF, true, styleCodes()});
    return members;
}

const com::MemberTable& CPumpCtrl::members() const {
    return table();
}

}  // namespace brennix::equipment
