#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "chart/control/chart_ctrl.h"
#include "platform/com/property_exchange.h"
#include "tests/chart/graph/graph_fixture.h"

namespace brennix::chart::testing {
namespace {

using ::testing::IsEmpty;

std::vector<std::string> namesOf(const com::MemberTable& table) {
    std::vector<std::string> names;
    for (const com::PersistEntry& entry : table.persisted()) {
        names.push_back(entry.name);
    }
    return names;
}

class GraphPersistence : public GraphTest {};

TEST_F(GraphPersistence, TheGraphSavesTheChartsOrderWithoutTheThreeHistoryProperties) {
    std::vector<std::string> expected = namesOf(CChartCtrl::table());
    ASSERT_EQ(expected.size(), 4U + 48U + 64U);
    EXPECT_EQ(expected[4 + 3], "PlotMode");
    EXPECT_EQ(expected[4 + 5], "HistoryLength");
    EXPECT_EQ(expected[4 + 46], "StartNum");
    expected.erase(expected.begin() + 4 + 3, expected.begin() + 4 + 6);
    EXPECT_EQ(namesOf(CGraphCtrl::table()), expected);
    EXPECT_EQ(expected.front(), "BackColor");
    EXPECT_EQ(expected[4], "BkColor");
    EXPECT_EQ(expected[4 + 3], "FormatClass");
    EXPECT_EQ(expected.back(), "FillColor8");
}

TEST_F(GraphPersistence, ASavedGraphLoadsBackWithEveryPropertyAndNoData) {
    put("Caption", "Spectrum");
    put("PlotNum", std::int16_t{5});
    put("StartNum", std::int32_t{-12});
    put("ViewNum", std::int32_t{0});
    put("FormatClass", std::int16_t{7});
    put("XGridMinorColor", com::Variant::fromColor(gfx::rgb(9, 8, 7)));
    put("Interp4", std::int16_t{IP_YX});
    plot({1, 2, 3});
    const std::string document = com::PropertyExchange::save(*graph);

    auto copy = com::createControl<CGraphCtrl>();
    ASSERT_TRUE(com::PropertyExchange::load(*copy, document).ok());
    for (const com::PersistEntry& entry : CGraphCtrl::table().persisted()) {
        const com::Member& m = CGraphCtrl::table().member(entry.member);
        if (m.type != com::PropType::Font) {
            EXPECT_EQ(m.get(*copy), m.get(*graph)) << entry.name;
        }
    }
    EXPECT_TRUE(copy->samples().empty());
}

TEST_F(GraphPersistence, BkColorMissingFromADocumentTakesTheLoadedBackColor) {
    const std::string document = R"({"class": "Graph", "version": "1.0", "properties": {
        "BackColor": {"type": "colour", "value": 1193046},
        "YSpacingMajor": {"type": "short", "value": 500}}})";
    ASSERT_TRUE(com::PropertyExchange::load(*graph, document).ok());
    EXPECT_EQ(graph->get("BkColor")->toColor().valueOr(0), 1193046U);
    EXPECT_EQ(getInt("YSpacingMajor"), 500);  // no range test on load
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(GraphPersistence, AChartDocumentLoadsIntoAGraphAndTheGraphsBackIntoAChart) {
    auto chart = com::createControl<CChartCtrl>();
    ASSERT_TRUE(chart->put("PlotNum", std::int16_t{4}).ok());
    ASSERT_TRUE(chart->put("UpdateMode", std::int16_t{UM_Sweep}).ok());
    ASSERT_TRUE(chart->put("HistoryLength", std::int32_t{4096}).ok());
    ASSERT_TRUE(chart->put("ScaleMaximum", 250.0).ok());
    ASSERT_TRUE(chart->put("PointStyle3", std::int16_t{PS_X}).ok());
    ASSERT_TRUE(chart->put("Caption", "Flow").ok());
    ASSERT_TRUE(com::PropertyExchange::load(*graph, com::PropertyExchange::save(*chart)).ok());
    EXPECT_EQ(getInt("PlotNum"), 4);
    EXPECT_EQ(graph->get("ScaleMaximum")->toDouble().valueOr(0), 250.0);
    EXPECT_EQ(getInt("PointStyle3"), PS_X);
    EXPECT_EQ(graph->caption(), "Flow");

    put("ViewNum", std::int32_t{333});
    auto back = com::createControl<CChartCtrl>();
    ASSERT_TRUE(back->put("UpdateMode", std::int16_t{UM_Scope}).ok());
    ASSERT_TRUE(com::PropertyExchange::load(*back, com::PropertyExchange::save(*graph)).ok());
    EXPECT_EQ(back->get("ViewNum")->toInt32().valueOr(0), 333);
    EXPECT_EQ(back->get("PlotNum")->toInt32().valueOr(0), 4);
    EXPECT_EQ(back->get("PointStyle3")->toInt32().valueOr(0), PS_X);
    // The three the Graph does not keep come back as their defaults.
    EXPECT_EQ(back->get("UpdateMode")->toInt32().valueOr(-1), UM_Strip);
    EXPECT_EQ(back->get("HistoryLength")->toInt32().valueOr(0), 1024);
    EXPECT_EQ(back->get("PlotMode")->toInt32().valueOr(-1), PM_Overlaid);
    EXPECT_THAT(messages.texts(), IsEmpty());
}

}  // namespace
}  // namespace brennix::chart::testing
