// Fennick, Garrow and Hollin with their instruments, over the Olmi driver
// loaded by name and the simulated board at 0x220.

#include <gtest/gtest.h>

#include <QTest>

#include "demos/fennick/fennick_form.h"
#include "demos/garrow/garrow_form.h"
#include "demos/hollin/hollin_form.h"
#include "platform/com/message_box.h"
#include "simulator/simulator.h"
#include "tests/demos/knob_drag.h"
#include "tests/demos/recording_olmi.h"

namespace brennix::demos {
namespace {

using Calls = std::vector<std::string>;

sim::SimulatorConfig withInputs(double channel0, double channel1) {
    sim::SimulatorConfig config = sim::defaultConfig();
    for (auto& board : config.boards) {
        if (board.type == sim::BoardType::Olmi && board.base == kOlmiBase) {
            board.channels[0] = {sim::Waveform::Constant, 0.0, channel0};
            board.channels[1] = {sim::Waveform::Constant, 0.0, channel1};
        }
    }
    return config;
}

class OlmiBoardTest : public ::testing::Test {
  protected:
    // The name of a control the form could not create, or nothing.
    static std::string missing(DemoForm& form, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (form.control(name)->control() == nullptr) {
                return name;
            }
        }
        return {};
    }
    sim::AnalogBoard& board() { return *simulated.simulator().analogBoardAt(kOlmiBase); }

    sim::ScopedSimulator simulated{withInputs(2.5, -1.25)};
    OlmiLibrary library;
    testing::RecordingOlmi olmi{&library};
    com::MessageRecorder messages;
};

// The centre of button i of a row of eight Boolean buttons 4 pixels apart,
// button 0 on the right, below the caption line.
QPoint booleanButtonCentre(const QWidget& group, int i) {
    const int cw = (group.width() - 7 * 4) / 8;
    const int left = group.width() - cw - i * (cw + 4);
    return {left + cw / 2, group.height() - 12};
}

TEST_F(OlmiBoardTest, FennickWritesAClickedOutputAndShowsTheInputUntilStopped) {
    FennickForm form(olmi);
    if (const std::string name = missing(form, {"Boolean1", "Boolean2"}); !name.empty()) {
        GTEST_SKIP() << name << " has no control in this build";
    }
    ASSERT_TRUE(form.load());
    qt::ControlWidget* outputs = form.control("Boolean1");
    (void)outputs->renderFrame();  // laid out at its size, as when shown
    olmi.calls.clear();
    QTest::mouseClick(outputs, Qt::LeftButton, {}, booleanButtonCentre(*outputs, 3));
    EXPECT_EQ(form.control("Boolean1")->controlProperty("Value").toInt(), 8);
    EXPECT_EQ(olmi.calls, (Calls{"DO(0, 8)"}));

    form.button("CommandStart")->click();
    EXPECT_EQ(form.control("Boolean2")->controlProperty("Value").toInt(), 0);
    form.timer1Tick();
    EXPECT_EQ(form.control("Boolean2")->controlProperty("Value").toInt(), 8);

    form.button("CommandStart")->click();
    EXPECT_EQ(form.control("Boolean2")->controlProperty("Value").toInt(), 0);
    EXPECT_EQ(form.button("CommandStart")->text(), "Start");
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(OlmiBoardTest, GarrowShowsTheSimulatedVoltagesOfChannels0And1) {
    GarrowForm form(olmi);
    if (const std::string name = missing(form, {"E7Segment1", "E7Segment2"}); !name.empty()) {
        GTEST_SKIP() << name << " has no control in this build";
    }
    ASSERT_TRUE(form.load());
    form.button("CommandStart")->click();
    constexpr double kCode = 10.0 / 4095;  // one step of the converter
    auto expectShown = [&](double v0, double v1) {
        EXPECT_NEAR(form.control("E7Segment1")->controlProperty("Value").toDouble(), v0, kCode);
        EXPECT_NEAR(form.control("E7Segment2")->controlProperty("Value").toDouble(), v1, kCode);
        // The scale instruments, where this build has them.
        for (const char* name : {"Knob1", "Slide1"}) {
            if (form.control(name)->control() != nullptr) {
                EXPECT_NEAR(form.control(name)->controlProperty("Pointer1Value").toDouble(), v0,
                            kCode)
                    << name;
                EXPECT_NEAR(form.control(name)->controlProperty("Pointer2Value").toDouble(), v1,
                            kCode)
                    << name;
            }
        }
    };
    form.timer1Tick();
    expectShown(2.5, -1.25);

    board().setSignal(0, {sim::Waveform::Constant, 0.0, -4.0});
    board().setSignal(1, {sim::Waveform::Constant, 0.0, 3.5});
    form.timer1Tick();
    expectShown(-4.0, 3.5);
    EXPECT_TRUE(messages.texts().empty());
}

}  // namespace
}  // namespace brennix::demos

