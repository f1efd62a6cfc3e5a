#include "outside/fenq.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::Fenq;
constexpr std::int32_t kPort = 0;     // the one digital port
constexpr std::int32_t kCounter = 0;  // the one counter
}  // namespace

std::int16_t W_Fenq_Initial(std::int32_t card, std::int32_t base) {
    return narrow(
        initial(makeCall(kLibrary, __func__, {card, base}), card, base, std::nullopt).code);
}

std::int16_t W_Fenq_AD_Set_Channel(std::int32_t channel) {
    return narrow(setAdChannel(makeCall(kLibrary, __func__, {channel}), channel).code);
}

std::int16_t W_Fenq_AD_Set_Mode(std::int32_t mode) {
    return narrow(setAdMode(makeCall(kLibrary, __func__, {mode}), mode).code);
}

std::int16_t W_Fenq_AD_Set_Range(std::int32_t range) {
    return narrow(setAdRange(makeCall(kLibrary, __func__, {range}), range).code);
}

std::int16_t W_Fenq_AD_Soft_Trig() {
    return narrow(softTrigger(makeCall(kLibrary, __func__, {})).code);
}

std::int16_t W_Fenq_AD_Aquire(std::int16_t* sample) {
    return narrow(deliver(acquire(makeCall(kLibrary, __func__, {}, sample)), sample));
}

std::int16_t W_Fenq_DA(std::int32_t channel, std::int32_t value) {
    return narrow(writeDa(makeCall(kLibrary, __func__, {channel, value}), channel, value).code);
}

std::int16_t W_Fenq_DI(std::uint16_t* word) {
    return narrow(deliver(readPort(makeCall(kLibrary, __func__, {}, word), kPort), word));
}

std::int16_t W_Fenq_DO(std::int32_t word) {
    return narrow(writePort(makeCall(kLibrary, __func__, {word}), kPort, word).code);
}

std::int16_t W_Fenq_TIMER_Start(std::int32_t mode, std::int32_t value) {
    return narrow(
        timerStart(makeCall(kLibrary, __func__, {mode, value}), kCounter, mode, value).code);
}

std::int16_t W_Fenq_TIMER_Read(std::int32_t* count) {
    return narrow(deliver(timerRead(makeCall(kLibrary, __func__, {}, count), kCounter), count));
}

std::int16_t W_Fenq_TIMER_Stop(std::int32_t* count) {
    return narrow(deliver(timerStop(makeCall(kLibrary, __func__, {}, count), kCounter), count));
}

namespace brennix::outside::fenq {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "W_Fenq_Initial", anyFunction(W_Fenq_Initial)},
        ExportEntry{2, "W_Fenq_AD_Set_Channel", anyFunction(W_Fenq_AD_Set_Channel)},
        ExportEntry{3, "W_Fenq_AD_Set_Mode", anyFunction(W_Fenq_AD_Set_Mode)},
        ExportEntry{4, "W_Fenq_AD_Set_Range", anyFunction(W_Fenq_AD_Set_Range)},
        ExportEntry{5, "W_Fenq_AD_Soft_Trig", anyFunction(W_Fenq_AD_Soft_Trig)},
        ExportEntry{6, "W_Fenq_AD_Aquire", anyFunction(W_Fenq_AD_Aquire)},
        ExportEntry{7, "W_Fenq_DA", anyFunction(W_Fenq_DA)},
        ExportEntry{8, "W_Fenq_DI", anyFunction(W_Fenq_DI)},
        ExportEntry{9, "W_Fenq_DO", anyFunction(W_Fenq_DO)},
        ExportEntry{10, "W_Fenq_TIMER_Start", anyFunction(W_Fenq_TIMER_Start)},
        ExportEntry{11, "W_Fenq_TIMER_Read", anyFunction(W_Fenq_TIMER_Read)},
        ExportEntry{12, "W_Fenq_TIMER_Stop", anyFunction(W_Fenq_TIMER_Stop)},
    };
    return table;
}

}  // namespace brennix::outside::fenq
