#pragma once
// The Dorv board: six D/A channels and two digital ports each way. Its
// interrupt operations serve no control.

#include "daq/common/board_adapter.h"
#include "daq/common/port_reads.h"
#include "drivers/dorv/dorv.h"
#include "drivers/dorv/dorv_library.h"

namespace brennix::daq::boards {

struct DorvBoard {
    static constexpr std::string_view name = "Brax-Dorv";
    static constexpr std::string_view driver = "Dorv";
    static constexpr InitialCardBaseIrq initial = W_Dorv_Initial;
    static constexpr AttachReport attachReport = drivers::dorv::attachReport;

    static std::int32_t writeOutput(std::int32_t channel, std::int32_t value) {
        return W_Dorv_DA(channel, value);
    }
    static constexpr AnalogOutput analogOutput{writeOutput};

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readByte(W_Dorv_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    static std::int32_t writePort(std::int32_t port, std::int32_t value) {
        return W_Dorv_DO(port, value);
    }
    static constexpr DigitalOutput digitalOutput{writePort};

    // Eight cards; an interrupt level per card; no DMA.
    static constexpr BoardResources resources{8, kAtBusIrqLines, 0};
    static constexpr BoardPage page{std::nullopt, 6, 2, 0};
};

}  // namespace brennix::daq::boards
