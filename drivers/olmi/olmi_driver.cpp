// The Olmi driver: the Vexa frame and register map with a gain amplifier,
// the channel written as is, and an interrupt start that leaves the
// interrupt controller to the acquisition device.

#include <array>

#include "drivers/common/acquisition_runs.h"
#include "drivers/common/board_io.h"
#include "drivers/common/counter_chip.h"
#include "drivers/common/library_state.h"
#include "drivers/olmi/olmi.h"
#include "drivers/olmi/olmi_library.h"
#include "outside/device_codes.h"

namespace brennix::drivers::olmi {
namespace {

using Library = LibraryState<AcquisitionSlot, 2, AcquisitionDevice>;

Library& library() {
    static Library state(
        AttachPolicy{kBraxVexaDeviceName, "Couldn't open BraxVexa interrupt device\n", true});
    return state;
}

const AttachAtLoad<Library, library> attachAtLoad;

constexpr RunProfile kRuns{
    .lastChannel = 15,
    .lastCode = 4,
    .irqAllowed = atBusIrqAllowed,
    .selectChannel = selectRunChannelNumber,
    .unmaskAtStart = false,
    .interruptMode = [](std::int32_t) -> std::uint8_t { return 6; },
    .noInterruptRun = code::kNoInterruptRunOlmi,
    .stopMode = 1,
    .stopModeFirst = false,
};

template <class Operation>
std::int32_t onCard(Operation&& operation) {
    return withReadyCard(library().cards, [&](AcquisitionSlot&, const BoardPorts& ports) {
        return operation(ports);
    });
}

template <class Operation>
std::int32_t onRunCard(Operation&& operation) {
    return withRunTarget(library(), operation);
}

}  // namespace
}  // namespace brennix::drivers::olmi

