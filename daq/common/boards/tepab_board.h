#pragma once
// The 16-bit Tepa board: one 16-bit word each way shown as ports 0 (low
// byte) and 1 (high byte).

#include "daq/common/board_adapter.h"
#include "daq/common/io_messages.h"
#include "daq/common/port_reads.h"
#include "outside/tepab.h"
#include "platform/com/message_box.h"

namespace brennix::daq::boards {

struct TepaBBoard {
    static constexpr std::string_view name = "Brax-Tepa/16";
    static constexpr std::string_view driver = "TepaB";
    static constexpr InitialCardBase initial = W_TepaB_Initial;

    static std::int32_t readPort(std::int32_t port, std::int32_t& value) {
        return ports::readWordHalf(W_TepaB_DI, port, value);
    }
    static constexpr DigitalInput digitalInput{readPort};
    // The other half is kept as the board reads it back.
    static std::int32_t writePort(std::int32_t port, std::int32_t value) {
        std::uint16_t word = 0;
        if (std::int32_t rc = W_TepaB_Read_Back(&word)) {
            return rc;
        }
        if (port == 0) {
            word = static_cast<std::uint16_t>((word & 0xFF00) | (value & 0xFF));
        } else if (port == 1) {
            word = static_cast<std::uint16_t>((word & 0x00FF) | ((value & 0xFF) << 8));
        } else {
            com::showMessage(text::kPortNumberError);
            return -1;
        }
        return W_TepaB_DO(word);
    }
    static std::int32_t readBack(std::int32_t port, std::int32_t& value) {
        return ports::readWordHalf(W_TepaB_Read_Back, port, value);
    }
    static constexpr DigitalOutput digitalOutput{writePort, readBack};

    static constexpr BoardPage page{std::nullopt, 0, 2, 0};
};

}  // namespace brennix::daq::boards
