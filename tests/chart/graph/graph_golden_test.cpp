// A whole Graph frame as a person sees it. Set BRENNIX_UPDATE_GOLDEN=1 to
// rewrite the picture after a change meant to alter it, and look at it
// before committing.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "chart/graph/graph_paint.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::chart {
namespace {

void expectMatchesGolden(const gfx::Bitmap& actual, const std::string& name) {
    const std::filesystem::path golden = std::filesystem::path(BRENNIX_GRAPH_GOLDEN_DIR) / name;
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

TEST(GraphGolden, EightInterleavedPlotsEachInItsOwnStyle) {
    ChartAppearance a;
    a.Caption = "Eight channels";
    a.BkColor = gfx::rgb(212, 208, 200);
    a.PlotAreaColor = gfx::rgb(16, 24, 32);
    a.PlotNum = 8;
    a.ScaleMinimum = -1;
    a.ScaleMaximum = 17;
    a.YSpacingMajor = 6;
    a.XGridMajor = a.YGridMajor = true;
    a.XGridMajorColor = a.YGridMajorColor = gfx::rgb(70, 70, 90);
    a.YLabelRight = a.YTickRight = true;
    PlotStyles plots{};
    const gfx::ColorRef colors[8] = {gfx::rgb(255, 80, 80),   gfx::rgb(255, 170, 0),
                                     gfx::rgb(240, 240, 60),  gfx::rgb(90, 230, 90),
                                     gfx::rgb(60, 220, 220),  gfx::rgb(90, 140, 255),
                                     gfx::rgb(200, 110, 255), gfx::rgb(240, 240, 240)};
    for (std::size_t p = 0; p < plots.size(); ++p) {
        PlotStyle& s = plots[p];
        s.LineColor = colors[p];
        s.PointColor = colors[(p + 3) % 8];
        s.FillColor = gfx::rgb(40 + 10 * static_cast<int>(p), 40, 70);
        s.LineStyle = static_cast<std::int16_t>(p % 3);
        s.LineWidth = static_cast<std::int16_t>(p == 4 || p == 6 ? 3 : 1);
        s.PointStyle = static_cast<std::int16_t>(p + 1);  // every marker, plot 8 the cross
        s.Interp = static_cast<std::int16_t>(p % 3);
    }
    plots[0].FillBase = FB_Zero;
    plots[5].FillBase = FB_MinusInfinity;
    // 8 plots of 30 samples, interleaved; plot 5 dips off the scale once.
    std::vector<double> values;
    for (int s = 0; s < 30; ++s) {
        for (int p = 0; p < 8; ++p) {
            double v = 1 + 2 * p + 0.9 * std::sin(0.35 * s + p);
            if (p == 4 && s == 14) {
                v = -40;
            }
            values.push_back(v);
        }
    }
    GraphSamples samples;
    samples.assign(values);
    gfx::RasterCanvas canvas({560, 380});
    paintGraph(canvas, {0, 0, 560, 380}, a, plots, samples, {0, 29});
    expectMatchesGolden(canvas.bitmap(), "eight-plots.png");
}

}  // namespace
}  // namespace brennix::chart
