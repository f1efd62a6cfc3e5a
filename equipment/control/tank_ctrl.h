#pragma once
// The Tank control: the Tank symbol in the style `TankStyle` picks,
// filled with `TankColor`.

#include "equipment/control/equipment_ctrl.h"

namespace brennix::equipment {

class CTankCtrl final : public CEquipmentCtrl {
  public:
    CTankCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();
};

}  // namespace brennix::equipment
