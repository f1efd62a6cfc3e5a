#include <gmock/gmock.h>

#include <set>

#include "chart/control/chart_ctrl.h"
#include "tests/chart/graph/graph_fixture.h"

namespace brennix::chart::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GraphInterface : public GraphTest {};

TEST_F(GraphInterface, PropertiesAreNumberedOneToOneHundredNineThenTheTwoMethods) {
    std::set<com::DispId> ids;
    for (const com::Member* m : CGraphCtrl::table().published()) {
        if (m->kind == com::MemberKind::Property && m->id > 0) {
            ids.insert(m->id);
        }
    }
    EXPECT_EQ(ids.size(), 109U);
    EXPECT_EQ(*ids.rbegin(), 109);
    EXPECT_THAT(CGraphCtrl::table().problems(), IsEmpty());
    const std::pair<const char*, com::DispId> sampled[] = {
        {"PlotNum", 1},          {"PlotAreaColor", 2},    {"BkColor", 3},
        {"XAxisFormat", 4},      {"XAxisFormatClass", 5}, {"TimeInterval", 6},
        {"TimeBase2", 9},        {"YSpacingMajor", 10},   {"YMinorTickColor", 15},
        {"ScaleMaximum", 16},    {"ScaleMinimum", 17},    {"XTickAbove", 22},
        {"XMajorTickMark", 26},  {"XMinorTickColor", 29}, {"YLabelColor", 30},
        {"YGridMinorColor", 34}, {"FormatClass", 35},     {"Format", 36},
        {"XGridMajor", 37},      {"XGridMinorColor", 40}, {"ViewNum", 41},
        {"StartNum", 42},        {"XSpacingMinor", 44},   {"XLabelColor", 45},
        {"LineStyle1", 46},      {"LineWidth1", 54},      {"PointStyle8", 69},
        {"Interp1", 70},         {"FillBase8", 85},       {"LineColor1", 86},
        {"PointColor1", 94},     {"FillColor8", 109},     {"PlotGraphs", 110},
        {"ClearGraphs", 111},    {"BackColor", -501},     {"Caption", -518},
        {"Refresh", -550},       {"AboutBox", -552}};
    for (const auto& [name, id] : sampled) {
        EXPECT_EQ(graph->idOfName(name).valueOr(0), id) << name;
    }
    EXPECT_EQ(CGraphCtrl::table().findEvent("DblClick")->id, -601);
}

TEST_F(GraphInterface, NamesTypesAndDefaultsAreTheCharts) {
    auto chart = com::createControl<CChartCtrl>();
    for (const com::Member* m : CGraphCtrl::table().published()) {
        if (m->kind != com::MemberKind::Property || m->type == com::PropType::Font) {
            continue;
        }
        const com::Member* same = CChartCtrl::table().find(m->name);
        ASSERT_NE(same, nullptr) << m->name;
        EXPECT_EQ(m->type, same->type) << m->name;
        EXPECT_EQ(m->get(*graph), same->get(*chart)) << m->name;
    }
}

TEST_F(GraphInterface, RangeTestsResetWithTheirMessagesAndAllEightLineStylesReadAlike) {
    put("PlotNum", std::int16_t{9});
    put("XAxisFormatClass", std::int16_t{3});
    put("YSpacingMinor", std::int16_t{51});
    put("XSpacingMajor", std::int16_t{0});
    put("LineStyle3", std::int16_t{3});
    put("LineStyle5", std::int16_t{-1});
    put("PointStyle2", std::int16_t{9});
    put("FillBase1", std::int16_t{4});
    EXPECT_THAT(
        messages.texts(),
        ElementsAre("PlotNum must between 1 to 8", "FormatClass must between 0 to 2",
                    "YSpacingMinor must between 1 to 50", "XSpacingMajor must between 1 to 100",
                    "LineStyle must between 0 to 2", "LineStyle must between 0 to 2",
                    "PointStyle must between 0 to 8", "FillBase must between 0 to 3"));
    EXPECT_EQ(getInt("PlotNum"), 1);
    EXPECT_EQ(getInt("YSpacingMinor"), 2);
    EXPECT_EQ(getInt("XSpacingMajor"), 4);
    EXPECT_EQ(getInt("LineStyle5"), 0);
}

