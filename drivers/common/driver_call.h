#pragma once
// The frame around every exported operation other than Initial and
// Switch_Card_No: no exception escapes, and a current card that is not
// initialized gets 1 before any port is touched. So does a card behind a
// refused port grant, whose reads would all answer 0xFF and whose writes
// would be lost.

#include <cstdint>

#include "drivers/common/board_ports.h"
#include "drivers/common/card_table.h"
#include "drivers/common/driver_frame.h"
#include "drivers/common/return_codes.h"
#include "platform/hw/ports.h"

namespace brennix::drivers {

template <class Slot, std::size_t Cards, class Operation>
std::int32_t withReadyCard(CardTable<Slot, Cards>& cards, Operation&& operation) {
    return guarded([&]() -> std::int32_t {
        Slot* slot = cards.ready();
        if (slot == nullptr || !hw::portsAccessible()) {
            return code::kNotInitialized;
        }
        return operation(*slot, BoardPorts(slot->base));
    });
}

}  // namespace brennix::drivers
