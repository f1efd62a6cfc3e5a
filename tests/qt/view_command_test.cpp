#include <gmock/gmock.h>

#include <QTemporaryDir>

#include "qt/paint_messages.h"
#include "tests/qt/hosting_fixture.h"
#include "tools/brennix-view/view_command.h"

namespace brennix::tools {
namespace {

using ::testing::HasSubstr;

ViewOptions parse(const QStringList& args) {
    auto parsed = parseViewOptions(args);
    EXPECT_TRUE(parsed.options) << parsed.error.toStdString();
    return parsed.options.value_or(ViewOptions{});
}

std::string errorOf(const QStringList& args) {
    auto parsed = parseViewOptions(args);
    EXPECT_FALSE(parsed.options);
    return parsed.error.toStdString();
}

TEST(ViewCommandLine, AControlWithAssignmentsCallsAndASnapshot) {
    const ViewOptions o = parse({"--snapshot", "out.png", "--size", "640x480", "--call",
                                 "InitControl", "TRENDWICKLib.Chart", "PlotNum=2", "Title=a=b"});
    EXPECT_EQ(o.controlId, QStringLiteral("TRENDWICKLib.Chart"));
    ASSERT_EQ(o.assignments.size(), 2U);
    EXPECT_EQ(o.assignments[1].first, QStringLiteral("Title"));
    EXPECT_EQ(o.assignments[1].second, QStringLiteral("a=b"));
    EXPECT_EQ(o.calls, QStringList{"InitControl"});
    EXPECT_EQ(o.snapshot, QStringLiteral("out.png"));
    EXPECT_EQ(o.size, QSize(640, 480));
    EXPECT_EQ(parse({"form.ui"}).form, QStringLiteral("form.ui"));
}

TEST(ViewCommandLine, ValuesMayFollowAnEqualsSignAndVersionNeedsNothingElse) {
    const ViewOptions o = parse({"--size=320x200", "--snapshot=a.png", "X.Y.1", "Caption=-5"});
    EXPECT_EQ(o.size, QSize(320, 200));
    EXPECT_EQ(o.snapshot, QStringLiteral("a.png"));
    ASSERT_EQ(o.assignments.size(), 1U);
    EXPECT_EQ(o.assignments[0].second, QStringLiteral("-5"));
    EXPECT_TRUE(parse({"--version"}).version);
    EXPECT_TRUE(parse({"-h"}).help);
    EXPECT_THAT(errorOf({"--design=1", "X.Y.1"}), HasSubstr("--design takes no value"));
}

TEST(ViewCommandLine, MistakesAreNamed) {
    EXPECT_THAT(errorOf({}), HasSubstr("name a form file or a control"));
    EXPECT_THAT(errorOf({"--snapshot"}), HasSubstr("--snapshot"));
    EXPECT_THAT(errorOf({"--size", "0x5", "X.Y.1"}), HasSubstr("--size"));
    EXPECT_THAT(errorOf({"--size", "99999999999x5", "X.Y.1"}), HasSubstr("--size"));
    EXPECT_THAT(errorOf({"--frobnicate", "X.Y.1"}), HasSubstr("--frobnicate"));
    EXPECT_THAT(errorOf({"form.ui", "PlotNum=2"}), HasSubstr("a form takes no assignments"));
    EXPECT_THAT(errorOf({"X.Y.1", "=2"}), HasSubstr("names no property"));
    EXPECT_THAT(errorOf({"--call", "InitControl", "form.ui"}), HasSubstr("single control"));
}

class ViewWindow : public qt::testing::HostingTest {
  protected:
    QString error_;
};

TEST_F(ViewWindow, ASnapshotOfAControlIsWrittenWithItsPropertiesSet) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.png"));
    ViewOptions o = parse({"--size", "300x200", "--call", "InitControl", qt::testing::kChartProgId,
                           "PlotAreaColor=#004000", "PlotNum=2"});
    QString error;
    auto window = buildViewWindow(o, error);
    ASSERT_NE(window, nullptr) << error.toStdString();
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_TRUE(saveSnapshot(*window, file, error)) << error.toStdString();
    const QImage image(file);
    EXPECT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(image.pixelColor(150, 100), QColor(0, 64, 0));
}

TEST_F(ViewWindow, ASnapshotKeepsTheMessageAControlRaisedWhilePainting) {
    QTemporaryDir dir;
    auto window = buildViewWindow(parse({"PLANTWERK.PumpCtrl.1", "PumpStyle=10"}), error_);
    ASSERT_NE(window, nullptr) << error_.toStdString();
    ASSERT_TRUE(saveSnapshot(*window, dir.filePath(QStringLiteral("pump.png")), error_));
    EXPECT_THAT(messages.texts(), ::testing::Contains("Invalid pipe type."));
    EXPECT_EQ(qt::paintMessagesOutstanding(), 0U);
}

TEST_F(ViewWindow, AFailedAssignmentIsReportedAndTheRestStillApplies) {
    ViewOptions o = parse({qt::testing::kChartProgId, "Bogus=1", "PlotNum=3"});
    QString error;
    auto window = buildViewWindow(o, error);
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(error.toStdString(), HasSubstr("Bogus"));
    auto* chart = qobject_cast<qt::ControlWidget*>(window.get());
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->controlProperty("PlotNum").toInt(), 3);
}

TEST_F(ViewWindow, AFormThatCannotBeReadOrAnUnknownControlIsNoWindow) {
    QString error;
    EXPECT_EQ(buildViewWindow(parse({"/nonexistent.ui"}), error), nullptr);
    EXPECT_THAT(error.toStdString(), HasSubstr("/nonexistent.ui"));
    EXPECT_EQ(buildViewWindow(parse({"NOBODY.Nothing.1"}), error), nullptr);
    EXPECT_THAT(error.toStdString(), HasSubstr("NOBODY.Nothing.1"));
}

TEST_F(ViewWindow, AnUnwritableSnapshotIsAnError) {
    QString error;
    auto window = buildViewWindow(parse({qt::testing::kSampleProgId}), error);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(saveSnapshot(*window, QStringLiteral("/nonexistent/dir/x.png"), error));
    EXPECT_THAT(error.toStdString(), HasSubstr("/nonexistent/dir/x.png"));
}

}  // namespace
}  // namespace brennix::tools
