#pragma once
// The Nilb board: four 8-bit digital ports with read-back and a set of counters.

#include "daq/common/board_adapter.h"
#include "daq/common/port_reads.h"
#include "outside/nilb.h"

namespace brennix::daq::boards {

struct NilbBoard {
    static constexpr std::string_view name = "Brax-Nilb";
    static constexpr std::string_view driver = "Nilb";
    static constexpr InitialCardBase initial = W_Nilb_Initial;

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Nilb_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t readBack(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Nilb_Read_Back, port, value);
    }
    static constexpr DigitalOutput digitalOutput{W_Nilb_DO, readBack};

    static std::int32_t startTimer(std::int16_t channel, std::int32_t mode, std::int32_t value) {
        return W_Nilb_Timer_Start(channel, mode, value);
    }
    static std::int32_t readTimer(std::int16_t channel, std::int32_t& count) {
        return W_Nilb_Timer_Read(channel, &count);
    }
    static std::int32_t stopTimer(std::int16_t channel, std::int32_t& count) {
        return W_Nilb_Timer_Stop(channel, &count);
    }
    static constexpr Timers timers{startTimer, readTimer, stopTimer};

    static constexpr BoardPage page{std::nullopt, 0, 4, 1};
};

}  // namespace brennix::daq::boards
