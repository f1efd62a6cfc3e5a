#include <gtest/gtest.h>

#include "chart/control/chart_ctrl.h"
#include "chart/control/graph_ctrl.h"
#include "chart/pages/chart_pages.h"
#include "platform/com/message_box.h"
#include "platform/com/pages/stock_pages.h"

namespace brennix::chart {
namespace {

using com::Variant;

class ChartTabs : public ::testing::Test {
  protected:
    std::shared_ptr<CChartCtrl> chart = com::createControl<CChartCtrl>();
    com::MessageRecorder messages;
};

TEST_F(ChartTabs, TheChartTabAcceptsTheLongestHistoryAndRefusesOneMore) {
    CChartPropPage page;
    page.open(*chart);
    page.setValue("HistoryLength", Variant("1048576"));
    auto refused = page.apply(*chart);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.message, "Please enter an integer between 1024 and 1048575.");
    page.setValue("HistoryLength", Variant("1023"));
    EXPECT_TRUE(page.apply(*chart).refused);

    page.setValue("HistoryLength", Variant("1048575"));
    ASSERT_TRUE(page.apply(*chart).ok());
    EXPECT_EQ(*chart->get("HistoryLength")->toInt32(), 1048575);
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(ChartTabs, TheChartTabBindsEveryFieldAndRefusesANinthPlot) {
    CChartPropPage page;
    page.open(*chart);
    for (const auto& f : page.fields())
        EXPECT_TRUE(f.enabled) << f.property;
    page.setValue("PlotNum", Variant("9"));
    page.setValue("UpdateMode", Variant(std::int32_t{2}));
    EXPECT_TRUE(page.apply(*chart).refused);
    EXPECT_NE(*chart->get("UpdateMode")->toInt32(), 2);
}

TEST_F(ChartTabs, TheYFormatSampleFollowsTheChosenClassAndFormat) {
    CPrpFormat page;
    page.open(*chart);
    struct Case {
        std::int32_t formatClass, format;
        const char* value;
        const char* sample;
    } cases[] = {{0, 2, "0.25", "0.25"},    {1, 0, "1234.5", "1.234500e+03"},
                 {2, 1, "1500", "1500.Hz"}, {3, 2, "0.125", "12.5%"},
                 {4, 1, "-1.7", "$-1.70"},  {5, 1, "50", "5."}};
    for (const Case& c : cases) {
        page.setValue("FormatClass", Variant(c.formatClass));
        page.setValue("Format", Variant(c.format));
        page.setValue(CPrpFormat::kValue, Variant(c.value));
        EXPECT_EQ(*page.field(CPrpFormat::kSample)->value.toString(), c.sample) << c.formatClass;
        EXPECT_FALSE(page.field("Format")->entries.empty());
    }
    page.setValue(CPrpFormat::kValue, Variant("x"));
    EXPECT_TRUE(page.apply(*chart).refused);
}

TEST_F(ChartTabs, ThePlotsTabEditsEveryPlotsListsAndColours) {
    CPrpPlots page;
    page.open(*chart);
    ASSERT_EQ(page.fields().size(), 64u);
    for (const auto& f : page.fields())
        EXPECT_TRUE(f.enabled) << f.property;
    EXPECT_EQ(page.field("LineWidth4")->entries.size(), 5u);
    EXPECT_EQ(page.field("PointStyle1")->entries.back(), "Cross");
    EXPECT_EQ(page.field("FillBase8")->label, "Plot 8: Fill Base");

    page.setValue("PointStyle3", Variant(std::int32_t{6}));
    page.setValue("LineWidth5", Variant(std::int32_t{4}));
    page.setValue("FillColor8", Variant::fromColor(0x00FF00));
    ASSERT_TRUE(page.apply(*chart).ok());
    EXPECT_EQ(*chart->get("PointStyle3")->toInt32(), 6);
    EXPECT_EQ(*chart->get("LineWidth5")->toInt32(), 4);
    EXPECT_EQ(*chart->get("FillColor8")->toColor(), 0x00FF00u);
    EXPECT_EQ(*chart->get("PointStyle2")->toInt32(), 0);
}

TEST_F(ChartTabs, TheXFormatListFollowsTheClass) {
    CPrpXFormat page;
    page.open(*chart);
    EXPECT_EQ(page.field("XAxisFormat")->entries,
              (std::vector<std::string>{"Decimal", "Hexadecimal", "Octal", "Binary"}));
    page.setValue("XAxisFormatClass", Variant(std::int32_t{1}));
    EXPECT_EQ(page.field("XAxisFormat")->entries, (std::vector<std::string>{"hh:mm:ss", "mm:ss"}));
    page.setValue("XAxisFormatClass", Variant(std::int32_t{2}));
    EXPECT_EQ(page.field("XAxisFormat")->entries.front(), "yyyy/mm/dd");

    ASSERT_TRUE(chart->put("XAxisFormatClass", Variant(std::int16_t{2})));
    page.open(*chart);
    EXPECT_EQ(page.field("XAxisFormat")->entries.front(), "yy/mm/dd");
}

TEST_F(ChartTabs, TheDateTimePickerWritesTheThreeBaseFieldsOfItsClass) {
    CPrpXFormat page;
    page.open(*chart);
    page.setValue(CPrpXFormat::kPicker, Variant("2003-04-05 06:07:08"));
    EXPECT_FALSE(page.dirty()) << "the Number class takes nothing from the picker";

    page.setValue("XAxisFormatClass", Variant(std::int32_t{1}));
    EXPECT_EQ(page.field(CPrpXFormat::kPicker)->displayFormat, "hh':'mm':'ss");
    page.setValue(CPrpXFormat::kPicker, Variant("2000-01-01 23:59:50"));
    ASSERT_TRUE(page.apply(*chart).ok());
    EXPECT_EQ(*chart->get("TimeBase0")->toInt32(), 23);
    EXPECT_EQ(*chart->get("TimeBase1")->toInt32(), 59);
    EXPECT_EQ(*chart->get("TimeBase2")->toInt32(), 50);

    page.setValue("XAxisFormatClass", Variant(std::int32_t{2}));
    EXPECT_EQ(page.field(CPrpXFormat::kPicker)->displayFormat, "yyyy'/'MM'/'dd");
    page.setValue(CPrpXFormat::kPicker, Variant("1999-12-31 00:00:00"));
    ASSERT_TRUE(page.apply(*chart).ok());
    EXPECT_EQ(*chart->get("XAxisFormatClass")->toInt32(), 2);
    EXPECT_EQ(*chart->get("TimeBase0")->toInt32(), 1999);
    EXPECT_EQ(*chart->get("TimeBase1")->toInt32(), 12);
    EXPECT_EQ(*chart->get("TimeBase2")->toInt32(), 31);
}

TEST_F(ChartTabs, TypedBasesAndIntervalsOutsideTheirLimitsAreRefused) {
    CPrpXFormat page;
    page.open(*chart);
    page.setValue("TimeBase0", Variant("3001"));
    auto refused = page.apply(*chart);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.message, "Please enter an integer between 0 and 3000.");
    page.setValue("TimeBase0", Variant("3000"));
    page.setValue("TimeBase2", Variant("65"));
    EXPECT_TRUE(page.apply(*chart).refused);
    page.setValue("TimeBase2", Variant("64"));
    page.setValue("TimeInterval", Variant("0"));
    EXPECT_TRUE(page.apply(*chart).refused);
    EXPECT_EQ(*chart->get("TimeBase0")->toInt32(), 1);
}

TEST(ChartPageClasses, EveryListedTabBindsOnlyPropertiesItsControlHas) {
    com::pages::PageRegistry registry;
    ASSERT_TRUE(registerTrendwickPages(registry).ok());
    ASSERT_TRUE(com::pages::registerStockPages(registry).ok());
    com::MessageRecorder messages;
    const std::pair<const char*, std::shared_ptr<com::Control>> controls[] = {
        {"TRENDWICK.ChartCtrl.1", com::createControl<CChartCtrl>()},
        {"TRENDWICK.GraphCtrl.1", com::createControl<CGraphCtrl>()}};
    for (const auto& [progId, control] : controls) {
        for (const std::string& id : registry.pagesOf(progId)) {
            auto page = registry.create(id);
            ASSERT_TRUE(page.ok()) << progId << " " << id;
            (*page)->open(*control);
            for (const auto& f : (*page)->fields()) {
                if (f.bound()) {
                    EXPECT_TRUE(f.enabled) << progId << " " << f.property;
                }
            }
            EXPECT_TRUE((*page)->apply(*control).ok()) << progId << " " << id;
        }
    }
    EXPECT_TRUE(messages.texts().empty());
}

TEST(ChartPageClasses, EveryTabIsRegisteredAndListedInTabOrder) {
    com::pages::PageRegistry registry;
    ASSERT_TRUE(registerTrendwickPages(registry).ok());
    EXPECT_EQ(registry.find("{27F9B3EB-7379-11D4-A691-0050BAA83CEA}")->title, "Chart");
    EXPECT_EQ(registry.find("TRENDWICK.GraphPropPage.1")->title, "Graph");
    EXPECT_EQ(registry.find("Trendwick.CPrpFormat")->title, "Y-Axis Format");
    EXPECT_EQ(registry.find("Trendwick.CPrpPlots")->title, "Plots");
    EXPECT_EQ(registry.find("Trendwick.CPrpXFormat")->title, "X-Axis Format");

    for (const char* control : {"TRENDWICK.ChartCtrl.1", "TRENDWICK.GraphCtrl.1"}) {
        const auto pages = registry.pagesOf(control);
        ASSERT_EQ(pages.size(), 9u) << control;
        std::vector<std::string> titles;
        for (std::size_t i = 0; i + 1 < pages.size(); ++i) {
            const auto* page = registry.find(pages[i]);
            ASSERT_NE(page, nullptr) << pages[i];
            titles.push_back(page->title);
            EXPECT_TRUE(registry.create(pages[i]).ok());
        }
        EXPECT_EQ(titles, (std::vector<std::string>{titles[0], "X-Axis", "Y-Axis", "X-AxisTicks",
                                                    "Y-AxisTicks", "Plots", "Y-Axis Format",
                                                    "X-Axis Format"}));
        EXPECT_EQ(pages.back(), com::pages::kStockColorPageId);
    }
    EXPECT_EQ(registry.find(registry.pagesOf("TRENDWICK.GraphCtrl.1")[0])->title, "Graph");
}

}  // namespace
}  // namespace brennix::chart
