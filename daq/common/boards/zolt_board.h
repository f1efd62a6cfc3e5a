#pragma once
// The Zolt board: 32 analog inputs, one conversion per read of a channel, no
// mode codes and no block runs.

#include "daq/common/board_adapter.h"
#include "daq/common/input_texts.h"
#include "outside/zolt.h"

namespace brennix::daq::boards {

struct ZoltBoard {
    static constexpr std::string_view name = "Brax-Zolt";
    static constexpr std::string_view driver = "Zolt";
    static constexpr InitialCardBase initial = W_Zolt_Initial;

    static std::int32_t setChannel(std::int32_t channel) { return W_Zolt_AD_Set_Channel(channel); }
    static void program(InputProgramming& steps, const InputValues& values) {
        (void)steps.step(W_Zolt_AD_Set_Gain(values.gain), text::kSerGainError);
    }
    static std::int32_t acquire(std::int32_t channel, std::int32_t& sample) {
        return W_Zolt_AD_Channel_Read(channel, &sample);
    }
    static constexpr AnalogInput analogInput{setChannel,   program, nullptr,
                                             std::nullopt, nullptr, acquire};

    static constexpr BoardPage page{
        InputPage{32, TransferList::PollingOnly, RangeList::AdGain, true}, 0, 0, 0};
};

}  // namespace brennix::daq::boards
