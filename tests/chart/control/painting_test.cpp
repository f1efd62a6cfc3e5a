#include <gmock/gmock.h>

#include <algorithm>
#include <limits>
#include <set>
#include <string>
#include <utility>

#include "platform/com/property_exchange.h"
#include "platform/gfx/raster_canvas.h"
#include "tests/chart/control/chart_fixture.h"

namespace brennix::chart::testing {
namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::SizeIs;

constexpr gfx::ColorRef kMagenta = gfx::rgb(255, 0, 255);

std::vector<gfx::RecordedCall> linesIn(const std::vector<gfx::RecordedCall>& calls,
                                       gfx::ColorRef color, int width = 1) {
    std::vector<gfx::RecordedCall> lines;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::LineTo && c.pen.color == color &&
            std::max(c.pen.width, 1) == width) {
            lines.push_back(c);
        }
    }
    return lines;
}

// The bands are the rectangles filled with PlotAreaColor (black by default).
std::vector<gfx::Rect> bands(const std::vector<gfx::RecordedCall>& calls) {
    std::vector<gfx::Rect> found;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::FillRect && c.color == 0) {
            found.push_back(c.rect);
        }
    }
    return found;
}

class ChartPainting : public ChartTest {
  protected:
    void SetUp() override { ASSERT_TRUE(chart->call("InitControl").ok()); }
    void resizeForTwoPlots() {
        ASSERT_TRUE(chart->call("ReleaseControl").ok());
        put("PlotNum", std::int16_t{2});
        ASSERT_TRUE(chart->call("InitControl").ok());
    }
};

TEST_F(ChartPainting, AScopePageAfterTheJumpFillsFromTheLeft) {
    put("UpdateMode", std::int16_t{UM_Scope});
    plotRamp(102);
    const auto calls = paint();
    const auto band = bands(calls);
    ASSERT_THAT(band, SizeIs(1));
    const auto lines = linesIn(calls, kMagenta);
    ASSERT_FALSE(lines.empty());
    const int secondPosition = band[0].left + band[0].width() / 100;
    for (const auto& line : lines) {
        EXPECT_LE(line.points[1].x, secondPosition);
    }
}

TEST_F(ChartPainting, TheSweepCursorStandsAfterTheNewestSampleWithTheOldPageBehindIt) {
    put("UpdateMode", std::int16_t{UM_Sweep});
    put("ViewNum", std::int32_t{10});
    plotRamp(15);  // the page jumped to 10 at the twelfth sample
    ASSERT_EQ(getInt("StartNum"), 10);
    const auto calls = paint();
    const gfx::Rect band = bands(calls).at(0);
    const auto cursor = linesIn(calls, gfx::rgb(255, 0, 0), 2);
    ASSERT_THAT(cursor, SizeIs(1));
    const int x = band.left + (14 - 10) * band.width() / 10;
    EXPECT_EQ(cursor[0].points[0], (gfx::Point{x, band.top}));
    EXPECT_EQ(cursor[0].points[1], (gfx::Point{x, band.bottom}));
    const auto trace = linesIn(calls, kMagenta);
    EXPECT_TRUE(
        std::any_of(trace.begin(), trace.end(), [&](const auto& l) { return l.points[1].x < x; }));
    EXPECT_TRUE(
        std::any_of(trace.begin(), trace.end(), [&](const auto& l) { return l.points[1].x > x; }));
}

TEST_F(ChartPainting, StackedPlotsGetABandEach) {
    resizeForTwoPlots();
    put("PlotMode", std::int16_t{PM_Stacked});
    put("LineColor2", color(0, 200, 0));
    for (int i = 0; i < 30; ++i) {
        plot({5.0, 5.0});
    }
    const auto calls = paint();
    const auto area = bands(calls);
    ASSERT_THAT(area, SizeIs(2));
    EXPECT_GT(area[1].top, area[0].bottom);
    for (const auto& l : linesIn(calls, kMagenta)) {
        EXPECT_LE(l.points[1].y, area[0].bottom);
    }
    for (const auto& l : linesIn(calls, gfx::rgb(0, 200, 0))) {
        EXPECT_GE(l.points[1].y, area[1].top);
    }
}

