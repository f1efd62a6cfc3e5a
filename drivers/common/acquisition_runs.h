#pragma once
// Paced block acquisition through the "\\.\BraxVexa" device: interrupt runs
// and DMA runs. The boards of the family differ only in what a RunProfile
// holds.

#include <cstdint>

#include "drivers/common/acquisition_device.h"
#include "drivers/common/acquisition_slot.h"
#include "drivers/common/board_ports.h"
#include "drivers/common/driver_call.h"
#include "platform/hw/device.h"

namespace brennix::drivers {

struct RunProfile {
    // Highest A/D channel and highest range (or gain) code a start accepts.
    std::int32_t lastChannel;
    std::int32_t lastCode;
    bool (*irqAllowed)(std::int32_t irq);
    // How a start sets the multiplexer for the run's channel.
    void (*selectChannel)(const BoardPorts& ports, std::int32_t channel);
    // false: the interrupt start only records the mask, it does not unmask.
    bool unmaskAtStart;
    // Mode register value that starts a pacer-triggered interrupt run.
    std::uint8_t (*interruptMode)(std::int32_t irq);
    // Interrupt stop: code without a run, mode written, and whether the mode
    // register is written before the mask is restored.
    std::int32_t noInterruptRun;
    std::uint8_t stopMode;
    bool stopModeFirst;
};

// IRQs the starts accept on boards that reach the slave controller.
bool atBusIrqAllowed(std::int32_t irq);

struct RunRequest {
    std::int32_t channel;
    std::int32_t code;
    std::int32_t irq;
    std::int32_t count;
    std::int16_t* buffer;
    std::uint32_t divisor1;
    std::uint32_t divisor2;
};

// The card a run acts on and the library's device and records.
struct RunTarget {
    BoardPorts ports;
    AcquisitionSlot& slot;
    std::int32_t card;
    hw::DeviceHandle& device;
    AcquisitionDevice& protocol;
};

// Runs operation on the library's current card when it is initialized.
template <class State, class Operation>
std::int32_t withRunTarget(State& library, Operation&& operation) {
    return withReadyCard(library.cards, [&](AcquisitionSlot& slot, const BoardPorts& ports) {
        RunTarget target{ports, slot, library.cards.currentCard(),
                         library.frame.acquisitionDevice(), library.records};
        return operation(target);
    });
}

// Argument checks of both starts, in order; dmaChannel only for DMA starts.
std::int32_t checkRunRequest(const RunProfile& profile, const RunRequest& request,
                             const std::int32_t* dmaChannel);

std::int32_t startInterruptRun(const RunProfile& profile, RunTarget& target,
                               const RunRequest& request);
std::int32_t interruptRunStatus(RunTarget& target, std::int32_t* running, std::int32_t* count);
std::int32_t stopInterruptRun(const RunProfile& profile, RunTarget& target, std::int32_t* count);

std::int32_t startDmaRun(const RunProfile& profile, RunTarget& target, std::int32_t dmaChannel,
                         const RunRequest& request);
std::int32_t dmaRunStatus(RunTarget& target, std::int32_t* running, std::int32_t* count);
std::int32_t stopDmaRun(RunTarget& target, std::int32_t* count);

}  // namespace brennix::drivers
