#include "demos/hollin/hollin_form.h"

#include <algorithm>
#include <cmath>

#include "demos/common/olmi_messages.h"
#include "platform/com/message_box.h"

namespace brennix::demos {

std::int32_t codeOfVolts(double volts) {
    const double code = volts / 5.0 * 4095.0;
    if (std::isnan(code)) {
        return 0;
    }
    // Kept in 32 bits; the driver refuses codes its converter cannot take.
    return static_cast<std::int32_t>(std::nearbyint(std::clamp(code, -2147483648.0, 2147483647.0)));
}

HollinForm::HollinForm(OlmiDriver& olmi)
    : DemoForm(QStringLiteral(":/demos/hollin.ui")),
      olmi_(olmi),
      knob1_(control(QStringLiteral("Knob1"))),
      slide1_(control(QStringLiteral("Slide1"))),
      slide2_(control(QStringLiteral("Slide2"))) {
    connect(knob1_, &qt::ControlWidget::MouseMove, this, &HollinForm::knob1MouseMove);
    connect(slide1_, &qt::ControlWidget::MouseMove, this, &HollinForm::slide1MouseMove);
    connect(slide2_, &qt::ControlWidget::MouseMove, this, &HollinForm::slide2MouseMove);
}

bool HollinForm::load() {
    if (olmi_.Initial(kOlmiCard, kOlmiBase) != 0) {
        com::showMessage(kOlmiInitializationError, "Hollin");
        unloadForm();
        return false;
    }
    return true;
}

void HollinForm::follow(int channel, double value, qt::ControlWidget* other,
                        const QString& otherPointer) {
    Sent& sent = m_sent[static_cast<std::size_t>(channel)];
    if (value == sent.volts) {
        return;
    }
    sent.volts = value;
    (void)other->setControlProperty(otherPointer, value);
    sent.code = codeOfVolts(value);
    (void)olmi_.DA(channel, sent.code);
}

void HollinForm::knob1MouseMove() {
    follow(0, knob1_->controlProperty(QStringLiteral("Pointer1Value")).toDouble(), slide1_,
           QStringLiteral("Pointer1Value"));
    follow(1, knob1_->controlProperty(QStringLiteral("Pointer2Value")).toDouble(), slide2_,
           QStringLiteral("Pointer1Value"));
}

void HollinForm::slide1MouseMove() {
    follow(0, slide1_->controlProperty(QStringLiteral("Pointer1Value")).toDouble(), knob1_,
           QStringLiteral("Pointer1Value"));
}

void HollinForm::slide2MouseMove() {
    follow(1, slide2_->controlProperty(QStringLiteral("Pointer1Value")).toDouble(), knob1_,
           QStringLiteral("Pointer2Value"));
}

}  // namespace brennix::demos