TEST_F(ChartPainting, AStripRunOnTheRasterShowsTheTraceUntilCleared) {
    for (int i = 0; i < 300; ++i) {
        plot({5.0});
    }
    gfx::RasterCanvas canvas({400, 300});
    chart->draw(canvas, {0, 0, 400, 300});
    auto magentaRows = [&] {
        std::set<int> rows;
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < 400; ++x) {
                if (canvas.bitmap().row(y)[x] == gfx::toPixel(kMagenta)) {
                    rows.insert(y);
                }
            }
        }
        return rows;
    };
    EXPECT_THAT(magentaRows(), SizeIs(1));  // a constant value is one flat line
    ASSERT_TRUE(chart->call("ClearCharts").ok());
    chart->draw(canvas, {0, 0, 400, 300});
    EXPECT_THAT(magentaRows(), SizeIs(0));
}

TEST_F(ChartPainting, TimeLabelsWrapPastMidnight) {
    put("XAxisFormatClass", std::int16_t{1});
    put("TimeBase0", std::int16_t{23});
    put("TimeBase1", std::int16_t{59});
    put("TimeBase2", std::int16_t{50});
    put("TimeInterval", std::int32_t{15});
    put("ViewNum", std::int32_t{4});
    std::vector<std::string> texts;
    for (const auto& c : paint()) {
        if (c.kind == gfx::CallKind::TextOut) {
            texts.push_back(c.text);
        }
    }
    EXPECT_THAT(texts, Contains("23:59:50"));
    EXPECT_THAT(texts, Contains("00:00:05"));
}

TEST_F(ChartPainting, AnInvalidBaseDateIsReportedOncePerLabel) {
    put("XAxisFormatClass", std::int16_t{2});
    put("TimeBase0", std::int16_t{1990});
    paint();
    EXPECT_THAT(messages.texts(), SizeIs(5));
    EXPECT_THAT(messages.texts(), Each(std::string("XValueToStr Error.")));
}

// Every property that shapes a paint must reach it: a change of any of these
// from the baseline shows in the recorded drawing.
TEST_F(ChartPainting, EveryDrawingPropertyChangesThePaint) {
    resizeForTwoPlots();
    for (const char* on : {"YTickRight", "YLabelRight", "XTickAbove", "XLabelAbove", "YGridMajor",
                           "YGridMinor", "XGridMajor", "XGridMinor"}) {
        put(on, true);
    }
    for (int i = 0; i < 40; ++i) {
        plot({2.0 + (i % 5), 6.0 - (i % 3)});
    }
    const std::pair<const char*, com::Variant> changes[] = {{"BkColor", color(1, 2, 3)},
                                                            {"PlotAreaColor", color(0, 0, 9)},
                                                            {"PlotMode", std::int16_t{1}},
                                                            {"Format", std::int16_t{1}},
                                                            {"FormatClass", std::int16_t{3}},
                                                            {"XAxisFormat", std::int16_t{1}},
                                                            {"XAxisFormatClass", std::int16_t{1}},
                                                            {"YSpacingMinor", std::int16_t{3}},
                                                            {"YSpacingMajor", std::int16_t{4}},
                                                            {"YMajorTickMark", false},
                                                            {"YMajorTickColor", color(9, 9, 9)},
                                                            {"YMinorTickMark", false},
                                                            {"YMinorTickColor", color(9, 9, 9)},
                                                            {"ScaleMaximum", 20.0},
                                                            {"ScaleMinimum", -5.0},
                                                            {"YTickLeft", false},
                                                            {"YTickRight", false},
                                                            {"YLabelLeft", false},
                                                            {"YLabelRight", false},
                                                            {"XTickBottom", false},
                                                            {"XTickAbove", false},
                                                            {"XLabelAbove", false},
                                                            {"XLabelBottom", false},
                                                            {"XMajorTickMark", false},
                                                            {"XMinorTickMark", false},
                                                            {"XMajorTickColor", color(9, 9, 9)},
                                                            {"XMinorTickColor", color(9, 9, 9)},
                                                            {"YLabelColor", color(9, 9, 9)},
                                                            {"YGridMajor", false},
                                                            {"YGridMinor", false},
                                                            {"YGridMajorColor", color(9, 9, 9)},
                                                            {"YGridMinorColor", color(9, 9, 9)},
                                                            {"XGridMajor", false},
                                                            {"XGridMinor", false},
                                                            {"XGridMajorColor", color(9, 9, 9)},
                                                            {"XGridMinorColor", color(9, 9, 9)},
                                                            {"StartNum", std::int32_t{3}},
                                                            {"ViewNum", std::int32_t{50}},
                                                            {"XSpacingMajor", std::int16_t{5}},
                                                            {"XSpacingMinor", std::int16_t{3}},
                                                            {"XLabelColor", color(9, 9, 9)},
                                                            {"Caption", "Level"},
                                                            {"ForeColor", color(9, 9, 9)},
                                                            {"LineStyle2", std::int16_t{1}},
                                                            {"LineWidth1", std::int16_t{3}},
                                                            {"PointStyle2", std::int16_t{6}},
                                                            {"Interp1", std::int16_t{1}},
                                                            {"FillBase2", std::int16_t{1}},
                                                            {"LineColor2", color(9, 9, 9)},
                                                            {"PointColor1", color(9, 9, 9)},
                                                            {"FillColor1", color(9, 9, 9)},
                                                            {"PlotNum", std::int16_t{1}}};
    // Fills and markers must be on for their colours to show.
    put("PointStyle1", std::int16_t{1});
    put("FillBase1", std::int16_t{2});
    put("Caption", "Flow");
    const std::string baseline = com::PropertyExchange::save(*chart);
    const auto reference = paint();
    for (const auto& [name, value] : changes) {
        put(name, value);
        const auto changed = paint();
        EXPECT_FALSE(changed.size() == reference.size() &&
                     std::equal(changed.begin(), changed.end(), reference.begin(),
                                [](const auto& a, const auto& b) {
                                    return a.kind == b.kind && a.points == b.points &&
                                           a.rect == b.rect && a.text == b.text &&
                                           a.color == b.color && a.pen == b.pen &&
                                           a.brush == b.brush && a.textColor == b.textColor &&
                                           a.backgroundColor == b.backgroundColor;
                                }))
            << name << " does not reach the paint";
        ASSERT_TRUE(com::PropertyExchange::load(*chart, baseline).ok());
    }
}

