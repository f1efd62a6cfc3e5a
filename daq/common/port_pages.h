#pragma once
// The pages of the controls that address a port or a timer channel of a
// board: the digital input and output pages (Port and Bit) and the pulse
// output and counter pages (Channel and one number).

#include <string>

#include "daq/common/device_page.h"

namespace brennix::daq {

// A stored Port beyond the board's list keeps its value: no entry is
// selected and nothing is written unless the user picks a port.
class DigitalPortPage : public DevicePage {
  protected:
    DigitalPortPage(std::string title, ControlKind kind);

  private:
    void adapt(const BoardEntry& board) override;
};

class TimerChannelPage : public DevicePage {
  protected:
    // number: "PulseWidth" or "PresetValue", a long edited as text.
    TimerChannelPage(std::string title, ControlKind kind, const std::string& number);

  private:
    void adapt(const BoardEntry& board) override;
};

}  // namespace brennix::daq
