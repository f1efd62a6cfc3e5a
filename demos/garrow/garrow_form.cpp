#include "demos/garrow/garrow_form.h"

#include "demos/common/olmi_messages.h"
#include "platform/com/message_box.h"

namespace brennix::demos {
namespace {

constexpr int kTimer1IntervalMs = 100;

}  // namespace

float voltsOfCode(std::int32_t raw) {
    return static_cast<float>(raw) * 10.0F / 4095.0F - 5.0F;
}

GarrowForm::GarrowForm(OlmiDriver& olmi)
    : DemoForm(QStringLiteral(":/demos/garrow.ui")),
      olmi_(olmi),
      knob1_(control(QStringLiteral("Knob1"))),
      slide1_(control(QStringLiteral("Slide1"))),
      e7Segment1_(control(QStringLiteral("E7Segment1"))),
      e7Segment2_(control(QStringLiteral("E7Segment2"))),
      commandStart_(button(QStringLiteral("CommandStart"))) {
    timer1_.setInterval(kTimer1IntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &GarrowForm::timer1Tick);
    connect(commandStart_, &QPushButton::clicked, this, &GarrowForm::commandStartClick);
}

bool GarrowForm::load() {
    if (olmi_.Initial(kOlmiCard, kOlmiBase) != 0) {
        com::showMessage(kOlmiInitializationError, "Garrow");
        unloadForm();
        return false;
    }
    (void)olmi_.AD_Set_Gain(0);
    (void)olmi_.AD_Set_Mode(0);
    m_startChannel = 0;
    m_stopChannel = 1;
    return true;
}

void GarrowForm::commandStartClick() {
    if (timer1_.isActive()) {
        timer1_.stop();
        commandStart_->setText(QStringLiteral("Start"));
    } else {
        timer1_.start();
        commandStart_->setText(QStringLiteral("Stop"));
    }
}

void GarrowForm::timer1Tick() {
    (void)olmi_.CLR_IRQ();
    for (std::int32_t channel = m_startChannel; channel <= m_stopChannel; ++channel) {
        (void)olmi_.AD_Set_Channel(channel);
        std::int32_t raw = 0;
        if (olmi_.AD_Aquire(&raw) != 0) {
            com::showMessage(kOlmiInstallMessage, "Garrow");
            timer1_.stop();
            commandStart_->setText(QStringLiteral("Start"));
            return;
        }
        show(channel, voltsOfCode(raw));
    }
}

void GarrowForm::show(std::int32_t channel, float volts) {
    const double value = volts;
    if (channel == 0) {
        (void)knob1_->setControlProperty(QStringLiteral("Pointer1Value"), value);
        (void)slide1_->setControlProperty(QStringLiteral("Pointer1Value"), value);
        (void)e7Segment1_->setControlProperty(QStringLiteral("Value"), value);
    } else if (channel == 1) {
        (void)knob1_->setControlProperty(QStringLiteral("Pointer2Value"), value);
        (void)slide1_->setControlProperty(QStringLiteral("Pointer2Value"), value);
        (void)e7Segment2_->setControlProperty(QStringLiteral("Value"), value);
    }
}

}  // namespace brennix::demos
