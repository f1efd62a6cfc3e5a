// Whole frames as a person sees them. Set BRENNIX_UPDATE_GOLDEN=1 to rewrite
// the pictures after a change meant to alter them, and look at them before
// committing.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "chart/render/chart_paint.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/raster_canvas.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

void expectMatchesGolden(const gfx::Bitmap& actual, const std::string& name) {
    const std::filesystem::path golden = std::filesystem::path(BRENNIX_CHART_GOLDEN_DIR) / name;
    std::string error;
    if (std::getenv("BRENNIX_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(gfx::savePng(actual, golden.string(), error)) << error;
    }
    const auto expected = gfx::loadPng(golden.string(), error);
    ASSERT_TRUE(expected.has_value()) << error;
    ASSERT_EQ(expected->size(), actual.size());
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            differing += actual.pixel(x, y) != expected->pixel(x, y) ? 1 : 0;
        }
    }
    if (differing != 0) {
        const auto out = std::filesystem::temp_directory_path() / ("actual-" + name);
        gfx::savePng(actual, out.string(), error);
        ADD_FAILURE() << differing << " pixels differ from " << golden << "; got " << out;
    }
}

void feedWaves(ChartHistory& history, int samples) {
    for (int i = 0; i < samples; ++i) {
        std::array<double, ChartHistory::kMaxPlots> row{};
        for (std::size_t p = 0; p < row.size(); ++p) {
            const double phase = i * (0.08 + 0.03 * static_cast<double>(p));
            row[p] = 5 + 4 * std::sin(phase) - static_cast<double>(p);
        }
        (void)history.plotCharts(std::span<const double>(row));
    }
}

TEST(GoldenFrames, StripChartWithGridsAndTwoTraces) {
    ChartAppearance a;
    a.Caption = "Tank level";
    a.BkColor = gfx::rgb(212, 208, 200);
    a.PlotNum = 2;
    a.XGridMajor = a.XGridMinor = a.YGridMajor = true;
    a.YLabelRight = a.YTickRight = true;
    a.YFormat = {format_class::Number, 2};
    a.ScaleMinimum = -2;
    PlotStyles plots;
    plots[0].LineWidth = 2;
    plots[1].LineColor = gfx::rgb(0, 255, 255);
    plots[1].LineStyle = LS_Dash;
    plots[1].PointStyle = PS_EmptyCircle;
    plots[1].PointColor = gfx::rgb(255, 255, 0);

    ChartHistory history = testing::initialised(2, UM_Strip, 60);
    feedWaves(history, 150);
    gfx::RasterCanvas screen({420, 300});
    paintChart(screen, {10, 10, 410, 290}, a, plots, history);
    expectMatchesGolden(screen.bitmap(), "strip-grids.png");
}

TEST(GoldenFrames, FourStackedPlotsSweepingOverThePreviousPage) {
    ChartAppearance a;
    a.BkColor = gfx::rgb(212, 208, 200);
    a.PlotAreaColor = gfx::rgb(0, 0, 64);
    a.PlotNum = 4;
    a.PlotMode = PM_Stacked;
    a.YSpacingMajor = 2;
    a.ScaleMinimum = -4;
    a.XLabelAbove = a.XTickAbove = true;
    PlotStyles plots;
    const std::int16_t fills[] = {FB_None, FB_Zero, FB_MinusInfinity, FB_PlusInfinity};
    const std::int16_t interps[] = {IP_Direct, IP_XY, IP_YX, IP_Direct};
    const std::int16_t points[] = {PS_SolidSquare, PS_EmptyDiamond, PS_X, PS_Cross};
    for (std::size_t p = 0; p < 4; ++p) {
        plots[p].FillBase = fills[p];
        plots[p].Interp = interps[p];
        plots[p].PointStyle = points[p];
    }

    ChartHistory history = testing::initialised(4, UM_Sweep, 40);
    feedWaves(history, 70);
    gfx::RasterCanvas screen({400, 360});
    paintChart(screen, {0, 0, 400, 360}, a, plots, history);
    expectMatchesGolden(screen.bitmap(), "stacked-sweep.png");
}

}  // namespace
}  // namespace brennix::chart
