#pragma once
// The five drivers the pulse-output and counter controls both link, with the
// Initial of each.
//
// Inline on purpose: only the libraries that include this header link the
// drivers it names.

#include <array>
#include <span>

#include "daq/common/driver_binding.h"
#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_library.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/kilp.h"
#include "simulator/outside/nilb.h"

namespace brennix::daq {

inline std::span<const DriverBinding> counterDriverBindings() {
    static const std::array bindings{
        DriverBinding{Board::Vexa, InitialCardBase{W_Vexa_Initial}, drivers::vexa::attachReport},
        DriverBinding{Board::Olmi, InitialCardBase{W_Olmi_Initial}, drivers::olmi::attachReport},
        DriverBinding{Board::Kilp, InitialCardBase{W_Kilp_Initial}},
        DriverBinding{Board::Nilb, InitialCardBase{W_Nilb_Initial}},
        DriverBinding{Board::Fenq, InitialCardBaseShort{W_Fenq_Initial}},
    };
    return bindings;
}

}  // namespace brennix::daq
