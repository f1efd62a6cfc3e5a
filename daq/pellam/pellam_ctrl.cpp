#include "daq/pellam/pellam_ctrl.h"

#include "daq/pellam/pellam_library.h"
#include "daq/pellam/pellam_messages.h"
#include "drivers/dorv/dorv.h"
#include "drivers/olmi/olmi.h"
#include "drivers/senu/senu.h"
#include "drivers/vexa/vexa.h"
#include "simulator/outside/fenq.h"
#include "simulator/outside/quem.h"
#include "simulator/outside/ubrix.h"

namespace brennix::daq::pellam {

const com::MemberTable& CPellamCtrl::table() {
    using C = CPellamCtrl;
    static const com::MemberTable t =
        com::TableBuilder<C>("Pellam")
            .property<std::int32_t>("ErrorCode", &C::m_errorCode)
            .property("Channel", &C::m_channel, {.accept = &C::acceptChannel})
            .property<std::int32_t>("DeviceNumber", &C::m_deviceNumber,
                                    {.def = -1, .changed = &C::deviceNumberChanged})
            .method("OpenDevice", &C::OpenDevice)
            .method("RawOutput", &C::RawOutput, {"Data"})
            .stock(com::Stock::AboutBox)
            .persistOrder({"Channel", "DeviceNumber", "ErrorCode"})
            .build();
    return t;
}

const com::MemberTable& CPellamCtrl::members() const {
    return table();
}

CPellamCtrl::CPellamCtrl()
    : DeviceControl(
          ControlKind::Pellam, driverBindings(),
          {std::string(text::kAboutCaption), std::string(text::kAboutText), gfx::rgb(128, 0, 0)}) {}

bool CPellamCtrl::acceptChannel(std::int16_t value) {
    // No upper bound here: the driver knows its channels.
    if (value < 0) {
        fail(text::kNegativeChannel);
        return false;
    }
    return true;
}

std::int32_t CPellamCtrl::writeOutput(std::int32_t data) {
    auto served = board();
    if (!served) {
        return invalidBoard();
    }
    switch (*served) {
        case Board::Senu:
            // One output: the channel is not passed.
            return W_Senu_DA(data);
        case Board::Vexa:
            return W_Vexa_DA(m_channel, data);
        case Board::Olmi:
            return W_Olmi_DA(m_channel, data);
        case Board::Dorv:
            return W_Dorv_DA(m_channel, data);
        case Board::Quem:
            return W_Quem_DA(m_channel, data);
        case Board::Fenq:
            return W_Fenq_DA(m_channel, data);
        case Board::Ubrix:
            (void)_ubri_DA(m_channel, data);
            return 0;
        default:
            return invalidBoard();
    }
}

bool CPellamCtrl::RawOutput(std::int16_t Data) {
    if (!opened()) {
        fail(text::kDeviceNotOpen);
        return false;
    }
    m_errorCode = writeOutput(Data);
    if (m_errorCode != 0) {
        say(text::kOutputError);
        return false;
    }
    return true;
}

}  // namespace brennix::daq::pellam
