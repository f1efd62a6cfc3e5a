#include "daq/orsino/orsino_library.h"

#include <array>

#include "daq/orsino/orsino_ctrl.h"
#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/senu/senu.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/message_box.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/ubrix.h"
#include "simulator/outside/zolt.h"

namespace brennix::daq::orsino {
namespace {

const std::array kBindings{
    DriverBinding{Board::Senu, InitialCardBase{W_Senu_Initial}, drivers::senu::attachReport},
    DriverBinding{Board::Vexa, InitialCardBase{W_Vexa_Initial}, drivers::vexa::attachReport},
    DriverBinding{Board::Olmi, InitialCardBase{W_Olmi_Initial}, drivers::olmi::attachReport},
    DriverBinding{Board::Zolt, InitialCardBase{W_Zolt_Initial}},
    DriverBinding{Board::Fenq, InitialCardBaseShort{W_Fenq_Initial}},
    DriverBinding{Board::Ubrix, InitialNoArguments{_ubri_initial}},
};

// A driver that could not attach would fail every call; the control is
// refused at creation instead, and the host is told why.
std::shared_ptr<com::Control> createOrsino() {
    if (auto reason = attachFailure(kBindings)) {
        com::showMessage(*reason);
        return nullptr;
    }
    return com::createControl<CORSINOCtrl>();
}

}  // namespace

std::span<const DriverBinding> driverBindings() {
    return kBindings;
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "orsino",
        {com::ClassEntry{std::string(kClassId), std::string(kProgId), "ORSINO", createOrsino}});
    return lib;
}

}  // namespace brennix::daq::orsino

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::orsino::library())
