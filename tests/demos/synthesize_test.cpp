#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "chart/control/chart_ctrl.h"
#include "demos/synthesize/synthesize_form.h"
#include "tests/demos/knob_drag.h"

namespace brennix::demos {
namespace {

TEST(SynthesizeTemperature, EverySecondOfTheMinuteGivesATemperatureWithin30To80) {
    std::set<double> seen;
    for (int second = 0; second < 60; ++second) {
        const double t = temperatureOfSecond(second);
        EXPECT_GE(t, 30.0) << second;
        EXPECT_LE(t, 80.0) << second;
        seen.insert(t);
    }
    // Values above 80 are clamped, the others spread over the range.
    EXPECT_TRUE(seen.contains(80.0));
    EXPECT_GT(seen.size(), 10U);
    EXPECT_LT(*seen.begin(), 55.0);
}

TEST(SynthesizeTemperature, TheSameSecondGivesTheSameTemperature) {
    for (int second : {0, 17, 59}) {
        EXPECT_EQ(temperatureOfSecond(second), temperatureOfSecond(second));
    }
}

class SynthesizeFormTest : public ::testing::Test {
  protected:
    // Each tick reads the next second of the minute.
    SynthesizeForm form{[this] { return second_++ % 60; }};

    chart::CChartCtrl* chart() {
        return dynamic_cast<chart::CChartCtrl*>(form.control("Chart1")->control());
    }

  private:
    int second_ = 0;
};

TEST_F(SynthesizeFormTest, TheFormHasTheMimicTheChartAndTheLabels) {
    EXPECT_EQ(form.window().windowTitle(), "No.1 synthesize workshop");
    EXPECT_EQ(form.label("LabelRpm")->text(), "0 Rpm");
    EXPECT_EQ(form.label("Label12")->text(), "No.1 synthesize workshop");
    EXPECT_EQ(form.label("Label11")->text(), "go to no.2 synthesize workshop");
    EXPECT_EQ(form.control("Chart1")->controlProperty("Caption").toString(), "temperature");
    for (int i = 1; i <= 20; ++i) {
        ASSERT_NE(form.control(QStringLiteral("Pipe%1").arg(i))->control(), nullptr) << i;
    }
    for (const char* name : {"Motor1", "Motor2", "Motor3", "Pump1", "Pump2", "Pump3", "Tank2"}) {
        EXPECT_NE(form.control(name)->control(), nullptr) << name;
    }
    for (int i = 1; i <= 7; ++i) {
        EXPECT_NE(form.control(QStringLiteral("Value%1").arg(i))->control(), nullptr) << i;
    }
    QStringList texts;
    for (auto* label : form.window().findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    for (const char* text : {"0 m3/s", "100%", "1.2Mpa", "from A2", "from B1"}) {
        EXPECT_TRUE(texts.contains(text)) << text;
    }
}

TEST_F(SynthesizeFormTest, LoadStartsAt50DegreesWithTheChartReadyAndTheTimerRunning) {
    ASSERT_TRUE(form.load());
    EXPECT_EQ(form.temperature(), 50.0);
    ASSERT_NE(chart(), nullptr);
    EXPECT_TRUE(chart()->history().ringsReady());
    EXPECT_TRUE(form.timer1().isActive());
    form.unload();
    EXPECT_FALSE(form.timer1().isActive());
    EXPECT_FALSE(chart()->history().ringsReady());
}

TEST_F(SynthesizeFormTest, EveryTickPlotsTheTemperatureItShowsAndDrawsANewOneWithin30To80) {
    ASSERT_TRUE(form.load());
    std::vector<double> shown;
    for (int i = 0; i < 200; ++i) {
        shown.push_back(form.temperature());
        form.timer1Tick();
        ASSERT_GE(form.temperature(), 30.0);
        ASSERT_LE(form.temperature(), 80.0);
        const QVariant display = form.control("E7Segment1")->controlProperty("Value");
        if (display.isValid()) {
            ASSERT_EQ(display.toDouble(), shown.back()) << i;
        }
    }
    EXPECT_EQ(shown.front(), 50.0);
    const auto& history = chart()->history();
    ASSERT_EQ(history.writeIndex(), 200);
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(history.sampleAt(0, i), shown[static_cast<std::size_t>(i)]) << i;
    }
    form.unload();
}

TEST_F(SynthesizeFormTest, DraggingTheSpeedKnobShowsItsValueInRpm) {
    ASSERT_TRUE(form.load());
    testing::KnobDrag knob(*form.control("Knob1"));
    ASSERT_TRUE(knob.ready());
    knob.press(240);
    knob.move(90);  // the top of the 0..1500 dial
    EXPECT_EQ(form.label("LabelRpm")->text(), "750Rpm");
    knob.move(0);  // three o'clock: 1200
    EXPECT_EQ(form.label("LabelRpm")->text(), "1200Rpm");
    knob.release(0);
    form.unload();
}

}  // namespace
}  // namespace brennix::demos
