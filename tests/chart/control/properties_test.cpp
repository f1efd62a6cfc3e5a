#include <gmock/gmock.h>

#include <limits>
#include <set>
#include <string>

#include "tests/chart/control/chart_fixture.h"

namespace brennix::chart::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ChartInterface : public ChartTest {};

TEST_F(ChartInterface, PropertiesAreNumberedOneToOneHundredTwelveThenTheFiveMethods) {
    std::set<com::DispId> ids;
    int properties = 0;
    for (const com::Member* m : CChartCtrl::table().published()) {
        if (m->kind == com::MemberKind::Property && m->id > 0) {
            ++properties;
            ids.insert(m->id);
        }
    }
    EXPECT_EQ(properties, 112);
    EXPECT_EQ(ids.size(), 112U);
    EXPECT_EQ(*ids.rbegin(), 112);
    EXPECT_THAT(CChartCtrl::table().problems(), IsEmpty());

    const std::pair<const char*, com::DispId> sampled[] = {
        {"BkColor", 1},        {"HistoryLength", 6},    {"TimeInterval", 11},
        {"ScaleMaximum", 21},  {"XTickBottom", 27},     {"YGridMajorColor", 38},
        {"StartNum", 44},      {"ViewNum", 45},         {"XLabelColor", 48},
        {"LineStyle1", 49},    {"LineStyle8", 56},      {"LineWidth1", 57},
        {"PointStyle1", 65},   {"Interp8", 80},         {"FillBase1", 81},
        {"LineColor1", 89},    {"PointColor1", 97},     {"FillColor8", 112},
        {"InitControl", 113},  {"ReleaseControl", 114}, {"ClearCharts", 115},
        {"ResetControl", 116}, {"PlotCharts", 117},     {"BackColor", -501},
        {"Font", -512},        {"ForeColor", -513},     {"Caption", -518},
        {"Refresh", -550},     {"AboutBox", -552}};
    for (const auto& [name, id] : sampled) {
        EXPECT_EQ(chart->idOfName(name).valueOr(0), id) << name;
    }
    EXPECT_EQ(CChartCtrl::table().findEvent("Click")->id, -600);
    EXPECT_EQ(CChartCtrl::table().findEvent("MouseUp")->params.size(), 4U);
}

TEST_F(ChartInterface, ANewChartHasTheDocumentedDefaults) {
    EXPECT_EQ(getInt("PlotNum"), 1);
    EXPECT_EQ(getInt("HistoryLength"), 1024);
    EXPECT_EQ(getInt("ViewNum"), 100);
    EXPECT_EQ(getInt("XSpacingMajor"), 4);
    EXPECT_EQ(getInt("YSpacingMajor"), 10);
    EXPECT_EQ(chart->get("ScaleMaximum")->toDouble().valueOr(0), 10.0);
    EXPECT_TRUE(chart->get("YTickLeft")->toBool().valueOr(false));
    EXPECT_FALSE(chart->get("YTickRight")->toBool().valueOr(true));
    EXPECT_EQ(chart->get("XGridMinorColor")->toColor().valueOr(0), 0xFFFF00U);
    EXPECT_EQ(chart->get("YGridMajorColor")->toColor().valueOr(0), 0x0000FFU);
    EXPECT_EQ(chart->get("LineColor5")->toColor().valueOr(0), 0xFF00FFU);
    EXPECT_EQ(chart->get("PointColor2")->toColor().valueOr(0), 0x00FFFFU);
    EXPECT_EQ(chart->get("FillColor8")->toColor().valueOr(0), 0x0080FFU);
    EXPECT_EQ(CChartCtrl::table().find("UpdateMode")->enumeration->name, "enumUpdateMode");
    EXPECT_EQ(CChartCtrl::table().find("PlotMode")->enumeration->find(1)->name, "PM_Stacked");
}

TEST_F(ChartInterface, BkColorStartsAsTheControlsBackColor) {
    site.ambientProperties().backColor = gfx::rgb(10, 20, 30);
    chart->resetToDefaults();
    EXPECT_EQ(chart->get("BkColor")->toColor().valueOr(0), gfx::rgb(10, 20, 30));
}

struct RangeCase {
    const char* name;
    std::int32_t accepted;  // an edge of the range
    std::int32_t refused;
    std::int32_t reset;
    const char* message;
};

class ChartRangeTests : public ChartTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ChartRangeTests, AValueOutsideTheRangeShowsItsMessageAndTakesTheResetValue) {
    const RangeCase& c = GetParam();
    const bool isShort = CChartCtrl::table().find(c.name)->type == com::PropType::Int16;
    auto value = [&](std::int32_t v) {
        return isShort ? com::Variant(static_cast<std::int16_t>(v)) : com::Variant(v);
    };
    put(c.name, value(c.accepted));
    EXPECT_EQ(getInt(c.name), c.accepted);
    EXPECT_THAT(messages.texts(), IsEmpty());
    put(c.name, value(c.refused));
    EXPECT_EQ(getInt(c.name), c.reset);
    EXPECT_THAT(messages.texts(), ElementsAre(c.message));
}

