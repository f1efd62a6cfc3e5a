#pragma once
// "Hollin": D/A channels 0 and 1 set by dragging the two pointers of a knob
// or the pointers of two slides, which follow each other.

#include <array>

#include "demos/common/demo_form.h"
#include "demos/common/olmi_driver.h"

namespace brennix::demos {

// The 12-bit D/A code of a value on the board's 0..5 V output, rounded.
std::int32_t codeOfVolts(double volts);

class HollinForm final : public DemoForm {
    Q_OBJECT
  public:
    explicit HollinForm(OlmiDriver& olmi);

    bool load() override;

    // The handlers.
    void knob1MouseMove();
    void slide1MouseMove();
    void slide2MouseMove();

    // The value last sent on a channel, as volts and as the code.
    double lastVolts(int channel) const { return m_sent[static_cast<std::size_t>(channel)].volts; }
    std::int32_t lastCode(int channel) const {
        return m_sent[static_cast<std::size_t>(channel)].code;
    }

  private:
    // A value moved on channel: when it differs from what was sent last, the
    // other control's pointer follows and the code goes to the board.
    void follow(int channel, double value, qt::ControlWidget* other, const QString& otherPointer);

    struct Sent {
        double volts = 0.0;
        std::int32_t code = 0;
    };
    OlmiDriver& olmi_;
    std::array<Sent, 2> m_sent{};
    qt::ControlWidget* knob1_;
    qt::ControlWidget* slide1_;
    qt::ControlWidget* slide2_;
};

}  // namespace brennix::demos
