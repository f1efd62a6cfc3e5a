#pragma once
// The Kilp board: four 8-bit digital ports and three counters.

#include "daq/common/board_adapter.h"
#include "daq/common/port_reads.h"
#include "outside/kilp.h"

namespace brennix::daq::boards {

struct KilpBoard {
    static constexpr std::string_view name = "Brax-Kilp";
    static constexpr std::string_view driver = "Kilp";
    static constexpr InitialCardBase initial = W_Kilp_Initial;

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Kilp_DI_8, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t readBack(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Kilp_Read_Back, port, value);
    }
    static constexpr DigitalOutput digitalOutput{W_Kilp_DO_8, readBack};

    static std::int32_t startTimer(std::int16_t channel, std::int32_t mode, std::int32_t value) {
        return W_Kilp_Timer_Start(channel, mode, value);
    }
    static std::int32_t readTimer(std::int16_t channel, std::int32_t& count) {
        return W_Kilp_Timer_Read(channel, &count);
    }
    static std::int32_t stopTimer(std::int16_t channel, std::int32_t& count) {
        return W_Kilp_Timer_Stop(channel, &count);
    }
    static constexpr Timers timers{startTimer, readTimer, stopTimer};

    static constexpr BoardPage page{std::nullopt, 0, 4, 3};
};

}  // namespace brennix::daq::boards
