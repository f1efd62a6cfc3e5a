// The bounded Chart trace against the straightforward one that draws every
// position of the window: the same pixels for every trace style, in every
// update mode, on randomized charts whose columns hold whole rings.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <vector>

#include "chart/render/chart_trace.h"
#include "platform/gfx/raster_canvas.h"
#include "tests/chart/history/history_helpers.h"

namespace brennix::chart {
namespace {

struct RandomChart {
    std::int16_t mode = UM_Strip;
    std::int32_t viewNum = 100;
    int samples = 0;
    PlotStyle style;
    double max = 10;
    double min = 0;
    gfx::ColorRef background = 0;

    std::string describe() const {
        std::ostringstream out;
        out << "mode " << mode << ", ViewNum " << viewNum << ", " << samples << " samples, style "
            << style.LineStyle << "/" << style.LineWidth << "/" << style.PointStyle << "/"
            << style.Interp << "/" << style.FillBase << ", scale " << min << ".." << max;
        return out.str();
    }
};

constexpr int kPlot = 2;
constexpr gfx::Rect kBand{12, 9, 132, 101};

class BoundedTrace : public ::testing::Test {
  protected:
    RandomChart randomChart() {
        RandomChart c;
        c.mode = static_cast<std::int16_t>(pick(0, 2));
        // Mostly columns of a whole ring (128 cells) or more, some less.
        c.viewNum = pick(0, 4) == 0 ? pick(200, 3000) : pick(16000, 60000);
        c.samples = pick(60, 420);
        c.style.LineStyle = static_cast<std::int16_t>(pick(0, 2));
        c.style.LineWidth = static_cast<std::int16_t>(pick(0, 5));
        c.style.PointStyle = static_cast<std::int16_t>(pick(0, 8));
        c.style.Interp = static_cast<std::int16_t>(pick(0, 3));
        c.style.FillBase = static_cast<std::int16_t>(pick(0, 3));
        c.style.LineColor = gfx::rgb(200, 30, 30);
        c.style.PointColor = gfx::rgb(30, 200, 30);
        c.style.FillColor = gfx::rgb(30, 30, 200);
        c.max = pick(0, 5) == 0 ? -2.0 : 8.0;  // now and then upside down
        c.min = c.max < 0 ? 6.0 : -1.0;
        c.background = gfx::rgb(static_cast<std::uint8_t>(pick(0, 255)), 90, 90);
        return c;
    }

    // Values mostly in the scale, some beyond it, in waves or noise.
    ChartHistory historyOf(const RandomChart& c) {
        ChartHistory history = testing::initialised(8, c.mode, c.viewNum);
        const bool noisy = pick(0, 1) == 1;
        for (int i = 0; i < c.samples; ++i) {
            std::array<double, ChartHistory::kMaxPlots> row{};
            for (double& v : row) {
                v = noisy ? pickReal(-3, 11) : 3.5 + 4.5 * std::sin(i * 0.21) + pickReal(0, 0.4);
            }
            (void)history.plotCharts(std::span<const double>(row));
        }
        return history;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double pickReal(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }

    std::mt19937 random_{20261209};
};

// Lent: on a surface a host lends, its rows further apart than its width.
gfx::Bitmap paint(const RandomChart& c, const ChartHistory& history, bool everyPosition,
                  bool lent = false) {
    gfx::RasterCanvas canvas({150, 120});
    std::vector<gfx::Pixel> pixels;
    if (lent) {
        pixels.assign(std::size_t{157} * 120, 0);
        canvas.bitmap() = gfx::Bitmap::borrow(pixels.data(), 150, 120, 157);
    }
    canvas.fillRect({0, 0, 150, 120}, gfx::rgb(240, 240, 240));
    canvas.setBackgroundColor(c.background);
    if (everyPosition) {
        drawChartTraceEveryPosition(canvas, kBand, c.style, history, kPlot, c.max, c.min);
    } else {
        const std::unique_ptr<TraceLayer> layer = TraceLayer::make(canvas);
        drawChartTrace(canvas, kBand, c.style, history, kPlot, c.max, c.min, layer.get());
    }
    return canvas.bitmap();
}

int differing(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return n;
}

TEST_F(BoundedTrace, EveryStyleInEveryModePaintsThePixelsOfDrawingEveryPosition) {
    for (int i = 0; i < 36; ++i) {
        const RandomChart c = randomChart();
        const ChartHistory history = historyOf(c);
        const gfx::Bitmap bounded = paint(c, history, false);
        const gfx::Bitmap every = paint(c, history, true);
        EXPECT_EQ(differing(bounded, every), 0) << "chart " << i << ": " << c.describe();
    }
}

TEST_F(BoundedTrace, SweepsWithMarkersAndFillsPaintThePixelsOfDrawingEveryPosition) {
    // Every column holds whole rings and a cursor: most columns paint only
    // what their right neighbours leave, and most first points are hidden.
    // Every other chart is painted on a lent surface.
    for (int i = 0; i < 16; ++i) {
        RandomChart c = randomChart();
        c.mode = UM_Sweep;
        c.viewNum = pick(20000, 70000);
        c.samples = pick(140, 420);
        c.style.PointStyle = static_cast<std::int16_t>(pick(1, 8));
        c.style.FillBase = static_cast<std::int16_t>(pick(1, 3));
        c.style.LineWidth = static_cast<std::int16_t>(pick(0, 2) == 0 ? pick(2, 7) : pick(0, 1));
        const ChartHistory history = historyOf(c);
        EXPECT_EQ(differing(paint(c, history, false, i % 2 == 1), paint(c, history, true)), 0)
            << "chart " << i << ": " << c.describe();
    }
}

}  // namespace
}  // namespace brennix::chart
