#pragma once
// The analog-output control: writes raw values to one D/A channel of a
// board. Invisible at run time; fires no events.

#include <cstdint>

#include "daq/common/device_control.h"

namespace brennix::daq::pellam {

class CPellamCtrl final : public DeviceControl {
  public:
    CPellamCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    bool OpenDevice() { return openDevice(); }
    bool RawOutput(std::int16_t Data);

    std::int16_t channel() const { return m_channel; }

  private:
    friend class com::TableBuilder<CPellamCtrl>;

    // The board's D/A call; -1 for a name without one.
    std::int32_t writeOutput(std::int32_t data);

    std::int16_t m_channel = 0;
};

}  // namespace brennix::daq::pellam