TEST_F(GraphInterface, FormatClassViewNumStartNumAndTimeIntervalTakeAnyValue) {
    put("FormatClass", std::int16_t{9});
    put("ViewNum", std::int32_t{0});
    put("StartNum", std::int32_t{-40});
    put("TimeInterval", std::int32_t{-3});
    EXPECT_THAT(messages.texts(), IsEmpty());
    EXPECT_EQ(getInt("FormatClass"), 9);
    EXPECT_EQ(getInt("ViewNum"), 0);
    EXPECT_EQ(getInt("StartNum"), -40);
    EXPECT_EQ(getInt("TimeInterval"), -3);
}

TEST_F(GraphInterface, TheAboutBoxNamesTheGraph) {
    ASSERT_TRUE(graph->call("AboutBox").ok());
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, "Graph Control, Version 1.0");
}

class GraphData : public GraphTest {};

TEST_F(GraphData, SevenValuesForThreePlotsGiveThreeTwoAndTwoSamples) {
    put("PlotNum", std::int16_t{3});
    plot({0, 1, 2, 3, 4, 5, 6});
    const GraphSamples& samples = graph->samples();
    EXPECT_EQ(samples.size(), 7);
    EXPECT_EQ(samples.sampleCount(0, 3), 3);
    EXPECT_EQ(samples.sampleCount(1, 3), 2);
    EXPECT_EQ(samples.sampleCount(2, 3), 2);
    EXPECT_EQ(samples.value(0, 2, 3), 6.0);
    EXPECT_EQ(samples.value(2, 1, 3), 5.0);
}

TEST_F(GraphData, PlotGraphsCopiesTheValuesAndLeavesTheArrayUnlocked) {
    com::Variant data = graphData({1, 2, 3});
    const std::int64_t invalidated = site.invalidations();
    ASSERT_TRUE(graph->call("PlotGraphs", {data}).ok());
    com::SafeArray* array = data.array();
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->lockCount(), 0U);
    ASSERT_TRUE(array->put(0, com::Variant(99.0)).ok());
    EXPECT_EQ(graph->samples().value(0, 0, 1), 1.0);
    EXPECT_EQ(site.invalidations(), invalidated + 1);
    plot({4});
    EXPECT_EQ(graph->samples().size(), 1);
}

TEST_F(GraphData, ClearGraphsEmptiesTheGraphAndRepaints) {
    plot({1, 2, 3});
    const std::int64_t invalidated = site.invalidations();
    ASSERT_TRUE(graph->call("ClearGraphs").ok());
    EXPECT_TRUE(graph->samples().empty());
    EXPECT_EQ(site.invalidations(), invalidated + 1);
}

TEST_F(GraphData, DataThatIsNotAnArrayOfDoublesIsRefusedAndTheGraphKeepsItsValues) {
    plot({1, 2, 3});
    const std::vector<std::int16_t> shorts{7, 8};
    ASSERT_TRUE(graph
                    ->call("PlotGraphs",
                           {com::Variant(com::SafeArray::fromValues<std::int16_t>(shorts).value())})
                    .ok());
    ASSERT_TRUE(graph->call("PlotGraphs", {com::Variant(4.5)}).ok());
    EXPECT_THAT(messages.texts(),
                ElementsAre("SafeArrayAccessData Error", "SafeArrayAccessData Error"));
    EXPECT_EQ(graph->samples().size(), 3);
}

TEST_F(GraphData, AnEmptyArrayEmptiesTheGraph) {
    plot({1, 2, 3});
    plot({});
    EXPECT_TRUE(graph->samples().empty());
    EXPECT_THAT(messages.texts(), IsEmpty());
}

}  // namespace
}  // namespace brennix::chart::testing
