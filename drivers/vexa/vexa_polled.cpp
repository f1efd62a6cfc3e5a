// Card selection and the polled operations of the Vexa board.

#include "drivers/common/board_io.h"
#include "drivers/common/busy_loop.h"
#include "drivers/common/driver_call.h"
#include "drivers/common/export_table.h"
#include "drivers/common/return_codes.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_state.h"

namespace brennix::drivers::vexa {
namespace {

std::uint8_t multiplexerCode(std::int32_t inputMode, std::int32_t channel) {
    if (inputMode == kDifferential) {
        return static_cast<std::uint8_t>(0x30 + channel);
    }
    return static_cast<std::uint8_t>(channel < 8 ? 0x10 + channel : 0x28 + (channel - 8));
}

}  // namespace

std::int32_t selectChannel(const BoardPorts& ports, const VexaSlot& slot, std::int32_t channel) {
    if (channel < 0 || channel > 15) {
        return code::kBadAdChannel;
    }
    if (slot.inputMode == kDifferential && channel > 7) {
        return code::kBadAdChannel;
    }
    ports.write(kMultiplexer, multiplexerCode(slot.inputMode, channel));
    busyLoop(kChannelSettling);
    return code::kSuccess;
}

}  // namespace brennix::drivers::vexa

using brennix::drivers::BoardPorts;
using brennix::drivers::vexa::onReadyCard;
using brennix::drivers::vexa::VexaSlot;
namespace code = brennix::drivers::code;
namespace drv = brennix::drivers;
namespace vexa = brennix::drivers::vexa;

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_Initial(std::int32_t card, std::int32_t base) {
    return drv::guarded([&] {
        auto& cards = vexa::library().cards;
        if (std::int32_t rc = cards.checkInitial(card, base)) {
            return rc;
        }
        cards.take(card, base).inputMode = vexa::kSingleEnded;
        return code::kSuccess;
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_Switch_Card_No(std::int32_t card) {
    return drv::guarded([&] { return vexa::library().cards.switchTo(card); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_DI(std::int32_t port, std::uint8_t* value) {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::readDigitalPort(ports, drv::kVexaFamilyDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_DI_Channel(std::int32_t channel, std::int32_t* value) {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::readDigitalBit(ports, drv::kVexaFamilyDigital, channel, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_DO(std::int32_t port, std::int32_t value) {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::writeDigitalPort(ports, drv::kVexaFamilyDigital, port, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_DA(std::int32_t channel, std::int32_t value) {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::writeAnalog(ports, drv::kVexaFamilyAnalogOut, channel, value);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_Set_Channel(std::int32_t channel) {
    return onReadyCard([&](VexaSlot& slot, const BoardPorts& ports) {
        return vexa::selectChannel(ports, slot, channel);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_Set_Range(std::int32_t range) {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::writeRegister(ports, drv::kRangeRegister, range);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_Set_Mode(std::int32_t mode) {
    return onReadyCard(
        [&](VexaSlot&, const BoardPorts& ports) { return drv::setMode(ports, mode, 7); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_Soft_Trig() {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::writeRegister(ports, drv::kSoftwareTrigger, 0);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_Aquire(std::int32_t* sample) {
    return onReadyCard(
        [&](VexaSlot&, const BoardPorts& ports) { return drv::convertOnce(ports, 1, sample); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_CLR_IRQ() {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::writeRegister(ports, drv::kInterruptClear, 0);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_Input_Mode(std::int32_t mode) {
    return onReadyCard([&](VexaSlot& slot, const BoardPorts&) {
        if (mode != vexa::kSingleEnded && mode != vexa::kDifferential) {
            return code::kBadMode;
        }
        slot.inputMode = mode;
        return code::kSuccess;
    });
}
