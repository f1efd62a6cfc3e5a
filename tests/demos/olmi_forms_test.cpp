// The three programs that call the Olmi driver, with a recording driver in
// its place: what they call, in which order, and what they show.

#include <gtest/gtest.h>

#include <QGroupBox>
#include <memory>

#include "demos/common/olmi_messages.h"
#include "demos/fennick/fennick_form.h"
#include "demos/garrow/garrow_form.h"
#include "demos/hollin/hollin_form.h"
#include "platform/com/message_box.h"
#include "tests/demos/recording_olmi.h"

namespace brennix::demos {
namespace {

using Calls = std::vector<std::string>;

class OlmiFormTest : public ::testing::Test {
  protected:
    testing::RecordingOlmi olmi;
    com::MessageRecorder messages;
};

TEST_F(OlmiFormTest, ABoardThatFailsToInitialiseClosesEachProgramAfterOneMessage) {
    olmi.initialResult = 4;
    std::vector<std::unique_ptr<DemoForm>> forms;
    forms.push_back(std::make_unique<FennickForm>(olmi));
    forms.push_back(std::make_unique<GarrowForm>(olmi));
    forms.push_back(std::make_unique<HollinForm>(olmi));
    for (auto& form : forms) {
        olmi.calls.clear();
        messages.clear();
        EXPECT_FALSE(form->load());
        EXPECT_TRUE(form->unloaded());
        EXPECT_EQ(messages.texts(), (Calls{kOlmiInitializationError}));
        EXPECT_EQ(olmi.calls, (Calls{"Initial(0, 544)"}));
    }
}

TEST_F(OlmiFormTest, GarrowSetsGainAndModeAtLoadAndScansBothChannelsOnEachTick) {
    GarrowForm form(olmi);
    ASSERT_TRUE(form.load());
    EXPECT_EQ(olmi.calls, (Calls{"Initial(0, 544)", "AD_Set_Gain(0)", "AD_Set_Mode(0)"}));
    EXPECT_FALSE(form.timer1().isActive());
    form.button("CommandStart")->click();
    EXPECT_TRUE(form.timer1().isActive());
    EXPECT_EQ(form.button("CommandStart")->text(), "Stop");

    olmi.calls.clear();
    olmi.conversions = {{0, 0}, {0, 4095}};
    form.timer1Tick();
    EXPECT_EQ(olmi.calls, (Calls{"CLR_IRQ", "AD_Set_Channel(0)", "AD_Aquire", "AD_Set_Channel(1)",
                                 "AD_Aquire"}));
    EXPECT_TRUE(messages.texts().empty());

    form.button("CommandStart")->click();
    EXPECT_FALSE(form.timer1().isActive());
    EXPECT_EQ(form.button("CommandStart")->text(), "Start");
}

TEST_F(OlmiFormTest, AGarrowConversionThatFailsStopsTheScanWithTheInstallMessage) {
    GarrowForm form(olmi);
    ASSERT_TRUE(form.load());
    form.button("CommandStart")->click();
    olmi.calls.clear();
    olmi.conversions = {{1, 0}};
    form.timer1Tick();
    EXPECT_EQ(olmi.calls, (Calls{"CLR_IRQ", "AD_Set_Channel(0)", "AD_Aquire"}));
    ASSERT_EQ(messages.texts().size(), 1U);
    EXPECT_TRUE(messages.texts()[0].starts_with("请安装Brax-Olmi "));
    EXPECT_FALSE(form.timer1().isActive());
    EXPECT_EQ(form.button("CommandStart")->text(), "Start");
}

TEST(GarrowVolts, CodesSpanMinus5To5VoltsInSinglePrecision) {
    EXPECT_EQ(voltsOfCode(0), -5.0F);
    EXPECT_EQ(voltsOfCode(4095), 5.0F);
    EXPECT_EQ(voltsOfCode(2048), 2048.0F * 10.0F / 4095.0F - 5.0F);
    EXPECT_NEAR(voltsOfCode(2048), 0.00122, 1e-5);
}

TEST(HollinCodes, VoltsBecomeRoundedTwelveBitCodes) {
    EXPECT_EQ(codeOfVolts(0.0), 0);
    EXPECT_EQ(codeOfVolts(5.0), 4095);
    EXPECT_EQ(codeOfVolts(1.0), 819);
    EXPECT_EQ(codeOfVolts(2.5), 2048);  // 2047.5, to even
    EXPECT_EQ(codeOfVolts(1.2345), 1011);
}

TEST_F(OlmiFormTest, FennickStartsAndStopsItsScanWithTheButton) {
    FennickForm form(olmi);
    ASSERT_TRUE(form.load());
    EXPECT_EQ(olmi.calls, (Calls{"Initial(0, 544)"}));
    QPushButton* start = form.button("CommandStart");
    EXPECT_EQ(start->text(), "Start");
    start->click();
    EXPECT_TRUE(form.timer1().isActive());
    EXPECT_EQ(start->text(), "Stop");
    olmi.calls.clear();
    form.timer1Tick();
    EXPECT_EQ(olmi.calls, (Calls{"DI(0)"}));
    start->click();
    EXPECT_FALSE(form.timer1().isActive());
    EXPECT_EQ(start->text(), "Start");
}

TEST_F(OlmiFormTest, TheFormsCarryTheirCaptionsAndLabels) {
    FennickForm fennick(olmi);
    EXPECT_EQ(fennick.window().windowTitle(), "Fennick");
    EXPECT_EQ(fennick.label("Label1")->text(),
              "This demo is based on PLC-Olmi multiple function card");
    QStringList frames;
    for (auto* box : fennick.window().findChildren<QGroupBox*>()) {
        frames.append(box->title());
    }
    frames.sort();
    EXPECT_EQ(frames, (QStringList{"Digital Input", "Digital Output"}));

    GarrowForm garrow(olmi);
    EXPECT_EQ(garrow.window().windowTitle(), "Garrow");
    EXPECT_EQ(garrow.label("Label1")->text(), "Channel One:");
    EXPECT_EQ(garrow.label("Label2")->text(), "Channel Two:");
    EXPECT_EQ(garrow.button("CommandStart")->text(), "Start");

    HollinForm hollin(olmi);
    EXPECT_EQ(hollin.window().windowTitle(), "Hollin");
    EXPECT_TRUE(hollin.problems().filter("the form has no").isEmpty());
}

}  // namespace
}  // namespace brennix::demos
