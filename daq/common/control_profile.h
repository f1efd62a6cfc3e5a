#pragma once
// What differs between the six controls' copies of the device code: the
// wording of four messages, the access asked for on "Software", which text a
// failed root key gets when the card number is sought, and whether IRQ1 is
// kept for the driver.

#include <string_view>

#include "daq/common/board_catalogue.h"
#include "platform/winreg/types.h"

namespace brennix::daq {

struct ControlProfile {
    ControlKind kind;
    std::string_view deviceNumberTooLong;
    std::string_view valueCreationFailed;
    std::string_view initialFailed;
    std::string_view boardNotServed;
    winreg::REGSAM softwareAccess;
    // The analog-input control reports a root key that could not be created
    // with the open message while it looks for the card number.
    bool cardNumberRootFailureSaysOpen;
    // The analog-output control keeps IRQ1 in m_irq before Initial.
    bool keepsIrq;
};

const ControlProfile& profileOf(ControlKind kind);

}  // namespace brennix::daq
