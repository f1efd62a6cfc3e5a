// The input port read of every board the control serves.

#include "daq/common/io_messages.h"
#include "daq/common/mavo_ports.h"
#include "daq/common/port_reads.h"
#include "daq/quillet/quillet_ctrl.h"
#include "daq/quillet/quillet_messages.h"
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

namespace brennix::daq::quillet {

std::int32_t CQuilletCtrl::ReadPort(std::int32_t port, std::int32_t& value) {
    auto served = board();
    if (!served) {
        return invalidBoard();
    }
    switch (*served) {
        case Board::Kilp:
            return ports::readByte(W_Kilp_DI_8, port, value);
        case Board::Mavo:
            return mavo::readPort(W_Mavo_DI, port, value,
                                  {text::kPortCHighError, text::kPortCLowError});
        case Board::Rulk:
            return ports::readByte(W_Rulk_DI, port, value);
        case Board::Nilb:
            return ports::readByte(W_Nilb_DI, port, value);
        case Board::Pruv:
            return ports::readByte(W_Pruv_DI, port, value);
        case Board::Senu:
            return ports::readByte(W_Senu_DI, port, value);
        case Board::Vexa:
            return ports::readByte(W_Vexa_DI, port, value);
        case Board::Olmi:
            return ports::readByte(W_Olmi_DI, port, value);
        case Board::Dorv:
            return ports::readByte(W_Dorv_DI, port, value);
        case Board::Tepa:
            return ports::readSinglePort(W_Tepa_DI, value);
        case Board::TepaB:
            return ports::readWordHalf(W_TepaB_DI, port, value);
        case Board::Fenq:
            return ports::readWordHalf(W_Fenq_DI, port, value);
        case Board::Ubrix: {
            // Ubrix ports are numbered from 1, and its results are not checked.
            std::uint8_t byte = 0;
            (void)_ubri_DI(port + 1, &byte);
            value = byte;
            return 0;
        }
        default:
            return invalidBoard();
    }
}

}  // namespace brennix::daq::quillet
