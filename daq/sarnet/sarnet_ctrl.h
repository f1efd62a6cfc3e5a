#pragma once
// The pulse-output control: starts and stops a square wave on one counter of
// a board. Invisible at run time; fires no events. Neither method waits for
// OpenDevice.

#include <cstdint>

#include "daq/common/device_control.h"

namespace brennix::daq::sarnet {

class CSarnetCtrl final : public DeviceControl {
  public:
    CSarnetCtrl();

    const com::MemberTable& members() const override;
    static const com::MemberTable& table();

    bool OpenDevice() { return openDevice(); }
    bool EnablePulseOut(bool Enabled);

    std::int32_t pulseWidth() const { return m_pulseWidth; }
    std::int16_t channel() const { return m_channel; }

  private:
    friend class com::TableBuilder<CSarnetCtrl>;

    std::int32_t m_pulseWidth = 4;
    std::int16_t m_channel = 0;
};

}  // namespace brennix::daq::sarnet
