#pragma once
// The Motor control: the Motor symbol in the style `MotorStyle` picks,
// filled with `Color`.

#include "equipment/control/equipment_ctrl.h"

namespace brennix::equipment {

class CMotorCtrl final : public CEquipmentCtrl {
  public:
    CMotorCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();
};

}  // namespace brennix::equipment
