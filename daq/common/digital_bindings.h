#pragma once
// The thirteen drivers the digital input and output controls both link, with
// the Initial of each.
//
// Inline on purpose: only the libraries that include this header link the
// drivers it names.

#include <array>
#include <span>

#include "daq/common/driver_binding.h"
#include "drivers/dorv/dorv.h"
#include "drivers/dorv/dorv_library.h"
#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/senu/senu.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_library.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/kilp.h"
#include "simulator/outside/mavo.h"
#include "simulator/outside/nilb.h"
#include "simulator/outside/pruv.h"
#include "simulator/outside/rulk.h"
#include "simulator/outside/tepa.h"
#include "simulator/outside/tepab.h"
#include "simulator/outside/ubrix.h"

namespace brennix::daq {

inline std::span<const DriverBinding> digitalDriverBindings() {
    static const std::array bindings{
        DriverBinding{Board::Kilp, InitialCardBase{W_Kilp_Initial}},
        DriverBinding{Board::Mavo, InitialCardBaseIrq{W_Mavo_Initial}},
        DriverBinding{Board::Rulk, InitialCardBaseIrq{W_Rulk_Initial}},
        DriverBinding{Board::Tepa, InitialCardBase{W_Tepa_Initial}},
        DriverBinding{Board::TepaB, InitialCardBase{W_TepaB_Initial}},
        DriverBinding{Board::Nilb, InitialCardBase{W_Nilb_Initial}},
        DriverBinding{Board::Pruv, InitialCardBaseIrq{W_Pruv_Initial}},
        DriverBinding{Board::Senu, InitialCardBase{W_Senu_Initial}, drivers::senu::attachReport},
        DriverBinding{Board::Vexa, InitialCardBase{W_Vexa_Initial}, drivers::vexa::attachReport},
        DriverBinding{Board::Olmi, InitialCardBase{W_Olmi_Initial}, drivers::olmi::attachReport},
        DriverBinding{Board::Fenq, InitialCardBaseShort{W_Fenq_Initial}},
        DriverBinding{Board::Dorv, InitialCardBaseIrq{W_Dorv_Initial}, drivers::dorv::attachReport},
        DriverBinding{Board::Ubrix, InitialNoArguments{_ubri_initial}},
    };
    return bindings;
}

}  // namespace brennix::daq
