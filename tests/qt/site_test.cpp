// What the widget provides as the control's site: timers, messages, user
// mode and extents.
#include <gmock/gmock.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/com/extent.h"
#include "qt/message_boxes.h"
#include "tests/qt/hosting_fixture.h"

namespace brennix::qt::testing {
namespace {

using ::testing::ElementsAre;

using SiteTimers = HostingTest;

TEST_F(SiteTimers, AWindowTimerTicksAsAQtTimerUntilKilled) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    auto& sample = static_cast<com::testing::CSampleCtrl&>(*widget.control());
    ASSERT_TRUE(widget.setControlProperty("Interval", 2));
    ASSERT_TRUE(widget.callMethod("StartTimer").toBool());
    EXPECT_TRUE(widget.timerArmed(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return sample.ticks() >= 3; }, 5000));
    ASSERT_TRUE(widget.callMethod("StopTimer").toBool());
    EXPECT_FALSE(widget.timerArmed(1));
}

TEST_F(SiteTimers, TimersEndWhenTheControlLeavesTheWidget) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    ASSERT_TRUE(widget.callMethod("StartTimer").toBool());
    ASSERT_TRUE(widget.timerArmed(1));
    ASSERT_TRUE(widget.setControlId(kChartProgId));
    EXPECT_FALSE(widget.timerArmed(1));
}

class SiteMessages : public HostingTest {
  protected:
    struct Shown {
        std::string text;
        std::string title;
        QWidget* parent = nullptr;
    };

    // Reads and closes the next message box once it is up.
    void closeNextBox() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown.push_back(
                {box->text().toStdString(), box->windowTitle().toStdString(), box->parentWidget()});
            box->accept();
        });
    }

    std::vector<Shown> shown;
};

TEST_F(SiteMessages, AControlsMessageIsAModalQtMessageBoxOverItsWindow) {
    useQtMessageBoxes();
    QWidget form;
    auto* widget = new ControlWidget(kSampleProgId, &form);
    ASSERT_NE(widget->control(), nullptr);
    form.show();
    closeNextBox();
    EXPECT_FALSE(widget->setControlProperty("SampleRate", 10.0) &&
                 widget->controlProperty("SampleRate").toDouble() == 10.0);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, "SampleRate must larger than 1000");
    EXPECT_EQ(shown[0].title, "brennix-tests");
    EXPECT_EQ(shown[0].parent, &form);
    closeNextBox();
    ASSERT_TRUE(widget->callMethod("AboutBox").toBool());
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[1].text, "SAMPLE Control, Version 1.0");
    EXPECT_EQ(shown[1].title, "About SAMPLE Control");
}

TEST_F(SiteMessages, ARecorderInstalledAfterTheQtBoxesTakesTheMessages) {
    useQtMessageBoxes();
    com::MessageRecorder recorder;
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.setProperty("PlotNum", 0);
    EXPECT_THAT(recorder.texts(), ElementsAre("PlotNum must between 1 to 8"));
    EXPECT_EQ(recorder.messages()[0].owner, com::MessageOwner::Control);
}

using SiteSurface = HostingTest;

TEST_F(SiteSurface, DrawingOutsideAPaintShowsAtOnceWithoutARepaintOfTheControl) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(100, 50);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    auto& sample = static_cast<com::testing::CSampleCtrl&>(*widget.control());
    sample.markCorner();
    QCoreApplication::processEvents();
    // The sample paints nothing itself: the mark stands on the background.
    QImage shown(widget.size(), QImage::Format_RGB32);
    widget.render(&shown);
    EXPECT_EQ(shown.pixelColor(99, 49), QColor(255, 0, 0));
    EXPECT_NE(shown.pixelColor(98, 49), QColor(255, 0, 0));
    // A repaint the control asks for draws it afresh.
    widget.control()->invalidate();
    widget.render(&shown);
    EXPECT_NE(shown.pixelColor(99, 49), QColor(255, 0, 0));
}

using SiteAmbient = HostingTest;

TEST_F(SiteAmbient, TheUserModeReachesTheControl) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    EXPECT_TRUE(widget.control()->ambientUserMode());
    widget.setUserMode(false);
    EXPECT_FALSE(widget.control()->ambientUserMode());
}

TEST_F(SiteAmbient, AHardwareControlIsHiddenWhenTheFormRuns) {
    QWidget form;
    auto* widget = new ControlWidget(QStringLiteral("PELLAM.PellamCtrl.1"), &form);
    ASSERT_NE(widget->control(), nullptr) << widget->lastError().toStdString();
    EXPECT_TRUE(widget->invisibleAtRunTime());
    form.show();
    EXPECT_FALSE(widget->isVisible());
    // The chart is no hardware control.
    auto* chart = new ControlWidget(kChartProgId, &form);
    chart->show();
    EXPECT_FALSE(chart->invisibleAtRunTime());
    EXPECT_TRUE(chart->isVisible());
}

using SiteExtent = HostingTest;

TEST_F(SiteExtent, AControlThatKeepsItsAspectHasTheLastWordOnTheSize) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.show();
    widget.resize(200, 300);
    QCoreApplication::processEvents();
    // The sample keeps its height at half its width.
    EXPECT_EQ(widget.size(), QSize(200, 100));
    EXPECT_EQ(widget.control()->extent(), com::pixelsToHiMetric({200, 100}, 96));
    EXPECT_EQ(widget.sizeHint(), QSize(200, 100));
}

TEST_F(SiteExtent, AHiddenWidgetsSizeReachesTheControlBeforeItPaints) {
    ControlWidget widget(kChartProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.resize(321, 123);
    EXPECT_EQ(widget.renderFrame().size(), QSize(321, 123));
    EXPECT_EQ(widget.control()->extentPixels(), (gfx::Size{321, 123}));
}

TEST_F(SiteExtent, AControlsOwnRequestResizesTheWidget) {
    ControlWidget widget(kSampleProgId);
    ASSERT_NE(widget.control(), nullptr);
    widget.show();
    EXPECT_TRUE(widget.control()->requestExtent(com::pixelsToHiMetric({120, 90}, 96)));
    EXPECT_EQ(widget.size(), QSize(120, 60));
}

}  // namespace
}  // namespace brennix::qt::testing
