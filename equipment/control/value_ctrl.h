#pragma once
// The Value control, a valve: the valve symbol in the style `ValueStyle` picks,
// filled with `ValueColor`.

#include "equipment/control/equipment_ctrl.h"

namespace brennix::equipment {

class CValueCtrl final : public CEquipmentCtrl {
  public:
    CValueCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();
};

}  // namespace brennix::equipment
