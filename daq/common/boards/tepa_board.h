#pragma once
// The Tepa board: one 8-bit port each way; the port number is not passed.

#include "daq/common/board_adapter.h"
#include "daq/common/port_reads.h"
#include "outside/tepa.h"

namespace brennix::daq::boards {

struct TepaBoard {
    static constexpr std::string_view name = "Brax-Tepa";
    static constexpr std::string_view driver = "Tepa";
    static constexpr InitialCardBase initial = W_Tepa_Initial;

    static std::int32_t readPort(std::int32_t /*port*/, std::int32_t& value) {
        return ports::readSinglePort(W_Tepa_DI, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t writePort(std::int32_t /*port*/, std::int32_t value) {
        return W_Tepa_DO(value);
    }
    static std::int32_t readBack(std::int32_t /*port*/, std::int32_t& value) {
        return ports::readSinglePort(W_Tepa_Read_Back, value);
    }
    static constexpr DigitalOutput digitalOutput{writePort, readBack};

    static constexpr BoardPage page{std::nullopt, 0, 1, 0};
};

}  // namespace brennix::daq::boards
