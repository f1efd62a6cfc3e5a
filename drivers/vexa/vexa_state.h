#pragma once
// The Vexa library's process-wide state.

#include <cstdint>

#include "drivers/common/acquisition_device.h"
#include "drivers/common/acquisition_runs.h"
#include "drivers/common/acquisition_slot.h"
#include "drivers/common/card_table.h"
#include "drivers/common/driver_call.h"
#include "drivers/common/driver_frame.h"
#include "drivers/common/library_state.h"
#include "outside/device_codes.h"

namespace brennix::drivers::vexa {

inline constexpr std::int32_t kSingleEnded = 0;
inline constexpr std::int32_t kDifferential = 1;

struct VexaSlot : AcquisitionSlot {
    std::int32_t inputMode = kSingleEnded;
};

using Library = LibraryState<VexaSlot, 2, AcquisitionDevice>;

Library& library();

template <class Operation>
std::int32_t onReadyCard(Operation&& operation) {
    return withReadyCard(library().cards, static_cast<Operation&&>(operation));
}

// The multiplexer step of AD_Set_Channel, also used by the starts.
std::int32_t selectChannel(const BoardPorts& ports, const VexaSlot& slot, std::int32_t channel);

}  // namespace brennix::drivers::vexa
