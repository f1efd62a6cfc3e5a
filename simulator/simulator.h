#pragma once
// The simulated machine as a port and device backend: a virtual ISA bus with
// the configured boards, the interrupt controller masks, the port-access
// device "\\.\dio" and the acquisition devices "\\.\BraxVexa" and
// "\\.\Braxon". Every access can be journaled and port reads scripted.
//
// "\\.\BraxVexa" serves interrupt runs for the board at the record's base and
// DMA runs for every Vexa or Olmi board pacing in its DMA mode (the record
// names no board). Interrupt samples are 12-bit codes; DMA words carry the
// channel in bits 12 to 15. The DMA record's address is a 32-bit token that
// the handle resolves (see hw::Device::resolveAddress); each start hands out
// a fresh one. "\\.\Braxon" writes slot buffer value i to each registered
// D/A port on interrupt i of the Dorv board at the record's base.
//
// Single-threaded, like the drivers above it. Open devices keep the machine
// alive, so a handle may outlive the Simulator object.

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/hw/backend.h"
#include "platform/hw/clock.h"
#include "simulator/boards.h"
#include "simulator/config.h"
#include "simulator/journal.h"

namespace brennix::sim {

inline constexpr std::string_view kPortAccessDevice = "\\\\.\\dio";
inline constexpr std::string_view kAcquisitionDevice = "\\\\.\\BraxVexa";
inline constexpr std::string_view kDorvAcquisitionDevice = "\\\\.\\Braxon";

// Longest run the acquisition devices accept, in samples.
inline constexpr std::uint32_t kMaxRunSamples = 1U << 24;

class Machine;

class Simulator final : public hw::Backend {
  public:
    explicit Simulator(SimulatorConfig config = defaultConfig());
    ~Simulator() override;
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    std::string_view name() const override { return "simulator"; }
    std::uint8_t readByte(hw::PortAddress port) override;
    void writeByte(hw::PortAddress port, std::uint8_t value) override;
    std::unique_ptr<hw::Device> openDevice(std::string_view name) override;

    Journal& journal();
    ReadScript& script();

    // nullptr when no board of that kind sits exactly at base.
    Board* boardAt(hw::PortAddress base);
    AnalogBoard* analogBoardAt(hw::PortAddress base);
    DorvBoard* dorvBoardAt(hw::PortAddress base);

    std::uint8_t masterMask() const;
    std::uint8_t slaveMask() const;

    // Fault injection: a device that does not open, a control code the
    // devices refuse (0 restores normal answers).
    void setDeviceAvailable(std::string_view name, bool available);
    void refuseControl(std::uint32_t code, bool refuse = true);

  private:
    std::shared_ptr<Machine> machine_;
};

// Installs a simulator and a virtual clock for the lifetime of a test scope;
// the journal keeps every entry.
class ScopedSimulator {
  public:
    explicit ScopedSimulator(SimulatorConfig config = defaultConfig());
    ~ScopedSimulator();
    ScopedSimulator(const ScopedSimulator&) = delete;
    ScopedSimulator& operator=(const ScopedSimulator&) = delete;

    Simulator& simulator() { return *simulator_; }
    hw::VirtualClock& clock() { return *clock_; }
    Journal& journal() { return simulator_->journal(); }
    std::shared_ptr<Simulator> shared() const { return simulator_; }

  private:
    std::shared_ptr<Simulator> simulator_;
    std::shared_ptr<hw::VirtualClock> clock_;
    hw::ScopedBackend backendScope_;
    hw::ScopedClock clockScope_;
};

}  // namespace brennix::sim

// What the default backend loads on demand: fills *out with a simulator built
// from configFromEnvironment().
extern "C" void brennix_sim_make_backend(std::shared_ptr<brennix::hw::Backend>* out);
