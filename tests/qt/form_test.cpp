// Forms as Designer writes them: loaded at run time by the form loader, and
// compiled with uic into the program.
#include <gmock/gmock.h>

#include <QBuffer>

#include "qt/form_loader.h"
#include "tests/qt/hosting_fixture.h"
#include "ui_chart_form.h"
#include "ui_designed_chart_form.h"
#include "ui_instrument_panel.h"

namespace brennix::qt::testing {
namespace {

using ::testing::HasSubstr;

void expectChartFormProperties(ControlWidget* chart) {
    ASSERT_NE(chart, nullptr);
    ASSERT_NE(chart->control(), nullptr) << chart->lastError().toStdString();
    EXPECT_EQ(chart->control()->members().className(), "Chart");
    EXPECT_EQ(chart->control()->get("PlotNum")->toInt16().value(), 3);
    EXPECT_EQ(chart->control()->get("UpdateMode")->toInt16().value(), 1);  // UM_Scope
    EXPECT_EQ(chart->control()->get("PlotAreaColor")->toColor().value(), gfx::rgb(0, 64, 0));
    EXPECT_EQ(chart->control()->get("ScaleMaximum")->toDouble().value(), 2.5);
    EXPECT_EQ(chart->size(), QSize(400, 300));
    EXPECT_EQ(chart->control()->extentPixels(), (gfx::Size{400, 300}));
}

using Forms = HostingTest;

TEST_F(Forms, PropertiesOfAFormFileReachTheControlWhenLoaded) {
    FormLoader loader;
    QString error;
    std::unique_ptr<QWidget> form(
        loader.loadForm(QStringLiteral(BRENNIX_QT_FORMS "/chart_form.ui"), nullptr, error));
    ASSERT_NE(form, nullptr) << error.toStdString();
    expectChartFormProperties(form->findChild<ControlWidget*>(QStringLiteral("chart")));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Forms, PropertiesOfACompiledFormReachTheControl) {
    QWidget form;
    Ui::ChartForm ui;
    ui.setupUi(&form);
    expectChartFormProperties(ui.chart);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Forms, ACompiledFormAsDesignerSavesItNamesTheClassAndItsEnumeratedValues) {
    QWidget form;
    Ui::DesignedChartForm ui;
    ui.setupUi(&form);
    static_assert(std::is_base_of_v<ControlWidget, Chart>);
    ASSERT_NE(ui.chart->control(), nullptr) << ui.chart->lastError().toStdString();
    EXPECT_EQ(ui.chart->control()->get("PlotNum")->toInt16().value(), 3);
    EXPECT_EQ(ui.chart->control()->get("UpdateMode")->toInt16().value(), int{Chart::UM_Sweep});
    EXPECT_EQ(ui.chart->property("UpdateMode").toInt(), 2);
    EXPECT_TRUE(messages.messages().empty());
    // The same file loaded at run time.
    FormLoader loader;
    QString error;
    std::unique_ptr<QWidget> loaded(loader.loadForm(
        QStringLiteral(BRENNIX_QT_FORMS "/designed_chart_form.ui"), nullptr, error));
    ASSERT_NE(loaded, nullptr) << error.toStdString();
    auto* chart = loaded->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->control()->get("UpdateMode")->toInt16().value(), 2);
}

TEST_F(Forms, TheInstrumentPanelCompilesAndLoadsWithAllFourControls) {
    QWidget form;
    Ui::InstrumentPanel ui;
    ui.setupUi(&form);
    for (ControlWidget* w :
         std::initializer_list<ControlWidget*>{ui.chart, ui.knob, ui.slide, ui.pipe}) {
        ASSERT_NE(w->control(), nullptr) << w->lastError().toStdString();
    }
    EXPECT_EQ(ui.chart->control()->get("UpdateMode")->toInt16().value(), int{Chart::UM_Scope});
    EXPECT_EQ(ui.knob->control()->get("Pointer1Value")->toDouble().value(), 6.5);
    EXPECT_EQ(ui.slide->control()->get("Pointer1Value")->toDouble().value(), 3.5);
    // The run's style asked for its default extent before the form's
    // geometry came, so the form's size stands.
    EXPECT_EQ(ui.pipe->control()->get("PipeStyle")->toInt16().value(), 4);
    EXPECT_EQ(ui.pipe->size(), QSize(420, 168));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Forms, AWidgetClassNamedAfterAControlHostsIt) {
    const QByteArray xml = R"(<ui version="4.0"><widget class="QWidget" name="Form">
        <widget class="Chart" name="chart"><property name="PlotNum" stdset="0"><number>2</number>
        </property></widget></widget></ui>)";
    QBuffer buffer;
    buffer.setData(xml);
    FormLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    ASSERT_NE(form, nullptr);
    auto* chart = form->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    ASSERT_NE(chart->control(), nullptr);
    EXPECT_EQ(chart->controlProperty("PlotNum").toInt(), 2);
}

TEST_F(Forms, AFormWithABadValueShowsTheControlsMessageAndKeepsTheRest) {
    const QByteArray xml = R"(<ui version="4.0"><widget class="QWidget" name="Form">
        <widget class="brennix::qt::ControlWidget" name="chart">
        <property name="controlId"><string>TRENDWICKLib.Chart</string></property>
        <property name="PlotNum" stdset="0"><number>12</number></property>
        <property name="ScaleMinimum" stdset="0"><double>-4</double></property>
        </widget></widget></ui>)";
    QBuffer buffer;
    buffer.setData(xml);
    FormLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&buffer));
    ASSERT_NE(form, nullptr);
    auto* chart = form->findChild<ControlWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_THAT(messages.texts()[0], HasSubstr("PlotNum"));
    EXPECT_EQ(chart->controlProperty("ScaleMinimum").toDouble(), -4.0);
}

TEST_F(Forms, AMissingFormFileIsReportedByName) {
    FormLoader loader;
    QString error;
    EXPECT_EQ(loader.loadForm(QStringLiteral("/nonexistent/form.ui"), nullptr, error), nullptr);
    EXPECT_THAT(error.toStdString(), HasSubstr("/nonexistent/form.ui"));
}

}  // namespace
}  // namespace brennix::qt::testing
