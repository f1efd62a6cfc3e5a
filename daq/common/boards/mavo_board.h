#pragma once
// The Mavo board: up to six chips of three ports each, port C of a chip
// reached as two halves.

#include "daq/common/board_adapter.h"
#include "daq/common/mavo_ports.h"
#include "outside/mavo.h"

namespace brennix::daq::boards {

struct MavoBoard {
    static constexpr std::string_view name = "Brax-Mavo";
    static constexpr std::string_view driver = "Mavo";
    static constexpr InitialCardBaseIrq initial = W_Mavo_Initial;

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return mavo::readPort(W_Mavo_DI, port, value,
                              {"PORTC high 4 bit input error", "PORTC low 4 bit input error"});
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t writePort(std::int32_t port, std::int32_t value) {
        return mavo::writePort(W_Mavo_DO, port, value,
                               {"PORTC high 4 bit output failed", "PORTC low 4 bit output failed"});
    }
    static std::int32_t readBack(std::int32_t port, std::int32_t& value) {
        return mavo::readPort(
            W_Mavo_Read_Back, port, value,
            {"Read back PORTC high 4 bit error", "Read back PORTC low 4 bit error"});
    }
    static constexpr DigitalOutput digitalOutput{writePort, readBack};

    static constexpr BoardPage page{std::nullopt, 0, 18, 0};
};

}  // namespace brennix::daq::boards
