#include <gmock/gmock.h>

#include <limits>
#include <string>

#include "platform/com/property_exchange.h"
#include "tests/chart/control/chart_fixture.h"

namespace brennix::chart::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ChartPersistence : public ChartTest {};

TEST_F(ChartPersistence, TheStockPropertiesComeFirstThenTheChartsOwnInTheirOrder) {
    const auto persisted = CChartCtrl::table().persisted();
    ASSERT_EQ(persisted.size(), 4U + 48U + 64U);
    std::vector<std::string> head;
    for (std::size_t i = 0; i < 8; ++i) {
        head.push_back(persisted[i].name);
    }
    EXPECT_THAT(head, ElementsAre("BackColor", "Caption", "Font", "ForeColor", "BkColor",
                                  "PlotAreaColor", "PlotNum", "PlotMode"));
    EXPECT_EQ(persisted[4 + 14].name, "ScaleMinimum");
    EXPECT_EQ(persisted[4 + 47].name, "XLabelColor");
    EXPECT_EQ(persisted[4 + 48].name, "LineStyle1");
    EXPECT_EQ(persisted.back().name, "FillColor8");
}

TEST_F(ChartPersistence, ASavedChartLoadsBackWithEveryPropertyAndNoHistory) {
    put("Caption", "Tank 4");
    put("Font", com::fontToVariant({"DejaVu Serif", 14.0, true, false}));
    put("PlotNum", std::int16_t{6});
    put("UpdateMode", std::int16_t{UM_Sweep});
    put("HistoryLength", std::int32_t{50000});
    put("ScaleMinimum", -2.5);
    put("XGridMajor", true);
    put("ViewNum", std::int32_t{640});
    put("StartNum", std::int32_t{12});
    put("LineStyle5", std::int16_t{2});
    put("FillColor8", color(1, 2, 3));
    ASSERT_TRUE(chart->call("InitControl").ok());
    const std::string document = com::PropertyExchange::save(*chart);

    auto copy = com::createControl<CChartCtrl>();
    ASSERT_TRUE(com::PropertyExchange::load(*copy, document).ok());
    for (const com::PersistEntry& entry : CChartCtrl::table().persisted()) {
        const com::Member& m = CChartCtrl::table().member(entry.member);
        if (m.type == com::PropType::Font) {
            EXPECT_EQ(copy->font(), chart->font());
            continue;
        }
        EXPECT_EQ(m.get(*copy), m.get(*chart)) << entry.name;
    }
    EXPECT_EQ(copy->history().ringLength(), 50000 / 6);
    EXPECT_EQ(copy->history().viewNum(), 640);
    EXPECT_EQ(copy->history().ring(0), nullptr);
    EXPECT_FALSE(copy->isModified());
}

TEST_F(ChartPersistence, LoadingRunsNoRangeTestAndMissingValuesTakeTheirDefaults) {
    const std::string document = R"({"class": "Chart", "version": "1.0", "properties": {
        "XSpacingMinor": {"type": "short", "value": 77}}})";
    ASSERT_TRUE(com::PropertyExchange::load(*chart, document).ok());
    EXPECT_EQ(getInt("XSpacingMinor"), 77);
    EXPECT_EQ(getInt("ViewNum"), 100);
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(ChartPersistence, AHistoryLengthNoPutWouldAcceptLoadsAsTheDefaultLength) {
    for (std::int32_t length : {std::numeric_limits<std::int32_t>::max(), 1048576, 1023, 0, -5}) {
        SCOPED_TRACE(length);
        const std::string document =
            R"({"class": "Chart", "version": "1.0", "properties": {
            "PlotNum": {"type": "short", "value": 1},
            "HistoryLength": {"type": "long", "value": )" +
            std::to_string(length) + "}}}";
        auto copy = com::createControl<CChartCtrl>();
        ASSERT_TRUE(com::PropertyExchange::load(*copy, document).ok());
        EXPECT_EQ(copy->get("HistoryLength")->toInt32().valueOr(0), 1024);
        EXPECT_EQ(copy->history().ringLength(), 1024);
        ASSERT_TRUE(copy->call("InitControl").ok());
        EXPECT_NE(copy->history().ring(0), nullptr);
    }
}

}  // namespace
}  // namespace brennix::chart::testing
