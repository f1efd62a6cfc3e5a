#include "daq/rastow/rastow_ctrl.h"

#include "daq/common/io_messages.h"
#include "daq/rastow/rastow_library.h"
#include "daq/rastow/rastow_messages.h"

namespace brennix::daq::rastow {

const com::MemberTable& CRastowCtrl::table() {
    using C = CRastowCtrl;
    // Bit comes before Port here, unlike the input control.
    static const com::MemberTable t =
        com::TableBuilder<C>("Rastow")
            .property<std::int32_t>("DeviceNumber", &C::m_deviceNumber,
                                    {.def = -1, .changed = &C::deviceNumberChanged})
            .property<std::int32_t>("ErrorCode", &C::m_errorCode)
            .property(
                "Bit", &C::m_bit,
                {.limits = com::Limits<std::int16_t>{0, 7, std::string(daq::text::kBitRange)}})
            .property(
                "Port", &C::m_port,
                {.limits = com::Limits<std::int16_t>{0, 17, std::string(daq::text::kPortRange)}})
            .method("OpenDevice", &C::OpenDevice)
            .method("ByteOutput", &C::ByteOutput, {"Data"})
            .method("BitOutput", &C::BitOutput, {"Data"})
            .method("ByteReadBack", &C::ByteReadBack)
            .method("BitReadBack", &C::BitReadBack)
            .stock(com::Stock::AboutBox)
            .persistOrder({"DeviceNumber", "Port", "Bit", "ErrorCode"})
            .build();
    return t;
}

const com::MemberTable& CRastowCtrl::members() const {
    return table();
}

CRastowCtrl::CRastowCtrl()
    : DeviceControl(
          ControlKind::Rastow, boardAdapters(),
          {std::string(text::kAboutCaption), std::string(text::kAboutText), gfx::rgb(160, 96, 0)}) {
}

bool CRastowCtrl::ByteOutput(std::int16_t Data) {
    std::int32_t byte = Data & 0xFF;
    const BoardAdapter* served = board();
    if (served != nullptr && served->digitalOutput != nullptr &&
        served->digitalOutput->wordOfTwoPorts) {
        return wordByteOutput(byte);
    }
    m_errorCode = WritePort(m_port, byte);
    if (m_errorCode != 0) {
        say(text::kOutputFailed);
        return false;
    }
    m_shadow[static_cast<std::size_t>(m_port)] = byte;
    return true;
}

// One 16-bit output word shown as ports 0 and 1: the other half is what
// reads back for it.
bool CRastowCtrl::wordByteOutput(std::int32_t byte) {
    const std::int16_t port = m_port;
    m_port = 0;
    std::int32_t low = ByteReadBack();
    m_port = 1;
    std::int32_t high = ByteReadBack();
    m_port = port;
    std::int32_t word = 0;
    if (port == 0) {
        word = (high << 8) | byte;
    } else if (port == 1) {
        word = (byte << 8) | low;
    } else {
        fail(daq::text::kPortNumberError);
        return false;
    }
    m_errorCode = WritePort(port, word);
    if (m_errorCode != 0) {
        say(text::kOutputFailed);
        return false;
    }
    m_shadow[0] = word & 0xFF;
    m_shadow[1] = (word >> 8) & 0xFF;
    return true;
}

std::int32_t CRastowCtrl::WritePort(std::int32_t port, std::int32_t value) {
    const BoardAdapter* served = board();
    if (served == nullptr || served->digitalOutput == nullptr) {
        return invalidBoard();
    }
    return served->digitalOutput->write(port, value);
}

std::int32_t CRastowCtrl::ReadBackPort(std::int32_t port, std::int32_t& value) {
    const BoardAdapter* served = board();
    if (served == nullptr || served->digitalOutput == nullptr ||
        served->digitalOutput->readBack == nullptr) {
        // No read-back on this board.
        return -1;
    }
    return served->digitalOutput->readBack(port, value);
}

std::int16_t CRastowCtrl::ByteReadBack() {
    std::int32_t value = 0;
    m_errorCode = ReadBackPort(m_port, value);
    if (m_errorCode == 0) {
        return static_cast<std::int16_t>(value & 0xFF);
    }
    // No read-back, or a failed one: what this control last wrote.
    m_errorCode = 0;
    return static_cast<std::int16_t>(m_shadow[static_cast<std::size_t>(m_port)]);
}

bool CRastowCtrl::BitOutput(bool Data) {
    std::int32_t byte = ByteReadBack();
    const std::int32_t mask = 1 << m_bit;
    if (Data) {
        byte |= mask;
    } else {
        byte &= ~mask;
    }
    if (!ByteOutput(static_cast<std::int16_t>(byte))) {
        say(text::kOutputFailed);
        return false;
    }
    return true;
}

bool CRastowCtrl::BitReadBack() {
    return (ByteReadBack() & (1 << m_bit)) != 0;
}

}  // namespace brennix::daq::rastow
