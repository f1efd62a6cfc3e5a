#pragma once
// A port backend for driver tests: one journal of port accesses and device
// calls in the order they happened, scripted port reads, and fake devices
// whose answers each test chooses.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/hw/backend.h"

namespace brennix::drivers::testing {

struct BusEvent {
    enum class Kind { Read, Write, Control };
    Kind kind = Kind::Read;
    std::uint16_t port = 0;
    std::uint8_t value = 0;
    std::string device;
    std::uint32_t code = 0;
    std::vector<std::uint8_t> input;  // copied from the caller's buffer
    const void* inPointer = nullptr;
    void* outPointer = nullptr;
    std::uint32_t outLength = 0;
};

// Fills out (outLength bytes, holding what the caller passed) and says
// whether the call succeeds.
using ControlHandler = std::function<bool(const BusEvent& call, std::span<std::uint8_t> out)>;

class FakeBus final : public hw::Backend {
  public:
    FakeBus();

    std::string_view name() const override { return "fake"; }
    std::uint8_t readByte(hw::PortAddress port) override;
    void writeByte(hw::PortAddress port, std::uint8_t value) override;
    std::unique_ptr<hw::Device> openDevice(std::string_view name) override;
    bool portsAccessible() const override { return state_->portsAccessible; }

    // Reads of port answer the queued values first, then the held value
    // (0 unless set).
    void queueReads(std::uint16_t port, std::vector<std::uint8_t> values);
    void holdRead(std::uint16_t port, std::uint8_t value);

    void setAvailable(std::string_view device, bool available);
    // As a backend whose port grant was refused reports itself.
    void setPortsAccessible(bool accessible) { state_->portsAccessible = accessible; }
    void onControl(std::uint32_t code, ControlHandler handler);
    void refuse(std::uint32_t code);
    // A sample area the device resolves at address.
    void setSampleArea(std::uint32_t address, std::vector<std::uint16_t> words);

    const std::vector<BusEvent>& events() const { return state_->events; }
    void clear() { state_->events.clear(); }

    std::vector<std::pair<std::uint16_t, std::uint8_t>> writes() const;
    std::vector<std::uint8_t> writesTo(std::uint16_t port) const;
    std::size_t readsOf(std::uint16_t port) const;
    std::vector<BusEvent> controls(std::uint32_t code = 0) const;
    std::size_t openDevices() const { return *state_->openCount; }

    struct State {
        std::vector<BusEvent> events;
        std::map<std::uint16_t, std::vector<std::uint8_t>> queued;
        std::map<std::uint16_t, std::uint8_t> held;
        std::set<std::string, std::less<>> available;
        std::map<std::uint32_t, ControlHandler> handlers;
        std::set<std::uint32_t> refused;
        bool portsAccessible = true;
        std::uint32_t areaAddress = 0;
        std::vector<std::uint16_t> area;
        std::shared_ptr<std::size_t> openCount = std::make_shared<std::size_t>(0);
    };

  private:
    std::shared_ptr<State> state_;
};

// Little-endian 32-bit field of a byte buffer, as the device records hold them.
std::uint32_t fieldAt(std::span<const std::uint8_t> bytes, std::size_t offset);
void setFieldAt(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);

}  // namespace brennix::drivers::testing

namespace brennix::drivers::testing {

// The journal as short lines: "W+11=06" and "R+5" for offsets from base,
// "W 021=98" and "R 0A1" for other ports, "C 80FF2010" for device calls.
std::vector<std::string> trace(const FakeBus& bus, std::uint16_t base);

}  // namespace brennix::drivers::testing
