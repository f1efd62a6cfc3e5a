// The order a frame is painted in decides what lies over what.

#include <gtest/gtest.h>

#include "tests/chart/axes/axes_fixture.h"

namespace brennix::chart::testing {
namespace {

using gfx::CallKind;

class DrawingOrderTest : public AxesTest {
  protected:
    DrawingOrderTest() {
        a_.PlotAreaColor = gfx::rgb(9, 9, 9);
        a_.XMajorTickColor = gfx::rgb(3, 0, 0);
        a_.YMajorTickColor = gfx::rgb(1, 0, 0);
        a_.XGridMajor = true;
        a_.YGridMajor = true;
    }

    // Index of the first call after from that satisfies pred; -1 if none.
    template <typename Pred>
    int firstAfter(int from, Pred pred) const {
        const auto& calls = canvas_.calls();
        for (int i = from + 1; i < static_cast<int>(calls.size()); ++i) {
            if (pred(calls[static_cast<std::size_t>(i)])) {
                return i;
            }
        }
        return -1;
    }
    int lineIn(int from, gfx::ColorRef color) const {
        return firstAfter(from, [color](const gfx::RecordedCall& c) {
            return c.kind == CallKind::LineTo && c.pen.width == 1 && c.pen.color == color;
        });
    }
    int bandFill(int from) const {
        return firstAfter(from, [this](const gfx::RecordedCall& c) {
            return c.kind == CallKind::FillRect && c.color == a_.PlotAreaColor;
        });
    }
};

TEST_F(DrawingOrderTest, BorderThenBackgroundThenXTicksThenEachBandWithGridsAxisAndTraces) {
    a_.PlotMode = PM_Stacked;
    a_.PlotNum = 2;
    std::vector<int> traceAt;
    draw([&](int, const gfx::Rect&) {
        traceAt.push_back(static_cast<int>(canvas_.calls().size()));
    });

    const auto& calls = canvas_.calls();
    ASSERT_GT(calls.size(), 7U);
    const auto border = canvas_.callsOf(CallKind::LineTo);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(border[i].pen.width, 4);
        EXPECT_EQ(border[i].pen.color, i < 2 ? gfx::rgb(255, 255, 255) : gfx::rgb(0, 0, 0));
    }
    EXPECT_EQ(border[0].points, (std::vector<gfx::Point>{{0, 226}, {0, 0}}));
    EXPECT_EQ(border[1].points, (std::vector<gfx::Point>{{0, 0}, {314, 0}}));
    EXPECT_EQ(border[3].points, (std::vector<gfx::Point>{{314, 226}, {0, 226}}));
    // Two moves and four lines of border, then the background.
    EXPECT_EQ(calls[6].kind, CallKind::FillRect);
    EXPECT_EQ(calls[6].rect, (gfx::Rect{1, 1, 313, 225}));

    const int xTicks = lineIn(6, a_.XMajorTickColor);
    const int band0 = bandFill(6);
    ASSERT_GE(xTicks, 0);
    EXPECT_LT(xTicks, band0);
    ASSERT_EQ(traceAt.size(), 2U);
    const int band1 = bandFill(band0);
    ASSERT_GT(band1, band0);

    for (int fill : {band0, band1}) {
        const int xGrid = lineIn(fill, a_.XGridMajorColor);
        const int yTick = lineIn(fill, a_.YMajorTickColor);
        EXPECT_LT(xGrid, yTick) << "the X grid lies under the Y grid in the Chart";
    }
    EXPECT_LT(lineIn(band0, a_.YMajorTickColor), traceAt[0]);
    EXPECT_LE(traceAt[0], band1);
    EXPECT_LT(lineIn(band1, a_.YMajorTickColor), traceAt[1]);
}

TEST_F(DrawingOrderTest, TheGraphLaysItsXGridAndTicksOverTheYAxis) {
    canvas_.clear();
    int traceAt = -1;
    drawAxes(
        canvas_, kBounds, a_, XTickWindow::forGraph(0, 100, 4),
        [&](int, const gfx::Rect&) { traceAt = static_cast<int>(canvas_.calls().size()); },
        AxesOrder::Graph);
    const int fill = bandFill(6);
    const int yTick = lineIn(fill, a_.YMajorTickColor);
    const int xGrid = lineIn(fill, a_.XGridMajorColor);
    const int xTick = lineIn(fill, a_.XMajorTickColor);
    ASSERT_GE(fill, 0);
    EXPECT_LT(yTick, xGrid);
    EXPECT_LT(xGrid, xTick);
    EXPECT_GT(traceAt, xTick);
}

}  // namespace
}  // namespace brennix::chart::testing
