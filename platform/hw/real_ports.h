#pragma once
// Real I/O ports through the port device file (/dev/port): the file offset is
// the port number. Chosen only when the user asks for it (BRENNIX_PORTS=real),
// since writes to ports nobody decodes can hang a real machine.
//
// The grant is the open of the port file. When it fails the backend stays
// usable: reads give 0xFF, writes are dropped, both are counted, and
// "\\.\dio" does not open, so a driver's attach reports the missing grant.
// There are no acquisition devices on this platform.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/hw/backend.h"

namespace brennix::hw {

class RealPortBackend final : public Backend {
  public:
    explicit RealPortBackend(std::string path = "/dev/port");
    ~RealPortBackend() override;
    RealPortBackend(const RealPortBackend&) = delete;
    RealPortBackend& operator=(const RealPortBackend&) = delete;

    std::string_view name() const override { return "real-ports"; }
    std::uint8_t readByte(PortAddress port) override;
    void writeByte(PortAddress port, std::uint8_t value) override;
    std::unique_ptr<Device> openDevice(std::string_view name) override;
    bool portsAccessible() const override { return fd_ >= 0; }

    // Why the grant failed ("" when it did not), naming the file and the
    // system's reason.
    const std::string& grantError() const { return error_; }
    // Accesses that went nowhere: no grant, or the port file refused them.
    std::uint64_t droppedAccesses() const { return dropped_; }

  private:
    std::string path_;
    int fd_ = -1;
    std::string error_;
    std::uint64_t dropped_ = 0;
};

}  // namespace brennix::hw
