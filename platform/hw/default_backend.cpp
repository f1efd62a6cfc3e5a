#include <memory>

#include "platform/hw/backend.h"

namespace brennix::hw {
namespace {

// No boards at all: an undecoded bus reads 0xFF and no device opens.
class EmptyBus final : public Backend {
  public:
    std::string_view name() const override { return "empty"; }
    std::uint8_t readByte(PortAddress) override { return 0xFF; }
    void writeByte(PortAddress, std::uint8_t) override {}
    std::unique_ptr<Device> openDevice(std::string_view) override { return nullptr; }
};

}  // namespace

std::shared_ptr<Backend> makeDefaultBackend() {
    return std::make_shared<EmptyBus>();
}

}  // namespace brennix::hw
