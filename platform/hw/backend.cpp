#include "platform/hw/backend.h"

#include <utility>

namespace brennix::hw {
namespace {

std::shared_ptr<Backend>& installed() {
    static std::shared_ptr<Backend> current;
    return current;
}

}  // namespace

Backend& backend() {
    auto& current = installed();
    if (!current) {
        current = makeDefaultBackend();
    }
    return *current;
}

void installBackend(std::shared_ptr<Backend> replacement) {
    installed() = std::move(replacement);
}

ScopedBackend::ScopedBackend(std::shared_ptr<Backend> replacement)
    : previous_(std::exchange(installed(), std::move(replacement))) {}

ScopedBackend::~ScopedBackend() {
    installed() = std::move(previous_);
}

std::uint8_t readByte(PortAddress port) {
    return backend().readByte(port);
}

void writeByte(PortAddress port, std::uint8_t value) {
    backend().writeByte(port, value);
}

bool portsAccessible() {
    return backend().portsAccessible();
}

DeviceHandle openDevice(std::string_view name) {
    return DeviceHandle(backend().openDevice(name));
}

}  // namespace brennix::hw
