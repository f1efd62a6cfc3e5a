#pragma once
// The Pump control: the Pump symbol in the style `PumpStyle` picks,
// filled with `PumpColor`.

#include "equipment/control/equipment_ctrl.h"

namespace brennix::equipment {

class CPumpCtrl final : public CEquipmentCtrl {
  public:
    CPumpCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();
};

}  // namespace brennix::equipment
