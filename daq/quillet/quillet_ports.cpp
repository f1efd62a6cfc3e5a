// The input port read of every board the control serves.

#include "daq/common/io_messages.h"
#include "daq/common/mavo_ports.h"
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

namespace {

using ByteRead = std::int32_t (*)(std::int32_t, std::uint8_t*);

std::int32_t readByte(ByteRead read, std::int32_t port, std::int32_t& value) {
    std::uint8_t byte = 0;
    std::int32_t rc = read(port, &byte);
    if (rc == 0) {
        value = byte;
    }
    return rc;
}

// One 16-bit word shown as port 0 (low byte) and port 1 (high byte).
template <class Result>
std::int32_t readWordHalf(Result (*read)(std::uint16_t*), std::int32_t port, std::int32_t& value) {
    if (port != 0 && port != 1) {
        com::showMessage(daq::text::kPortNumberError);
        return -1;
    }
    std::uint16_t word = 0;
    std::int32_t rc = read(&word);
    if (rc == 0) {
        value = port == 0 ? (word & 0xFF) : (word >> 8);
    }
    return rc;
}

}  // namespace

std::int32_t CQuilletCtrl::ReadPort(std::int32_t port, std::int32_t& value) {
    auto served = board();
    if (!served) {
        return invalidBoard();
    }
    switch (*served) {
        case Board::Kilp:
            return readByte(W_Kilp_DI_8, port, value);
        case Board::Mavo:
            return mavo::readPort(W_Mavo_DI, port, value,
                                  {text::kPortCHighError, text::kPortCLowError});
        case Board::Rulk:
            return readByte(W_Rulk_DI, port, value);
        case Board::Nilb:
            return readByte(W_Nilb_DI, port, value);
        case Board::Pruv:
            return readByte(W_Pruv_DI, port, value);
        case Board::Senu:
            return readByte(W_Senu_DI, port, value);
        case Board::Vexa:
            return readByte(W_Vexa_DI, port, value);
        case Board::Olmi:
            return readByte(W_Olmi_DI, port, value);
        case Board::Dorv:
            return readByte(W_Dorv_DI, port, value);
        case Board::Tepa: {
            // One port: the number is not passed.
            std::uint8_t byte = 0;
            std::int32_t rc = W_Tepa_DI(&byte);
            if (rc == 0) {
                value = byte;
            }
            return rc;
        }
        case Board::TepaB:
            return readWordHalf(W_TepaB_DI, port, value);
        case Board::Fenq:
            return readWordHalf(W_Fenq_DI, port, value);
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
