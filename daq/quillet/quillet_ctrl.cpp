#include "daq/quillet/quillet_ctrl.h"

#include "daq/common/io_messages.h"
#include "daq/quillet/quillet_library.h"
#include "daq/quillet/quillet_messages.h"

namespace brennix::daq::quillet {

const com::MemberTable& CQuilletCtrl::table() {
    using C = CQuilletCtrl;
    static const com::MemberTable t =
        com::TableBuilder<C>("Quillet")
            .property<std::int32_t>("DeviceNumber", &C::m_deviceNumber,
                                    {.def = -1, .changed = &C::deviceNumberChanged})
            .property<std::int32_t>("ErrorCode", &C::m_errorCode)
            .property(
                "Port", &C::m_port,
                {.limits = com::Limits<std::int16_t>{0, 17, std::string(daq::text::kPortRange)}})
            .property(
                "Bit", &C::m_bit,
                {.limits = com::Limits<std::int16_t>{0, 7, std::string(daq::text::kBitRange)}})
            .method("OpenDevice", &C::OpenDevice)
            .method("BitInput", &C::BitInput)
            .method("ByteInput", &C::ByteInput)
            .stock(com::Stock::AboutBox)
            .persistOrder({"DeviceNumber", "Port", "Bit", "ErrorCode"})
            .build();
    return t;
}

const com::MemberTable& CQuilletCtrl::members() const {
    return table();
}

CQuilletCtrl::CQuilletCtrl()
    : DeviceControl(
          ControlKind::Quillet, boardAdapters(),
          {std::string(text::kAboutCaption), std::string(text::kAboutText), gfx::rgb(0, 96, 0)}) {}

std::int16_t CQuilletCtrl::ByteInput() {
    std::int32_t value = 0;
    m_errorCode = ReadPort(m_port, value);
    if (m_errorCode != 0) {
        say(text::kReadDataError);
        // Whatever half of a value a failed read left is not shown.
        return 0;
    }
    return static_cast<std::int16_t>(value & 0xFF);
}

std::int32_t CQuilletCtrl::ReadPort(std::int32_t port, std::int32_t& value) {
    const BoardAdapter* served = board();
    if (served == nullptr || served->digitalInput == nullptr) {
        return invalidBoard();
    }
    return served->digitalInput->read(port, value);
}

bool CQuilletCtrl::BitInput() {
    std::int16_t byte = ByteInput();
    return (byte & (1 << m_bit)) != 0;
}

}  // namespace brennix::daq::quillet
