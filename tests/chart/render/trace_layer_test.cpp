// Fills composed through a trace layer against the surface's own polygon:
// the same pixels for every small shape a trace's fill takes, including the
// ones the layer hands back to the surface.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <vector>

#include "chart/render/trace_layer.h"
#include "platform/gfx/raster_canvas.h"

namespace brennix::chart {
namespace {

constexpr gfx::ColorRef kFill = gfx::rgb(30, 30, 200);

// A surface whose every pixel differs from its neighbours, so a pixel
// painted or left alone shows.
void speckle(gfx::RasterCanvas& canvas) {
    for (int y = 0; y < canvas.size().cy; ++y) {
        for (int x = 0; x < canvas.size().cx; ++x) {
            canvas.setPixel({x, y}, gfx::rgb(static_cast<std::uint8_t>(x * 13), 200,
                                             static_cast<std::uint8_t>(y * 7)));
        }
    }
}

std::string describe(const std::array<gfx::Point, 4>& c) {
    std::ostringstream out;
    for (const gfx::Point& p : c) {
        out << "(" << p.x << "," << p.y << ") ";
    }
    return out.str();
}

void expectSamePixels(const std::array<gfx::Point, 4>& corners) {
    gfx::RasterCanvas direct({20, 20});
    speckle(direct);
    direct.selectPen({gfx::PenStyle::Solid, 1, kFill});
    direct.selectBrush({gfx::BrushStyle::Solid, kFill});
    direct.polygon(corners);

    gfx::RasterCanvas layered({20, 20});
    speckle(layered);
    const std::unique_ptr<TraceLayer> layer = TraceLayer::make(layered);
    ASSERT_NE(layer, nullptr);
    layer->fill(corners, kFill);
    layer->compose();
    EXPECT_EQ(layered.bitmap(), direct.bitmap()) << describe(corners);
}

TEST(TraceLayerFill, EverySmallFillTowardsItsBasePaintsThePolygonsPixels) {
    // Previous point (3, from), point (3 + dx, to), base row `base`; the
    // edges of the surface cut some of them.
    for (int dx = 0; dx <= 5; ++dx) {
        for (int from = -1; from <= 8; ++from) {
            for (int to = -1; to <= 8; ++to) {
                for (int base = -1; base <= 8; ++base) {
                    expectSamePixels({{{3, from}, {3 + dx, to}, {3 + dx, base}, {3, base}}});
                }
            }
        }
    }
}

TEST(TraceLayerFill, SteepAndFarFillsPaintThePolygonsPixels) {
    std::mt19937 random(7);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    for (int i = 0; i < 400; ++i) {
        const int left = pick(-3, 19);
        const int right = pick(0, 3) == 0 ? pick(-3, 22) : left + pick(0, 12);
        const int base = pick(-4, 24);
        // Now and then a previous point clamped into the band: its corner at
        // the base stays where it was.
        const int away = pick(0, 5) == 0 ? pick(-3, 3) : 0;
        expectSamePixels(
            {{{left, pick(-4, 24)}, {right, pick(-4, 24)}, {right, base}, {left + away, base}}});
    }
}

TEST(TraceLayerFill, FillsComposeInTheirOrderOverTheScratchDraws) {
    // A marker drawn between two fills: the later fill paints over part of it.
    gfx::RasterCanvas direct({20, 20});
    gfx::RasterCanvas layered({20, 20});
    speckle(direct);
    speckle(layered);
    const std::unique_ptr<TraceLayer> layer = TraceLayer::make(layered);
    const std::array<gfx::Point, 4> first{{{2, 9}, {6, 6}, {6, 17}, {2, 17}}};
    const std::array<gfx::Point, 4> second{{{6, 6}, {9, 11}, {9, 17}, {6, 17}}};
    const gfx::Rect box{4, 4, 8, 8};

    direct.selectBrush({gfx::BrushStyle::Solid, kFill});
    direct.selectPen({gfx::PenStyle::Solid, 1, kFill});
    direct.polygon(first);
    direct.selectPen({gfx::PenStyle::Solid, 1, gfx::rgb(0, 250, 0)});
    direct.selectBrush({gfx::BrushStyle::Solid, gfx::rgb(0, 250, 0)});
    direct.ellipse(box);
    direct.selectPen({gfx::PenStyle::Solid, 1, kFill});
    direct.selectBrush({gfx::BrushStyle::Solid, kFill});
    direct.polygon(second);

    layer->fill(first, kFill);
    gfx::Canvas& scratch = layer->scratch();
    scratch.selectPen({gfx::PenStyle::Solid, 1, gfx::rgb(0, 250, 0)});
    scratch.selectBrush({gfx::BrushStyle::Solid, gfx::rgb(0, 250, 0)});
    scratch.ellipse(box);
    layer->touched(box.deflated(-1, -1));
    layer->fill(second, kFill);
    layer->compose();
    EXPECT_EQ(layered.bitmap(), direct.bitmap());
}

TEST(TraceLayerFill, RunsOfFillsAndDrawsComposeAsDrawnInTurn) {
    // A trace's worth of fills towards one base, markers and lines between
    // them, on surfaces whose width cuts the composing into uneven strips;
    // half of them lent, with rows further apart than their width.
    std::mt19937 random(11);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    constexpr int kWidth = 37;
    constexpr int kHeight = 23;
    constexpr gfx::ColorRef kMark = gfx::rgb(0, 250, 0);
    for (int trial = 0; trial < 80; ++trial) {
        gfx::RasterCanvas direct({kWidth, kHeight});
        gfx::RasterCanvas layered({kWidth, kHeight});
        std::vector<gfx::Pixel> lent;
        if (trial % 2 == 1) {
            constexpr int kStride = kWidth + 9;
            lent.assign(static_cast<std::size_t>(kStride) * kHeight, 0);
            layered.bitmap() = gfx::Bitmap::borrow(lent.data(), kWidth, kHeight, kStride);
        }
        speckle(direct);
        speckle(layered);
        const std::unique_ptr<TraceLayer> layer = TraceLayer::make(layered);
        ASSERT_NE(layer, nullptr);
        const int base = pick(-2, kHeight + 1);
        gfx::Point previous{pick(-3, 2), pick(-3, kHeight + 2)};
        while (previous.x < kWidth + 2) {
            const gfx::Point point{previous.x + pick(0, 4), pick(-3, kHeight + 2)};
            const std::array<gfx::Point, 4> corners{
                {previous, point, {point.x, base}, {previous.x, base}}};
            direct.selectPen({gfx::PenStyle::Solid, 1, kFill});
            direct.selectBrush({gfx::BrushStyle::Solid, kFill});
            direct.polygon(corners);
            layer->fill(corners, kFill);
            gfx::Canvas& scratch = layer->scratch();
            for (gfx::Canvas* canvas : {static_cast<gfx::Canvas*>(&direct), &scratch}) {
                canvas->selectPen({gfx::PenStyle::Solid, 1, kMark});
                canvas->selectBrush({gfx::BrushStyle::Solid, kMark});
                canvas->moveTo(previous);
                canvas->lineTo(point);
                if (point.y % 3 == 0) {
                    canvas->ellipse({point.x - 2, point.y - 2, point.x + 2, point.y + 2});
                }
            }
            layer->touched({std::min(previous.x, point.x) - 2, std::min(previous.y, point.y) - 2,
                            std::max(previous.x, point.x) + 3, std::max(previous.y, point.y) + 3});
            previous = point;
        }
        layer->compose();
        EXPECT_EQ(layered.bitmap(), direct.bitmap()) << "trial " << trial << ", base " << base;
    }
}

TEST(TraceLayerFill, NoLayerForASurfaceWithoutPixels) {
    gfx::RasterCanvas empty({0, 0});
    EXPECT_EQ(TraceLayer::make(empty), nullptr);
}

}  // namespace
}  // namespace brennix::chart
