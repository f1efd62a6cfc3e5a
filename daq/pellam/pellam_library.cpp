#include "daq/pellam/pellam_library.h"

#include <array>

#include "daq/common/control_factory.h"
#include "daq/pellam/pellam_ctrl.h"
#include "drivers/dorv/dorv.h"
#include "drivers/dorv/dorv_library.h"
#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/senu/senu.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_library.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/quem.h"
#include "simulator/outside/ubrix.h"

namespace brennix::daq::pellam {
namespace {

const std::array kBindings{
    DriverBinding{Board::Senu, InitialCardBase{W_Senu_Initial}, drivers::senu::attachReport},
    DriverBinding{Board::Vexa, InitialCardBase{W_Vexa_Initial}, drivers::vexa::attachReport},
    DriverBinding{Board::Olmi, InitialCardBase{W_Olmi_Initial}, drivers::olmi::attachReport},
    DriverBinding{Board::Dorv, InitialCardBaseIrq{W_Dorv_Initial}, drivers::dorv::attachReport},
    DriverBinding{Board::Quem, InitialCardBase{W_Quem_Initial}},
    DriverBinding{Board::Fenq, InitialCardBaseShort{W_Fenq_Initial}},
    DriverBinding{Board::Ubrix, InitialNoArguments{_ubri_initial}},
};

}  // namespace

std::span<const DriverBinding> driverBindings() {
    return kBindings;
}

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "pellam", {com::ClassEntry{std::string(kClassId), std::string(kProgId), "Pellam",
                                   [] { return createIfAttached<CPellamCtrl>(kBindings); }}
                       .withInterfaces("_DPellam", "_DPellamEvents")
                       .inTypeLibrary("PELLAMLib")});
    return lib;
}

}  // namespace brennix::daq::pellam

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::daq::pellam::library())
