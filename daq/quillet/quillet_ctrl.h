#pragma once
// The digital-input control: reads an 8-bit input port of a board, or one
// bit of it. Invisible at run time; fires no events. Port reads do not wait
// for OpenDevice: before it they reach whatever card the driver has current.

#include <cstdint>

#include "daq/common/device_control.h"

namespace brennix::daq::quillet {

class CQuilletCtrl final : public DeviceControl {
  public:
    CQuilletCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    bool OpenDevice() { return openDevice(); }
    bool BitInput();
    std::int16_t ByteInput();

    std::int16_t port() const { return m_port; }
    std::int16_t bit() const { return m_bit; }

  private:
    friend class com::TableBuilder<CQuilletCtrl>;

    // The board's read of one port; 0 or the failing result.
    std::int32_t ReadPort(std::int32_t port, std::int32_t& value);

    std::int16_t m_port = 0;
    std::int16_t m_bit = 0;
};

}  // namespace brennix::daq::quillet
