// The Senu driver: the Vexa frame and register map with eight inputs whose
// number is written as is, one D/A channel, a gain amplifier, and the
// interrupt level carried in bits 4 to 6 of the mode register.

#include <array>

#include "drivers/common/acquisition_runs.h"
#include "drivers/common/board_io.h"
#include "drivers/common/counter_chip.h"
#include "drivers/common/library_state.h"
#include "drivers/senu/senu.h"
#include "drivers/senu/senu_library.h"
#include "outside/device_codes.h"

namespace brennix::drivers::senu {
namespace {

using Library = LibraryState<AcquisitionSlot, 2, AcquisitionDevice>;

Library& library() {
    static Library state(
        AttachPolicy{kBraxVexaDeviceName, "Couldn't open BraxVexa interrupt device\n", true});
    return state;
}

const AttachAtLoad<Library, library> attachAtLoad;

// The board's level field has three bits; its IRQ 9 is the master's IRQ 2
// seen through the cascade.
bool senuIrqAllowed(std::int32_t irq) {
    return (irq >= 2 && irq <= 7) || irq == 9;
}

std::uint8_t levelField(std::int32_t level) {
    return static_cast<std::uint8_t>(((level == 9 ? 2 : level) * 16) & 0x70);
}

constexpr RunProfile kRuns{
    .lastChannel = 7,
    .lastCode = 4,
    .irqAllowed = senuIrqAllowed,
    .selectChannel = selectRunChannelNumber,
    .unmaskAtStart = true,
    .interruptMode = [](std::int32_t irq) -> std::uint8_t { return levelField(irq) + 6; },
    .noInterruptRun = code::kNoInterruptRun,
    .stopMode = 0,
    .stopModeFirst = true,
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
}  // namespace brennix::drivers::senu

namespace drv = brennix::drivers;
namespace senu = brennix::drivers::senu;
using brennix::drivers::BoardPorts;
using brennix::drivers::RunTarget;

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_Initial(std::int32_t card, std::int32_t base) {
    return drv::guarded([&] {
        auto& cards = senu::library().cards;
        if (std::int32_t rc = cards.checkInitial(card, base)) {
            return rc;
        }
        cards.take(card, base);
        return drv::code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_Switch_Card_No(std::int32_t card) {
    return drv::guarded([&] { return senu::library().cards.switchTo(card); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_DI(std::int32_t port, std::uint8_t* value) {
    return senu::onCard([&](const BoardPorts& ports) {
        return drv::readDigitalPort(ports, drv::kVexaFamilyDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_DI_Channel(std::int32_t channel, std::int32_t* value) {
    return senu::onCard([&](const BoardPorts& ports) {
        return drv::readDigitalBit(ports, drv::kVexaFamilyDigital, channel, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_DO(std::int32_t port, std::int32_t value) {
    return senu::onCard([&](const BoardPorts& ports) {
        return drv::writeDigitalPort(ports, drv::kVexaFamilyDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_DA(std::int32_t value) {
    return senu::onCard([&](const BoardPorts& ports) {
        return drv::writeAnalog(ports, drv::kVexaFamilyAnalogOut, 0, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_Set_Channel(std::int32_t channel) {
    return senu::onCard(
        [&](const BoardPorts& ports) { return drv::selectChannelNumber(ports, channel, 7); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_Set_Gain(std::int32_t gain) {
    return senu::onCard([&](const BoardPorts& ports) { return drv::setGain(ports, gain); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_Set_Mode(std::int32_t level, std::int32_t mode) {
    return senu::onCard([&](const BoardPorts& ports) {
        if (mode < 0 || mode > 6) {
            return drv::code::kBadMode;
        }
        if (!senu::senuIrqAllowed(level)) {
            return drv::code::kBadIrq;
        }
        return drv::writeRegister(ports, drv::kModeRegister, mode + senu::levelField(level));
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_Soft_Trig() {
    return senu::onCard([&](const BoardPorts& ports) {
        return drv::writeRegister(ports, drv::kSoftwareTrigger, 0);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_Aquire(std::int32_t* sample) {
    return senu::onCard(
        [&](const BoardPorts& ports) { return drv::convertOnce(ports, 0, sample); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_CLR_IRQ() {
    return senu::onCard([&](const BoardPorts& ports) {
        return drv::writeRegister(ports, drv::kInterruptClear, 0);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_INT_Start(std::int32_t channel, std::int32_t gain,
                                                       std::int32_t irq, std::int32_t count,
                                                       std::int16_t* buffer, std::uint32_t divisor1,
                                                       std::uint32_t divisor2) {
    return senu::onRunCard([&](RunTarget& target) {
        return drv::startInterruptRun(senu::kRuns, target,
                                      {channel, gain, irq, count, buffer, divisor1, divisor2});
    });
}

// Reports completion as the Vexa status does: the start keeps the requested
// count, so a caller polling for the end of the run sees it.
BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_INT_Status(std::int32_t* running,
                                                        std::int32_t* count) {
    return senu::onRunCard(
        [&](RunTarget& target) { return drv::interruptRunStatus(target, running, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_INT_Stop(std::int32_t* count) {
    return senu::onRunCard(
        [&](RunTarget& target) { return drv::stopInterruptRun(senu::kRuns, target, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Senu_AD_Timer(std::uint32_t divisor1, std::uint32_t divisor2) {
    return senu::onCard(
        [&](const BoardPorts& ports) { return drv::programPacer(ports, divisor1, divisor2); });
}

namespace brennix::drivers::senu {
namespace {

const std::array kExports{
    ExportEntry{1, "W_Senu_Initial", anyFunction(W_Senu_Initial)},
    ExportEntry{2, "W_Senu_Switch_Card_No", anyFunction(W_Senu_Switch_Card_No)},
    ExportEntry{3, "W_Senu_DI", anyFunction(W_Senu_DI)},
    ExportEntry{4, "W_Senu_DI_Channel", anyFunction(W_Senu_DI_Channel)},
    ExportEntry{5, "W_Senu_DO", anyFunction(W_Senu_DO)},
    ExportEntry{6, "W_Senu_DA", anyFunction(W_Senu_DA)},
    ExportEntry{7, "W_Senu_AD_Set_Channel", anyFunction(W_Senu_AD_Set_Channel)},
    ExportEntry{8, "W_Senu_AD_Set_Gain", anyFunction(W_Senu_AD_Set_Gain)},
    ExportEntry{9, "W_Senu_AD_Set_Mode", anyFunction(W_Senu_AD_Set_Mode)},
    ExportEntry{10, "W_Senu_AD_Soft_Trig", anyFunction(W_Senu_AD_Soft_Trig)},
    ExportEntry{11, "W_Senu_AD_Aquire", anyFunction(W_Senu_AD_Aquire)},
    ExportEntry{12, "W_Senu_CLR_IRQ", anyFunction(W_Senu_CLR_IRQ)},
    ExportEntry{13, "W_Senu_AD_INT_Start", anyFunction(W_Senu_AD_INT_Start)},
    ExportEntry{14, "W_Senu_AD_INT_Status", anyFunction(W_Senu_AD_INT_Status)},
    ExportEntry{15, "W_Senu_AD_INT_Stop", anyFunction(W_Senu_AD_INT_Stop)},
    ExportEntry{16, "W_Senu_AD_Timer", anyFunction(W_Senu_AD_Timer)},
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

}  // namespace brennix::drivers::senu
