#include "outside/ubrix.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::Ubrix;
}

// The library drives a single board, which it takes as card 0.
std::int32_t _ubri_initial() {
    return initial(makeCall(kLibrary, __func__, {}), 0, std::nullopt, std::nullopt).code;
}

std::int32_t _ubri_AD_Set_Channel_Scan(std::int32_t first, std::int32_t last) {
    return setAdScan(makeCall(kLibrary, __func__, {first, last}), first, last).code;
}

std::int32_t _ubri_AD_Set_Mode(std::int32_t mode) {
    return setAdMode(makeCall(kLibrary, __func__, {mode}), mode).code;
}

std::int32_t _ubri_AD_Set_Range(std::int32_t gain) {
    return setAdRange(makeCall(kLibrary, __func__, {gain}), gain).code;
}

std::int32_t _ubri_AD_Soft_Trigger() {
    return softTrigger(makeCall(kLibrary, __func__, {})).code;
}

std::int32_t _ubri_AD_Acquire(std::int32_t* sample) {
    return deliver(acquire(makeCall(kLibrary, __func__, {}, sample)), sample);
}

std::int32_t _ubri_AD_INT_Status(std::int32_t* running, std::int32_t* count) {
    return deliver(runStatus(makeCall(kLibrary, __func__, {}, running, count), RunKind::Interrupt),
                   running, count);
}

std::int32_t _ubri_AD_INT_Stop(std::int32_t* count, std::int32_t irq) {
    return deliver(runStop(makeCall(kLibrary, __func__, {irq}, count), RunKind::Interrupt, irq),
                   count);
}

std::int32_t _ubri_AD_DMA_Status(std::int32_t* running, std::int32_t* count) {
    return deliver(runStatus(makeCall(kLibrary, __func__, {}, running, count), RunKind::Dma),
                   running, count);
}

std::int32_t _ubri_AD_DMA_Stop(std::int32_t* count, std::int32_t irq) {
    return deliver(runStop(makeCall(kLibrary, __func__, {irq}, count), RunKind::Dma, irq), count);
}

std::int32_t _ubri_DA(std::int32_t channel, std::int32_t value) {
    return writeDa(makeCall(kLibrary, __func__, {channel, value}), channel, value).code;
}

std::int32_t _ubri_DI(std::int32_t port, std::uint8_t* value) {
    return deliver(readPort(makeCall(kLibrary, __func__, {port}, value), port), value);
}

std::int32_t _ubri_DO(std::int32_t port, std::int32_t value) {
    return writePort(makeCall(kLibrary, __func__, {port, value}), port, value).code;
}

namespace brennix::outside::ubrix {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "_ubri_initial", anyFunction(_ubri_initial)},
        ExportEntry{2, "_ubri_AD_Set_Channel_Scan", anyFunction(_ubri_AD_Set_Channel_Scan)},
        ExportEntry{3, "_ubri_AD_Set_Mode", anyFunction(_ubri_AD_Set_Mode)},
        ExportEntry{4, "_ubri_AD_Set_Range", anyFunction(_ubri_AD_Set_Range)},
        ExportEntry{5, "_ubri_AD_Soft_Trigger", anyFunction(_ubri_AD_Soft_Trigger)},
        ExportEntry{6, "_ubri_AD_Acquire", anyFunction(_ubri_AD_Acquire)},
        ExportEntry{7, "_ubri_AD_INT_Status", anyFunction(_ubri_AD_INT_Status)},
        ExportEntry{8, "_ubri_AD_INT_Stop", anyFunction(_ubri_AD_INT_Stop)},
        ExportEntry{9, "_ubri_AD_DMA_Status", anyFunction(_ubri_AD_DMA_Status)},
        ExportEntry{10, "_ubri_AD_DMA_Stop", anyFunction(_ubri_AD_DMA_Stop)},
        ExportEntry{11, "_ubri_DA", anyFunction(_ubri_DA)},
        ExportEntry{12, "_ubri_DI", anyFunction(_ubri_DI)},
        ExportEntry{13, "_ubri_DO", anyFunction(_ubri_DO)},
    };
    return table;
}

}  // namespace brennix::outside::ubrix
