#pragma once
// The Pruv board: six 8-bit digital ports with read-back.

#include "daq/common/board_adapter.h"
#include "daq/common/port_reads.h"
#include "outside/pruv.h"

namespace brennix::daq::boards {

struct PruvBoard {
    static constexpr std::string_view name = "Brax-Pruv";
    static constexpr std::string_view driver = "Pruv";
    static constexpr InitialCardBaseIrq initial = W_Pruv_Initial;

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Pruv_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t readBack(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Pruv_Read_Back, port, value);
    }
    static constexpr DigitalOutput digitalOutput{W_Pruv_DO, readBack};

    static constexpr BoardPage page{std::nullopt, 0, 6, 0};
};

}  // namespace brennix::daq::boards