TEST_F(ChartPainting, ATinyChartWithAFillStillPaintsInsideItsRectangle) {
    put("FillBase1", std::int16_t{FB_Zero});
    for (int i = 0; i < 40; ++i) {
        plot({static_cast<double>(i % 7) - 3.0});
    }
    for (int side : {1, 2, 5, 12, 20, 29, 33}) {
        for (gfx::Rect area :
             {gfx::Rect{10, 10, 10 + side, 50}, gfx::Rect{10, 10, 50, 10 + side}}) {
            SCOPED_TRACE(side);
            gfx::RasterCanvas canvas({60, 60});
            const auto untouched = canvas.bitmap().row(0)[0];
            chart->draw(canvas, area);
            int outside = 0;
            int inside = 0;
            for (int y = 0; y < 60; ++y) {
                for (int x = 0; x < 60; ++x) {
                    const bool changed = canvas.bitmap().row(y)[x] != untouched;
                    (area.contains({x, y}) ? inside : outside) += changed;
                }
            }
            EXPECT_EQ(outside, 0);
            EXPECT_GT(inside, 0);
        }
    }
}

TEST_F(ChartPainting, ARectangleLargerThanAnyPageDrawsNothing) {
    constexpr int kMost = std::numeric_limits<int>::max();
    constexpr int kLeast = std::numeric_limits<int>::min();
    for (gfx::Rect huge : {gfx::Rect{kLeast, 0, kMost, 100}, gfx::Rect{0, kLeast, 100, kMost},
                           gfx::Rect{kMost, 0, kLeast, 100}, gfx::Rect{0, 0, 1'300'000'000, 100},
                           gfx::Rect{5, 5, 400, 5 + (1 << 21)}}) {
        gfx::RecordingCanvas canvas({400, 300}, kMeasure);
        chart->draw(canvas, huge);
        EXPECT_TRUE(canvas.calls().empty());
    }
}

}  // namespace
}  // namespace brennix::chart::testing
