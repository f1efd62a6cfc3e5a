#pragma once
// The digital-output control: writes an 8-bit output port of a board, or one
// bit of it, and reads back what was written. Boards without a read-back
// report what this control last wrote, from its shadow of the ports.
// Invisible at run time; fires no events. Like the input control it does not
// wait for OpenDevice.

#include <array>
#include <cstdint>

#include "daq/common/device_control.h"

namespace brennix::daq::rastow {

inline constexpr std::size_t kPortCount = 18;

class CRastowCtrl final : public DeviceControl {
  public:
    CRastowCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    bool OpenDevice() { return openDevice(); }
    bool ByteOutput(std::int16_t Data);
    bool BitOutput(bool Data);
    std::int16_t ByteReadBack();
    bool BitReadBack();

    std::int16_t port() const { return m_port; }
    std::int16_t bit() const { return m_bit; }
    const std::array<std::int32_t, kPortCount>& shadow() const { return m_shadow; }

  private:
    friend class com::TableBuilder<CRastowCtrl>;

    // The board's write of one port (or of the word of ports 0 and 1).
    std::int32_t WritePort(std::int32_t port, std::int32_t value);
    // The board's read-back of one port; -1 for a board without one.
    std::int32_t ReadBackPort(std::int32_t port, std::int32_t& value);
    bool wordByteOutput(std::int32_t byte);

    std::int16_t m_port = 0;
    std::int16_t m_bit = 0;
    // Not persisted: lives as long as the control.
    std::array<std::int32_t, kPortCount> m_shadow{};
};

}  // namespace brennix::daq::rastow
