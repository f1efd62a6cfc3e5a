#pragma once
// "Fennick": digital output port 0 set from one Boolean button group, input
// port 0 shown on another while the scan runs.

#include <QTimer>

#include "demos/common/demo_form.h"
#include "demos/common/olmi_driver.h"

namespace brennix::demos {

class FennickForm final : public DemoForm {
    Q_OBJECT
  public:
    explicit FennickForm(OlmiDriver& olmi);

    bool load() override;

    // The handlers.
    void boolean1Click();
    void commandStartClick();
    void timer1Tick();

    QTimer& timer1() { return timer1_; }

  private:
    OlmiDriver& olmi_;
    QTimer timer1_;
    qt::ControlWidget* boolean1_;
    qt::ControlWidget* boolean2_;
    QPushButton* commandStart_;
};

}  // namespace brennix::demos
