#pragma once
// How a hardware-control library creates its control: refused, with the
// reason shown, while a driver it links could not attach.

#include <memory>
#include <optional>
#include <span>
#include <string>

#include "daq/common/board_adapter.h"
#include "platform/com/control.h"
#include "platform/com/message_box.h"

namespace brennix::daq {

// Why controls over these boards must not be created, or empty when every
// driver attached.
std::optional<std::string> attachFailure(std::span<const BoardAdapter> adapters);

template <class T>
std::shared_ptr<com::Control> createIfAttached(std::span<const BoardAdapter> adapters) {
    if (auto reason = attachFailure(adapters)) {
        com::showMessage(*reason);
        return nullptr;
    }
    return com::createControl<T>();
}

}  // namespace brennix::daq