namespace drv = brennix::drivers;
namespace olmi = brennix::drivers::olmi;
using brennix::drivers::BoardPorts;
using brennix::drivers::RunTarget;

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_Initial(std::int32_t card, std::int32_t base) {
    return drv::guarded([&] {
        auto& cards = olmi::library().cards;
        if (std::int32_t rc = cards.checkInitial(card, base)) {
            return rc;
        }
        cards.take(card, base);
        return drv::code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_Switch_Card_No(std::int32_t card) {
    return drv::guarded([&] { return olmi::library().cards.switchTo(card); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_DI(std::int32_t port, std::uint8_t* value) {
    return olmi::onCard([&](const BoardPorts& ports) {
        return drv::readDigitalPort(ports, drv::kVexaFamilyDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_DI_Channel(std::int32_t channel, std::int32_t* value) {
    return olmi::onCard([&](const BoardPorts& ports) {
        return drv::readDigitalBit(ports, drv::kVexaFamilyDigital, channel, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_DO(std::int32_t port, std::int32_t value) {
    return olmi::onCard([&](const BoardPorts& ports) {
        return drv::writeDigitalPort(ports, drv::kVexaFamilyDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_DA(std::int32_t channel, std::int32_t value) {
    return olmi::onCard([&](const BoardPorts& ports) {
        return drv::writeAnalog(ports, drv::kVexaFamilyAnalogOut, channel, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_Set_Channel(std::int32_t channel) {
    return olmi::onCard(
        [&](const BoardPorts& ports) { return drv::selectChannelNumber(ports, channel, 15); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_Set_Gain(std::int32_t gain) {
    return olmi::onCard([&](const BoardPorts& ports) { return drv::setGain(ports, gain); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_Set_Mode(std::int32_t mode) {
    return olmi::onCard([&](const BoardPorts& ports) { return drv::setMode(ports, mode, 7); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_Soft_Trig() {
    return olmi::onCard([&](const BoardPorts& ports) {
        return drv::writeRegister(ports, drv::kSoftwareTrigger, 0);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_Aquire(std::int32_t* sample) {
    return olmi::onCard(
        [&](const BoardPorts& ports) { return drv::convertOnce(ports, 1, sample); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_CLR_IRQ() {
    return olmi::onCard([&](const BoardPorts& ports) {
        return drv::writeRegister(ports, drv::kInterruptClear, 0);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_DMA_Start(std::int32_t channel, std::int32_t gain,
                                                       std::int32_t dma, std::int32_t irq,
                                                       std::int32_t count, std::int16_t* buffer,
                                                       std::uint32_t divisor1,
                                                       std::uint32_t divisor2) {
    return olmi::onRunCard([&](RunTarget& target) {
        return drv::startDmaRun(olmi::kRuns, target, dma,
                                {channel, gain, irq, count, buffer, divisor1, divisor2});
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_DMA_Status(std::int32_t* running,
                                                        std::int32_t* count) {
    return olmi::onRunCard(
        [&](RunTarget& target) { return drv::dmaRunStatus(target, running, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_DMA_Stop(std::int32_t* count) {
    return olmi::onRunCard([&](RunTarget& target) { return drv::stopDmaRun(target, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_INT_Start(std::int32_t channel, std::int32_t gain,
                                                       std::int32_t irq, std::int32_t count,
                                                       std::int16_t* buffer, std::uint32_t divisor1,
                                                       std::uint32_t divisor2) {
    return olmi::onRunCard([&](RunTarget& target) {
        return drv::startInterruptRun(olmi::kRuns, target,
                                      {channel, gain, irq, count, buffer, divisor1, divisor2});
    });
}

// Reports completion as the Vexa status does: the start keeps the requested
// count, so a caller polling for the end of the run sees it.
BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_INT_Status(std::int32_t* running,
                                                        std::int32_t* count) {
    return olmi::onRunCard(
        [&](RunTarget& target) { return drv::interruptRunStatus(target, running, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_INT_Stop(std::int32_t* count) {
    return olmi::onRunCard(
        [&](RunTarget& target) { return drv::stopInterruptRun(olmi::kRuns, target, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_AD_Timer(std::uint32_t divisor1, std::uint32_t divisor2) {
    return olmi::onCard(
        [&](const BoardPorts& ports) { return drv::programPacer(ports, divisor1, divisor2); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_TIMER_Start(std::int32_t mode, std::int32_t count) {
    return olmi::onCard(
        [&](const BoardPorts& ports) { return drv::startCounter0(ports, mode, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_TIMER_Read(std::int32_t* count) {
    return olmi::onCard(
        [&](const BoardPorts& ports) { return drv::readCounter0Into(ports, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Olmi_TIMER_Stop(std::int32_t* count) {
    return olmi::onCard(
        [&](const BoardPorts& ports) { return drv::stopCounter0Into(ports, count); });
}

namespace brennix::drivers::olmi {
namespace {

const std::array kExports{
    ExportEntry{1, "W_Olmi_Initial", anyFunction(W_Olmi_Initial)},
    ExportEntry{2, "W_Olmi_Switch_Card_No", anyFunction(W_Olmi_Switch_Card_No)},
    ExportEntry{3, "W_Olmi_DI", anyFunction(W_Olmi_DI)},
    ExportEntry{4, "W_Olmi_DI_Channel", anyFunction(W_Olmi_DI_Channel)},
    ExportEntry{5, "W_Olmi_DO", anyFunction(W_Olmi_DO)},
    ExportEntry{6, "W_Olmi_DA", anyFunction(W_Olmi_DA)},
    ExportEntry{7, "W_Olmi_AD_Set_Channel", anyFunction(W_Olmi_AD_Set_Channel)},
    ExportEntry{8, "W_Olmi_AD_Set_Gain", anyFunction(W_Olmi_AD_Set_Gain)},
    ExportEntry{9, "W_Olmi_AD_Set_Mode", anyFunction(W_Olmi_AD_Set_Mode)},
    ExportEntry{10, "W_Olmi_AD_Soft_Trig", anyFunction(W_Olmi_AD_Soft_Trig)},
    ExportEntry{11, "W_Olmi_AD_Aquire", anyFunction(W_Olmi_AD_Aquire)},
    ExportEntry{12, "W_Olmi_CLR_IRQ", anyFunction(W_Olmi_CLR_IRQ)},
    ExportEntry{13, "W_Olmi_AD_DMA_Start", anyFunction(W_Olmi_AD_DMA_Start)},
    ExportEntry{14, "W_Olmi_AD_DMA_Status", anyFunction(W_Olmi_AD_DMA_Status)},
    ExportEntry{15, "W_Olmi_AD_DMA_Stop", anyFunction(W_Olmi_AD_DMA_Stop)},
    ExportEntry{16, "W_Olmi_AD_INT_Start", anyFunction(W_Olmi_AD_INT_Start)},
    ExportEntry{17, "W_Olmi_AD_INT_Status", anyFunction(W_Olmi_AD_INT_Status)},
    ExportEntry{18, "W_Olmi_AD_INT_Stop", anyFunction(W_Olmi_AD_INT_Stop)},
    ExportEntry{19, "W_Olmi_AD_Timer", anyFunction(W_Olmi_AD_Timer)},
    ExportEntry{20, "W_Olmi_TIMER_Start", anyFunction(W_Olmi_TIMER_Start)},
    ExportEntry{21, "W_Olmi_TIMER_Read", anyFunction(W_Olmi_TIMER_Read)},
    ExportEntry{22, "W_Olmi_TIMER_Stop", anyFunction(W_Olmi_TIMER_Stop)},
};

}  // namespace

std::int32_t attachReport() {
    return library().frame.attachReport();
}

std::int32_t reload() {
    return library().reload();
}

std::span<const ExportEntry> exports() {
    return kExports;
}

}  // namespace brennix::drivers::olmi
