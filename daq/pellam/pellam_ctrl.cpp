#include "daq/pellam/pellam_ctrl.h"

#include "daq/pellam/pellam_library.h"
#include "daq/pellam/pellam_messages.h"

namespace brennix::daq::pellam {

const com::MemberTable& CPellamCtrl::table() {
    using C = CPellamCtrl;
    static const com::MemberTable t =
        com::TableBuilder<C>("Pellam")
            .property<std::int32_t>("ErrorCode", &C::m_errorCode)
            .property(
                "Channel", &C::m_channel,
                {.limits = com::Limits<std::int16_t>{0, {}, std::string(text::kNegativeChannel)}})
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
          ControlKind::Pellam, boardAdapters(),
          {std::string(text::kAboutCaption), std::string(text::kAboutText), gfx::rgb(128, 0, 0)}) {}

std::int32_t CPellamCtrl::writeOutput(std::int32_t data) {
    const BoardAdapter* served = board();
    if (served == nullptr || served->analogOutput == nullptr) {
        return invalidBoard();
    }
    return served->analogOutput->write(m_channel, data);
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
