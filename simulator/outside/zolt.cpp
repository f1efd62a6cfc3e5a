#include "outside/zolt.h"

#include <array>

#include "simulator/outside/operations.h"

using namespace brennix::outside;

namespace {
constexpr Library kLibrary = Library::Zolt;
}

std::int32_t W_Zolt_Initial(std::int32_t card, std::int32_t base) {
    return initial(makeCall(kLibrary, __func__, {card, base}), card, base, std::nullopt).code;
}

std::int32_t W_Zolt_AD_Set_Channel(std::int32_t channel) {
    return setAdChannel(makeCall(kLibrary, __func__, {channel}), channel).code;
}

std::int32_t W_Zolt_AD_Set_Gain(std::int32_t gain) {
    return setAdRange(makeCall(kLibrary, __func__, {gain}), gain).code;
}

std::int32_t W_Zolt_AD_Channel_Read(std::int32_t channel, std::int32_t* sample) {
    return deliver(channelRead(makeCall(kLibrary, __func__, {channel}, sample), channel), sample);
}

namespace brennix::outside::zolt {

std::span<const ExportEntry> exports() {
    static const std::array table{
        ExportEntry{1, "W_Zolt_Initial", anyFunction(W_Zolt_Initial)},
        ExportEntry{2, "W_Zolt_AD_Set_Channel", anyFunction(W_Zolt_AD_Set_Channel)},
        ExportEntry{3, "W_Zolt_AD_Set_Gain", anyFunction(W_Zolt_AD_Set_Gain)},
        ExportEntry{4, "W_Zolt_AD_Channel_Read", anyFunction(W_Zolt_AD_Channel_Read)},
    };
    return table;
}

}  // namespace brennix::outside::zolt
