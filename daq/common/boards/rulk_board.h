#pragma once
// The Rulk board: three 8-bit digital ports with read-back.

#include "daq/common/board_adapter.h"
#include "daq/common/port_reads.h"
#include "outside/rulk.h"

namespace brennix::daq::boards {

struct RulkBoard {
    static constexpr std::string_view name = "Brax-Rulk";
    static constexpr std::string_view driver = "Rulk";
    static constexpr InitialCardBaseIrq initial = W_Rulk_Initial;

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Rulk_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t readBack(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Rulk_Read_Back, port, value);
    }
    static constexpr DigitalOutput digitalOutput{W_Rulk_DO, readBack};

    static constexpr BoardPage page{std::nullopt, 0, 3, 0};
};

}  // namespace brennix::daq::boards
