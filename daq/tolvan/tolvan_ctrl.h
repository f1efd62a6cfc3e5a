#pragma once
// The counter control: loads a counter of a board with a preset, starts it,
// reads it and stops it. Invisible at run time; fires no events. Only the
// CounterValue read waits for OpenDevice; the methods do not.

#include <cstdint>

#include "daq/common/device_control.h"

namespace brennix::daq::tolvan {

class CTolvanCtrl final : public DeviceControl {
  public:
    CTolvanCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    bool OpenDevice() { return openDevice(); }
    bool EnableCounter(bool Enabled);

    // CounterValue as the interface reads it: from the board while opened.
    std::int32_t CounterValue();

    std::int32_t presetValue() const { return m_presetValue; }
    std::int32_t storedCounterValue() const { return m_counterValue; }
    std::int16_t channel() const { return m_channel; }

  private:
    friend class com::TableBuilder<CTolvanCtrl>;

    std::int32_t m_presetValue = 65535;
    std::int32_t m_counterValue = 0;
    std::int16_t m_channel = 0;
};

}  // namespace brennix::daq::tolvan
