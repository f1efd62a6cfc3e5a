// The output port write and read-back of every board the control serves.

#include "daq/common/io_messages.h"
#include "daq/common/mavo_ports.h"
#include "daq/common/port_reads.h"
#include "daq/rastow/rastow_ctrl.h"
#include "daq/rastow/rastow_messages.h"
#include "drivers/dorv/dorv.h"
#include "drivers/olmi/olmi.h"
#include "drivers/senu/senu.h"
#include "drivers/vexa/vexa.h"
#include "platform/com/message_box.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/kilp.h"
#include "simulator/outside/mavo.h"
#include "simulator/outside/nilb.h"
#include "simulator/outside/pruv.h"
#include "simulator/outside/rulk.h"
#include "simulator/outside/tepa.h"
#include "simulator/outside/tepab.h"
#include "simulator/outside/ubrix.h"

namespace brennix::daq::rastow {

namespace {

std::int32_t portNumberError() {
    com::showMessage(daq::text::kPortNumberError);
    return -1;
}

// TepaB: one 16-bit word shown as ports 0 and 1; the other half is kept as
// the board reads it back.
std::int32_t writeTepaBHalf(std::int32_t port, std::int32_t value) {
    std::uint16_t word = 0;
    if (std::int32_t rc = W_TepaB_Read_Back(&word)) {
        return rc;
    }
    if (port == 0) {
        word = static_cast<std::uint16_t>((word & 0xFF00) | (value & 0xFF));
    } else if (port == 1) {
        word = static_cast<std::uint16_t>((word & 0x00FF) | ((value & 0xFF) << 8));
    } else {
        return portNumberError();
    }
    return W_TepaB_DO(word);
}

}  // namespace

std::int32_t CRastowCtrl::WritePort(std::int32_t port, std::int32_t value) {
    auto served = board();
    if (!served) {
        return invalidBoard();
    }
    switch (*served) {
        case Board::Kilp:
            return W_Kilp_DO_8(port, value);
        case Board::Mavo:
            return mavo::writePort(W_Mavo_DO, port, value,
                                   {text::kPortCHighFailed, text::kPortCLowFailed});
        case Board::Rulk:
            return W_Rulk_DO(port, value);
        case Board::Nilb:
            return W_Nilb_DO(port, value);
        case Board::Pruv:
            return W_Pruv_DO(port, value);
        case Board::Senu:
            return W_Senu_DO(port, value);
        case Board::Vexa:
            return W_Vexa_DO(port, value);
        case Board::Olmi:
            return W_Olmi_DO(port, value);
        case Board::Dorv:
            return W_Dorv_DO(port, value);
        case Board::Tepa:
            return W_Tepa_DO(value);
        case Board::TepaB:
            return writeTepaBHalf(port, value);
        case Board::Fenq:
            // value is the whole word.
            return W_Fenq_DO(value);
        case Board::Ubrix:
            // Ubrix ports are numbered from 1, and its results are not checked.
            (void)_ubri_DO(port + 1, value);
            return 0;
        default:
            return invalidBoard();
    }
}

std::int32_t CRastowCtrl::ReadBackPort(std::int32_t port, std::int32_t& value) {
    switch (board().value_or(Board::Zolt)) {
        case Board::Kilp:
            return ports::readByte(W_Kilp_Read_Back, port, value);
        case Board::Mavo:
            return mavo::readPort(W_Mavo_Read_Back, port, value,
                                  {text::kReadBackHighError, text::kReadBackLowError});
        case Board::Rulk:
            return ports::readByte(W_Rulk_Read_Back, port, value);
        case Board::Nilb:
            return ports::readByte(W_Nilb_Read_Back, port, value);
        case Board::Pruv:
            return ports::readByte(W_Pruv_Read_Back, port, value);
        case Board::Tepa:
            return ports::readSinglePort(W_Tepa_Read_Back, value);
        case Board::TepaB:
            return ports::readWordHalf(W_TepaB_Read_Back, port, value);
        default:
            // No read-back on this board.
            return -1;
    }
}

}  // namespace brennix::daq::rastow
