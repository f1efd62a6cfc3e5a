#include "daq/common/control_profile.h"

#include <array>

namespace brennix::daq {
namespace {

using winreg::KEY_ALL_ACCESS;
using winreg::KEY_READ;

constexpr std::array<ControlProfile, kControlKindCount> kProfiles{{
    {ControlKind::Orsino, "Device number can't larger than 3", "create value in registry failed",
     "Initialize device failed.", "Incorrect board type", KEY_READ, true, false},
    {ControlKind::Pellam, "device number length can't larger than 3",
     "Create value in registry failed", "Initialize device failed.", "Invalid board number",
     KEY_ALL_ACCESS, false, true},
    {ControlKind::Quillet, "Device number length can't larger than 3",
     "Create value in registry error", "Initialize device failed.", "Invalid board type", KEY_READ,
     false, false},
    {ControlKind::Rastow, "Device number length must smaller than 3",
     "Create value in registry failed", "Initialize device failed.", "Invalid board type", KEY_READ,
     false, false},
    {ControlKind::Sarnet, "Device number can't larger than 3", "Create value in registry failed",
     "Initialize device failed.", "Invalid board type", KEY_READ, false, false},
    {ControlKind::Tolvan, "Device number length can't larger than 3",
     "Create Value in registry error", "Initialize device error.", "Invalid board type", KEY_READ,
     false, false},
}};

}  // namespace

const ControlProfile& profileOf(ControlKind kind) {
    return kProfiles[static_cast<std::size_t>(kind)];
}

}  // namespace brennix::daq
