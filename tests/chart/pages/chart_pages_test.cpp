#include <gtest/gtest.h>

#include "chart/control/chart_ctrl.h"
#include "chart/pages/chart_pages.h"
#include "platform/com/message_box.h"

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

TEST(ChartPageClasses, TheBuiltTabsAreRegisteredUnderTheControlsPageIdentifiers) {
    com::pages::PageRegistry registry;
    ASSERT_TRUE(registerTrendwickPages(registry).ok());
    EXPECT_EQ(registry.find("{27F9B3EB-7379-11D4-A691-0050BAA83CEA}")->title, "Chart");
    EXPECT_EQ(registry.find("TRENDWICK.GraphPropPage.1")->title, "Graph");
    EXPECT_EQ(registry.find("Trendwick.CPrpFormat")->title, "Y-Axis Format");
    EXPECT_NE(registry.find("Trendwick.CPrpYTicks"), nullptr);
}

}  // namespace
}  // namespace brennix::chart
