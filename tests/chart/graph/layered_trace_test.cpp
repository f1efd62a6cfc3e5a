// The Graph's traces composed through a layer against drawing each point as
// it comes: the same pixels and the same surface state afterwards, for every
// trace style, on randomized graphs of several plots.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <vector>

#include "chart/graph/graph_paint.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::chart {
namespace {

constexpr gfx::Rect kBand{14, 8, 170, 111};

struct RandomGraph {
    int plotNum = 1;
    std::vector<PlotStyle> styles;
    GraphSamples samples;
    GraphWindow window;
    double max = 10;
    double min = 0;
    gfx::ColorRef background = 0;
    std::string text;
};

class LayeredGraphTrace : public ::testing::Test {
  protected:
    RandomGraph randomGraph() {
        RandomGraph g;
        g.plotNum = pick(1, 8);
        std::ostringstream text;
        for (int p = 0; p < g.plotNum; ++p) {
            PlotStyle s;
            s.LineStyle = static_cast<std::int16_t>(pick(0, 2));
            s.LineWidth = static_cast<std::int16_t>(pick(0, 4) == 0 ? pick(2, 9) : pick(0, 1));
            s.PointStyle = static_cast<std::int16_t>(pick(0, 8));
            s.Interp = static_cast<std::int16_t>(pick(0, 3));
            s.FillBase = static_cast<std::int16_t>(pick(0, 3));
            s.LineColor = gfx::rgb(200, static_cast<std::uint8_t>(20 * p), 30);
            s.PointColor = gfx::rgb(30, 200, static_cast<std::uint8_t>(20 * p));
            // Now and then a fill in the colour of the line or of another plot's fill.
            s.FillColor = pick(0, 5) == 0 ? s.LineColor : gfx::rgb(30, 30, 100 + 10 * pick(0, 3));
            g.styles.push_back(s);
            text << s.LineStyle << "/" << s.LineWidth << "/" << s.PointStyle << "/" << s.Interp
                 << "/" << s.FillBase << " ";
        }
        // Few samples spread out, about one a column, or many crowding columns.
        const int perPlot = pick(0, 2) == 0 ? pick(2, 40) : pick(100, 900);
        g.window.StartNum = pick(0, 3) == 0 ? pick(-30, -1) : pick(0, 20);
        g.window.ViewNum = pick(0, 2) == 0 ? pick(1, 60) : pick(100, 1200);
        const bool noisy = pick(0, 2) == 0;
        std::vector<double> values;
        for (int s = 0; s < perPlot * g.plotNum + pick(0, g.plotNum - 1); ++s) {
            values.push_back(noisy ? pickReal(-3, 13)
                                   : 5 + 5.5 * std::sin(s * 0.011 * (1 + s % g.plotNum)) +
                                         pickReal(0, 0.3));
        }
        g.samples.assign(values);
        g.max = pick(0, 4) == 0 ? -2.0 : 8.0;  // now and then upside down
        g.min = g.max < 0 ? 9.0 : pick(0, 1) == 0 ? 0.0 : -3.0;
        g.background = gfx::rgb(static_cast<std::uint8_t>(pick(0, 255)), 90, 90);
        text << "plots " << g.plotNum << ", " << perPlot << " samples, StartNum "
             << g.window.StartNum << ", ViewNum " << g.window.ViewNum << ", scale " << g.min << ".."
             << g.max << (noisy ? ", noise" : ", waves");
        g.text = text.str();
        return g;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double pickReal(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }

    std::mt19937 random_{20261209};
};

struct Painted {
    gfx::Bitmap bitmap;
    gfx::Point position;
    gfx::Pen pen;
    gfx::Brush brush;
};

Painted paint(const RandomGraph& g, bool layered) {
    gfx::RasterCanvas canvas({184, 120});
    canvas.fillRect({0, 0, 184, 120}, gfx::rgb(240, 240, 240));
    canvas.fillRect(kBand, gfx::rgb(10, 10, 10));
    canvas.setBackgroundColor(g.background);
    canvas.moveTo({3, 4});
    const std::unique_ptr<TraceLayer> layer = layered ? TraceLayer::make(canvas) : nullptr;
    for (int p = 0; p < g.plotNum; ++p) {
        drawGraphTrace(canvas, kBand, g.styles[static_cast<std::size_t>(p)], g.samples, p,
                       g.plotNum, g.window, g.max, g.min, layer.get());
    }
    return {canvas.bitmap(), canvas.currentPosition(), canvas.pen(), canvas.brush()};
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

TEST_F(LayeredGraphTrace, EveryStyleComposedPaintsThePixelsOfDrawingEachPoint) {
    for (int i = 0; i < 60; ++i) {
        const RandomGraph g = randomGraph();
        const Painted composed = paint(g, true);
        const Painted direct = paint(g, false);
        EXPECT_EQ(differing(composed.bitmap, direct.bitmap), 0) << "graph " << i << ": " << g.text;
        EXPECT_EQ(composed.position, direct.position) << "graph " << i << ": " << g.text;
        EXPECT_EQ(composed.pen, direct.pen);
        EXPECT_EQ(composed.brush, direct.brush);
    }
}

}  // namespace
}  // namespace brennix::chart
