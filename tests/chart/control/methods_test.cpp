#include <gmock/gmock.h>

#include "tests/chart/control/chart_fixture.h"

namespace brennix::chart::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kAllocated = "Allocate memory error,but data memory already allocated";
constexpr const char* kReleased = "Release memory error,data memory already deleted";
constexpr const char* kNotInitialized = "Controls not initialized,no memory allocated";

class ChartMethods : public ChartTest {
  protected:
    void init() { ASSERT_TRUE(chart->call("InitControl").ok()); }
};

TEST_F(ChartMethods, InitPlotAndReleaseThroughDispatch) {
    put("PlotNum", std::int16_t{3});
    init();
    ASSERT_NE(chart->history().ring(2), nullptr);
    EXPECT_EQ(chart->history().ring(2)->length(), 341);

    plot({1.5, 2.5});  // plot 3 is given nothing and receives 0.0
    EXPECT_TRUE(chart->history().hasData());
    EXPECT_EQ(chart->history().lastCount(), 2);
    EXPECT_EQ(chart->history().ring(0)->at(0), 1.5);
    EXPECT_EQ(chart->history().ring(1)->at(0), 2.5);
    EXPECT_EQ(chart->history().ring(2)->at(0), 0.0);
    EXPECT_EQ(chart->history().writeIndex(), 1);

    ASSERT_TRUE(chart->call("ReleaseControl").ok());
    EXPECT_EQ(chart->history().ring(0), nullptr);
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(ChartMethods, DoubleInitAndDoubleReleaseSayEachTimeForEveryPlot) {
    put("PlotNum", std::int16_t{2});
    init();
    init();
    EXPECT_THAT(messages.texts(), ElementsAre(kAllocated, kAllocated));
    messages.clear();
    ASSERT_TRUE(chart->call("ReleaseControl").ok());
    ASSERT_TRUE(chart->call("ReleaseControl").ok());
    EXPECT_THAT(messages.texts(), ElementsAre(kReleased, kReleased));
}

TEST_F(ChartMethods, StripScrollsOneSampleOnceTheDataPassTheWindow) {
    init();
    plotRamp(101);
    EXPECT_EQ(getInt("StartNum"), 0);
    plotRamp(1);
    EXPECT_EQ(getInt("StartNum"), 1);
}

TEST_F(ChartMethods, ScopePagesAtTheHundredAndSecondSample) {
    put("UpdateMode", std::int16_t{UM_Scope});
    init();
    plotRamp(101);
    EXPECT_EQ(getInt("StartNum"), 0);
    plotRamp(1);
    EXPECT_EQ(getInt("StartNum"), 100);
}

TEST_F(ChartMethods, ClearForgetsTheSamplesKeepsTheRingsAndRepaints) {
    init();
    plotRamp(150);
    const int before = site.invalidations();
    ASSERT_TRUE(chart->call("ClearCharts").ok());
    EXPECT_EQ(site.invalidations(), before + 1);
    EXPECT_EQ(getInt("StartNum"), 0);
    EXPECT_FALSE(chart->history().hasData());
    EXPECT_EQ(chart->history().oldestIndex(), -1);
    EXPECT_EQ(chart->history().ring(0)->at(5), 5.0);
}

TEST_F(ChartMethods, ResetEmptiesTheRingsWithoutARepaint) {
    init();
    plotRamp(20);
    const int before = site.invalidations();
    ASSERT_TRUE(chart->call("ResetControl").ok());
    EXPECT_EQ(site.invalidations(), before);
    EXPECT_EQ(chart->history().ring(0)->at(5), EmptySample);
    EXPECT_EQ(chart->history().writeIndex(), 0);
}

TEST_F(ChartMethods, SamplesWithoutFittingRingsAreDroppedWithAMessage) {
    plot({1.0});
    EXPECT_THAT(messages.texts(), ElementsAre(kNotInitialized));
    init();
    put("HistoryLength", std::int32_t{4096});  // the rings stay at 1024 cells
    messages.clear();
    plot({2.0});
    EXPECT_THAT(messages.texts(), ElementsAre(kNotInitialized));
    EXPECT_EQ(chart->history().writeIndex(), 0);
}

TEST_F(ChartMethods, AnEmptyArrayAppendsNothingButCountsAsDataAndRepaints) {
    init();
    const int before = site.invalidations();
    plot({});
    EXPECT_TRUE(chart->history().hasData());
    EXPECT_EQ(chart->history().writeIndex(), 0);
    EXPECT_EQ(site.invalidations(), before + 1);
}

TEST_F(ChartMethods, AnArrayThatIsNotOfDoublesIsRefusedAndLeftUnlocked) {
    init();
    const std::vector<std::int32_t> ints{1, 2};
    com::Variant data(com::SafeArray::fromValues<std::int32_t>(ints).value());
    const int before = site.invalidations();
    ASSERT_TRUE(chart->call("PlotCharts", {data}).ok());
    ASSERT_TRUE(chart->call("PlotCharts", {com::Variant(3.0)}).ok());
    EXPECT_THAT(messages.texts(),
                ElementsAre("SafeArrayAccessData Error", "SafeArrayAccessData Error"));
    EXPECT_EQ(chart->history().writeIndex(), 0);
    EXPECT_EQ(site.invalidations(), before);
}

TEST_F(ChartMethods, PlotChartsIsMethodOneHundredSeventeenWithOneArgument) {
    init();
    com::Variant data = doubles({4.0});
    ASSERT_TRUE(chart->invoke(117, com::InvokeKind::Call, std::span(&data, 1)).ok());
    EXPECT_EQ(chart->history().ring(0)->at(0), 4.0);
    EXPECT_EQ(chart->call("PlotCharts").error(), com::Error::BadArgCount);
}

}  // namespace
}  // namespace brennix::chart::testing
