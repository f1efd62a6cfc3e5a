#include "demos/synthesize/synthesize_form.h"

#include <QVariantList>
#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <random>

namespace brennix::demos {
namespace {

// Design-time data of the form.
constexpr int kTimer1IntervalMs = 500;
constexpr double kInitialTemperature = 50.0;

std::int16_t toInt16(double value) {
    // Rounded to the nearest, halves to even, and kept in range.
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<std::int16_t>(std::nearbyint(std::clamp(value, lo, hi)));
}

}  // namespace

double temperatureOfSecond(int second) {
    std::mt19937 generator(static_cast<std::mt19937::result_type>(second));
    const double r = std::generate_canonical<double, 32>(generator);
    return std::clamp(r * 80.0 + 30.0, 30.0, 80.0);
}

int currentSecond() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    (void)localtime_r(&now, &local);
    return local.tm_sec;
}

SynthesizeForm::SynthesizeForm(SecondSource second)
    : DemoForm(QStringLiteral(":/demos/synthesize.ui")),
      second_(std::move(second)),
      chart1_(control(QStringLiteral("Chart1"))),
      knob1_(control(QStringLiteral("Knob1"))),
      e7Segment1_(control(QStringLiteral("E7Segment1"))),
      labelRpm_(label(QStringLiteral("LabelRpm"))) {
    timer1_.setInterval(kTimer1IntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &SynthesizeForm::timer1Tick);
    connect(knob1_, &qt::ControlWidget::MouseMove, this, &SynthesizeForm::knob1MouseMove);
}

bool SynthesizeForm::load() {
    (void)chart1_->callMethod(QStringLiteral("InitControl"));
    m_temperature[0] = kInitialTemperature;
    timer1_.start();
    return true;
}

void SynthesizeForm::unload() {
    timer1_.stop();
    (void)chart1_->callMethod(QStringLiteral("ReleaseControl"));
}

void SynthesizeForm::timer1Tick() {
    (void)chart1_->callMethod(QStringLiteral("PlotCharts"),
                              {QVariant(QVariantList{m_temperature[0]})});
    (void)e7Segment1_->setControlProperty(QStringLiteral("Value"), m_temperature[0]);
    m_temperature[0] = temperatureOfSecond(second_());
}

void SynthesizeForm::knob1MouseMove() {
    const double value = knob1_->controlProperty(QStringLiteral("Value")).toDouble();
    labelRpm_->setText(QString::number(toInt16(value)) + QStringLiteral("Rpm"));
}

}  // namespace brennix::demos