// "PlotNum_Above": the property and the side of the range the refused value lies on.
std::string rangeCaseName(const ::testing::TestParamInfo<RangeCase>& c) {
    return std::string(c.param.name) + (c.param.refused < c.param.accepted ? "_Below" : "_Above");
}

INSTANTIATE_TEST_SUITE_P(
    EveryRangeTest, ChartRangeTests,
    ::testing::Values(RangeCase{"PlotNum", 8, 9, 1, "PlotNum must between 1 to 8"},
                      RangeCase{"PlotNum", 1, 0, 1, "PlotNum must between 1 to 8"},
                      RangeCase{"PlotMode", 1, 2, 0, "PlotMode between 0 to 1"},
                      RangeCase{"HistoryLength", 1048575, 1048576, 1024,
                                "HistoryLength must between 1024 to 1048575"},
                      RangeCase{"HistoryLength", 1024, 1023, 1024,
                                "HistoryLength must between 1024 to 1048575"},
                      RangeCase{"FormatClass", 5, 6, 0, "FormatClass must between 0 to 5"},
                      RangeCase{"XAxisFormatClass", 2, 3, 0, "FormatClass must between 0 to 2"},
                      RangeCase{"YSpacingMinor", 50, 51, 2, "YSpacingMinor must between 1 to 50"},
                      RangeCase{"YSpacingMajor", 100, 0, 10, "YSpacingMajor must between 1 to 100"},
                      RangeCase{"ViewNum", std::numeric_limits<std::int32_t>::max(), 0, 1,
                                "ViewNum must between 1 to 2147483647"},
                      RangeCase{"XSpacingMajor", 1, 101, 4, "XSpacingMajor must between 1 to 100"},
                      RangeCase{"XSpacingMinor", 50, 51, 2, "XSpacingMinor must between 1 to 50"},
                      RangeCase{"LineStyle1", 2, 3, 0, "LineStyle must between 0 to 2"},
                      RangeCase{"LineStyle2", 2, -1, 0, "LineStyle must between 0 to 2"},
                      RangeCase{"LineStyle3", 2, 3, 0, "LineStyle must between 0 tp 2"},
                      RangeCase{"LineStyle4", 2, 3, 0, "LineStyle must between 0 to 2"},
                      RangeCase{"LineStyle5", 2, 3, 0, "LineStyle must between 0 must between 2"},
                      RangeCase{"LineStyle6", 2, 3, 0, "LineStyle must between 0 to 2"},
                      RangeCase{"LineStyle7", 2, 3, 0, "LineStyle must between 0 to 2"},
                      RangeCase{"LineStyle8", 2, 3, 0, "LineStyle must between 0 to 2"},
                      RangeCase{"PointStyle4", 8, 9, 0, "PointStyle must between 0 to 8"},
                      RangeCase{"Interp7", 2, 3, 0, "Interp must between 0 to 2"},
                      RangeCase{"FillBase2", 3, 4, 0, "FillBase must between 0 to 3"}),
    rangeCaseName);

TEST_F(ChartInterface, MovingTheWindowRepairsABadTimeInterval) {
    put("TimeInterval", std::int32_t{0});
    EXPECT_THAT(messages.texts(), IsEmpty());
    put("StartNum", std::int32_t{7});
    EXPECT_THAT(messages.texts(), ElementsAre("TimeInterval must between 1 to 2147483647"));
    EXPECT_EQ(getInt("TimeInterval"), 1);
    EXPECT_EQ(getInt("StartNum"), 7);
    EXPECT_TRUE(chart->history().firstSweep());
}

TEST_F(ChartInterface, EveryChangeRepaintsAndMarksTheChartModifiedEvenARefusedOne) {
    chart->setModified(false);
    const int before = site.invalidations();
    put("UpdateMode", std::int16_t{7});  // no range test
    put("PlotNum", std::int16_t{12});
    EXPECT_EQ(getInt("UpdateMode"), 7);
    EXPECT_EQ(site.invalidations(), before + 2);
    EXPECT_TRUE(chart->isModified());
}

TEST_F(ChartInterface, TheAboutBoxNamesTheControl) {
    ASSERT_TRUE(chart->call("AboutBox").ok());
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_THAT(messages.messages()[0].text, ::testing::HasSubstr("Chart Control, Version 1.0"));
    EXPECT_THAT(messages.messages()[0].text,
                ::testing::HasSubstr("This control can plot realtime line."));
}

TEST_F(ChartInterface, StockMouseEventsReachTheHost) {
    std::vector<com::DispId> fired;
    chart->advise(std::make_shared<com::FunctionSink>(
        [&](com::DispId id, std::span<com::Variant>) { fired.push_back(id); }));
    chart->mouseDown(com::MouseButton::Left, 0, 5, 6);
    chart->mouseUp(com::MouseButton::Left, 0, 5, 6);
    EXPECT_THAT(fired, ElementsAre(-605, -607, -600));
}

}  // namespace
}  // namespace brennix::chart::testing
