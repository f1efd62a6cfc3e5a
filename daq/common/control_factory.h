#pragma once
// How a hardware-control library creates its control: refused, with the
// reason shown, while a driver it links could not attach.

#include <memory>
#include <span>

#include "daq/common/driver_binding.h"
#include "platform/com/control.h"
#include "platform/com/message_box.h"

namespace brennix::daq {

template <class T>
std::shared_ptr<com::Control> createIfAttached(std::span<const DriverBinding> bindings) {
    if (auto reason = attachFailure(bindings)) {
        com::showMessage(*reason);
        return nullptr;
    }
    return com::createControl<T>();
}

}  // namespace brennix::daq
