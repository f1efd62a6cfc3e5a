#pragma once
// What stands behind ports and devices: the simulator or the real machine.

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/hw/device.h"
#include "platform/hw/ports.h"

namespace brennix::hw {

class Backend {
  public:
    virtual ~Backend() = default;
    virtual std::string_view name() const = 0;
    virtual std::uint8_t readByte(PortAddress port) = 0;
    virtual void writeByte(PortAddress port, std::uint8_t value) = 0;
    // nullptr when there is no such device or it cannot be opened.
    virtual std::unique_ptr<Device> openDevice(std::string_view name) = 0;
    // False when port access was not granted: reads then give 0xFF and writes
    // are dropped, without faulting.
    virtual bool portsAccessible() const { return true; }
};

// The installed backend; the first use without one installs the default.
Backend& backend();
void installBackend(std::shared_ptr<Backend> backend);

// The backend chosen by configuration when nothing was installed.
std::shared_ptr<Backend> makeDefaultBackend();

// Installs a backend for the lifetime of a scope (tests), then puts back
// whatever was there before.
class ScopedBackend {
  public:
    explicit ScopedBackend(std::shared_ptr<Backend> backend);
    ~ScopedBackend();
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

  private:
    std::shared_ptr<Backend> previous_;
};

}  // namespace brennix::hw
