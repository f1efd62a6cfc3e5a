#pragma once
// "Garrow": analog-input channels 0 and 1 scanned on every tick and shown on
// the two pointers of a knob and of a slide and on two seven-segment
// read-outs.

#include <QTimer>

#include "demos/common/demo_form.h"
#include "demos/common/olmi_driver.h"

namespace brennix::demos {

// The volts of a 12-bit code on the board's -5..5 V input, in single
// precision.
float voltsOfCode(std::int32_t raw);

class GarrowForm final : public DemoForm {
    Q_OBJECT
  public:
    explicit GarrowForm(OlmiDriver& olmi);

    bool load() override;

    // The handlers.
    void commandStartClick();
    void timer1Tick();

    QTimer& timer1() { return timer1_; }

  private:
    void show(std::int32_t channel, float volts);

    OlmiDriver& olmi_;
    QTimer timer1_;
    std::int32_t m_startChannel = 0;
    std::int32_t m_stopChannel = 1;
    qt::ControlWidget* knob1_;
    qt::ControlWidget* slide1_;
    qt::ControlWidget* e7Segment1_;
    qt::ControlWidget* e7Segment2_;
    QPushButton* commandStart_;
};

}  // namespace brennix::demos
