#include "demos/fennick/fennick_form.h"

#include "demos/common/olmi_messages.h"
#include "platform/com/message_box.h"

namespace brennix::demos {
namespace {

constexpr int kTimer1IntervalMs = 100;

}  // namespace

FennickForm::FennickForm(OlmiDriver& olmi)
    : DemoForm(QStringLiteral(":/demos/fennick.ui")),
      olmi_(olmi),
      boolean1_(control(QStringLiteral("Boolean1"))),
      boolean2_(control(QStringLiteral("Boolean2"))),
      commandStart_(button(QStringLiteral("CommandStart"))) {
    timer1_.setInterval(kTimer1IntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &FennickForm::timer1Tick);
    connect(boolean1_, &qt::ControlWidget::Click, this, &FennickForm::boolean1Click);
    connect(commandStart_, &QPushButton::clicked, this, &FennickForm::commandStartClick);
}

bool FennickForm::load() {
    if (olmi_.Initial(kOlmiCard, kOlmiBase) != 0) {
        com::showMessage(kOlmiInitializationError, "Fennick");
        unloadForm();
        return false;
    }
    return true;
}

void FennickForm::boolean1Click() {
    const qint64 value = boolean1_->controlProperty(QStringLiteral("Value")).toLongLong();
    (void)olmi_.DO(0, static_cast<std::int32_t>(value & 0xFF));
}

void FennickForm::commandStartClick() {
    if (timer1_.isActive()) {
        timer1_.stop();
        commandStart_->setText(QStringLiteral("Start"));
        (void)boolean2_->setControlProperty(QStringLiteral("Value"), 0);
    } else {
        timer1_.start();
        commandStart_->setText(QStringLiteral("Stop"));
    }
}

void FennickForm::timer1Tick() {
    std::uint8_t port = 0;
    (void)olmi_.DI(0, &port);
    if (boolean2_->controlProperty(QStringLiteral("Value")).toLongLong() != port) {
        (void)boolean2_->setControlProperty(QStringLiteral("Value"), port);
    }
}

}  // namespace brennix::demos
