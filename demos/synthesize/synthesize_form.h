#pragma once
// "No.1 synthesize workshop": a process mimic whose twenty pipes blink, a
// trend chart of a simulated temperature with its seven-segment read-out,
// and a speed knob whose value a label shows.

#include <QTimer>
#include <array>
#include <functional>

#include "demos/common/demo_form.h"

namespace brennix::demos {

// The temperature drawn after reseeding the generator with the second of
// the minute: r in [0, 1) gives r x 80 + 30, kept within 30..80.
double temperatureOfSecond(int second);

// The second of the minute now, on the local clock.
int currentSecond();

class SynthesizeForm final : public DemoForm {
    Q_OBJECT
  public:
    using SecondSource = std::function<int()>;
    explicit SynthesizeForm(SecondSource second = currentSecond);

    bool load() override;
    void unload() override;

    // The handlers.
    void timer1Tick();
    void knob1MouseMove();

    double temperature() const { return m_temperature[0]; }
    QTimer& timer1() { return timer1_; }

  private:
    SecondSource second_;
    std::array<double, 1> m_temperature{};
    QTimer timer1_;
    qt::ControlWidget* chart1_;
    qt::ControlWidget* knob1_;
    qt::ControlWidget* e7Segment1_;
    QLabel* labelRpm_;
};

}  // namespace brennix::demos