namespace brennix::demos {
namespace {

TEST_F(OlmiBoardTest, DraggingHollinsKnobWritesTheCodesAndAStillMoveWritesNothing) {
    HollinForm form(olmi);
    if (const std::string name = missing(form, {"Knob1", "Slide1", "Slide2"}); !name.empty()) {
        GTEST_SKIP() << name << " has no control in this build";
    }
    ASSERT_TRUE(form.load());
    testing::KnobDrag knob(*form.control("Knob1"));
    ASSERT_TRUE(knob.ready());
    olmi.calls.clear();

    // Both needles rest at 0 V; the first grabbed is pointer 1. The top of
    // the 0..5 V dial is 2.5 V.
    knob.drag(240, 90);
    EXPECT_NEAR(form.lastVolts(0), 2.5, 1e-3);
    const std::int32_t code0 = codeOfVolts(form.lastVolts(0));
    EXPECT_NEAR(code0, 2048, 1);
    EXPECT_EQ(olmi.calls, (Calls{"DA(0, " + std::to_string(code0) + ")"}));
    EXPECT_EQ(board().analogOutput(0), code0);
    EXPECT_EQ(form.control("Slide1")->controlProperty("Pointer1Value").toDouble(),
              form.lastVolts(0));

    olmi.calls.clear();
    knob.move(45, false);  // over the dial, nothing held: no value changes
    knob.move(300, false);
    EXPECT_TRUE(olmi.calls.empty());

    // Pointer 2 is the one left at 0 V; three o'clock is 4 V.
    knob.drag(240, 0);
    EXPECT_NEAR(form.lastVolts(1), 4.0, 1e-3);
    const std::int32_t code1 = codeOfVolts(form.lastVolts(1));
    EXPECT_NEAR(code1, 3276, 1);
    EXPECT_EQ(olmi.calls, (Calls{"DA(1, " + std::to_string(code1) + ")"}));
    EXPECT_EQ(board().analogOutput(1), code1);
    EXPECT_EQ(form.control("Slide2")->controlProperty("Pointer1Value").toDouble(),
              form.lastVolts(1));
    EXPECT_EQ(board().analogOutput(0), code0);
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(OlmiBoardTest, AHollinSlideMovesItsKnobNeedleAndItsChannel) {
    HollinForm form(olmi);
    if (const std::string name = missing(form, {"Knob1", "Slide2"}); !name.empty()) {
        GTEST_SKIP() << name << " has no control in this build";
    }
    ASSERT_TRUE(form.load());
    olmi.calls.clear();
    qt::ControlWidget* slide = form.control("Slide2");
    ASSERT_TRUE(slide->setControlProperty("Pointer1Value", 1.0));
    form.slide2MouseMove();
    EXPECT_EQ(olmi.calls, (Calls{"DA(1, 819)"}));
    EXPECT_EQ(form.control("Knob1")->controlProperty("Pointer2Value").toDouble(), 1.0);
    form.slide2MouseMove();
    EXPECT_EQ(olmi.calls, (Calls{"DA(1, 819)"}));
}

}  // namespace
}  // namespace brennix::demos
