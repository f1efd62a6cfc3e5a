// Interrupt and DMA acquisition on the Vexa board.

#include "drivers/common/acquisition_runs.h"
#include "drivers/common/export_table.h"
#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_state.h"

namespace brennix::drivers::vexa {
namespace {

// A start selects the channel as AD_Set_Channel does, ignoring its refusal of
// a differential channel above 7.
void selectRunChannel(const BoardPorts& ports, std::int32_t channel) {
    selectChannel(ports, library().cards.currentSlot(), channel);
}

constexpr RunProfile kRuns{
    .lastChannel = 15,
    .lastCode = 11,
    .irqAllowed = atBusIrqAllowed,
    .selectChannel = selectRunChannel,
    .unmaskAtStart = true,
    .interruptMode = [](std::int32_t) -> std::uint8_t { return 6; },
    .noInterruptRun = code::kNoInterruptRun,
    .stopMode = 1,
    .stopModeFirst = true,
};

template <class Operation>
std::int32_t onRunCard(Operation&& operation) {
    return withRunTarget(library(), operation);
}

}  // namespace
}  // namespace brennix::drivers::vexa

namespace drv = brennix::drivers;
namespace vexa = brennix::drivers::vexa;

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_DMA_Start(std::int32_t channel, std::int32_t range,
                                                       std::int32_t dma, std::int32_t irq,
                                                       std::int32_t count, std::int16_t* buffer,
                                                       std::uint32_t divisor1,
                                                       std::uint32_t divisor2) {
    return vexa::onRunCard([&](drv::RunTarget& target) {
        return drv::startDmaRun(vexa::kRuns, target, dma,
                                {channel, range, irq, count, buffer, divisor1, divisor2});
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_DMA_Status(std::int32_t* running,
                                                        std::int32_t* count) {
    return vexa::onRunCard(
        [&](drv::RunTarget& target) { return drv::dmaRunStatus(target, running, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_DMA_Stop(std::int32_t* count) {
    return vexa::onRunCard([&](drv::RunTarget& target) { return drv::stopDmaRun(target, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_INT_Start(std::int32_t channel, std::int32_t range,
                                                       std::int32_t irq, std::int32_t count,
                                                       std::int16_t* buffer, std::uint32_t divisor1,
                                                       std::uint32_t divisor2) {
    return vexa::onRunCard([&](drv::RunTarget& target) {
        return drv::startInterruptRun(vexa::kRuns, target,
                                      {channel, range, irq, count, buffer, divisor1, divisor2});
    });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_INT_Status(std::int32_t* running,
                                                        std::int32_t* count) {
    return vexa::onRunCard(
        [&](drv::RunTarget& target) { return drv::interruptRunStatus(target, running, count); });
}

BRENNIX_DRIVER_EXPORT std::int32_t W_Vexa_AD_INT_Stop(std::int32_t* count) {
    return vexa::onRunCard(
        [&](drv::RunTarget& target) { return drv::stopInterruptRun(vexa::kRuns, target, count); });
}
