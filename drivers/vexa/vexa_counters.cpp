// The Vexa counter chip: pacer and counter 0.

#include "drivers/common/counter_chip.h"
#include "drivers/common/export_table.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_state.h"

using brennix::drivers::BoardPorts;
using brennix::drivers::vexa::onReadyCard;
using brennix::drivers::vexa::VexaSlot;
namespace drv = brennix::drivers;

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_Timer(std::uint32_t divisor1, std::uint32_t divisor2) {
    return onReadyCard([&](VexaSlot&, const BoardPorts& ports) {
        return drv::programPacer(ports, divisor1, divisor2);
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_TIMER_Start(std::int32_t mode, std::int32_t count) {
    return onReadyCard(
        [&](VexaSlot&, const BoardPorts& ports) { return drv::startCounter0(ports, mode, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_TIMER_Read(std::int32_t* count) {
    return onReadyCard(
        [&](VexaSlot&, const BoardPorts& ports) { return drv::readCounter0Into(ports, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_TIMER_Stop(std::int32_t* count) {
    return onReadyCard(
        [&](VexaSlot&, const BoardPorts& ports) { return drv::stopCounter0Into(ports, count); });
}
