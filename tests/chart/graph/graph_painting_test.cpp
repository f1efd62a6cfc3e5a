#include <gmock/gmock.h>

#include <limits>
#include <vector>

#include "tests/chart/graph/graph_fixture.h"

namespace brennix::chart::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

constexpr gfx::ColorRef kPlotColors[] = {gfx::rgb(200, 0, 0), gfx::rgb(0, 200, 0),
                                         gfx::rgb(0, 0, 200)};

// The PlotArea: the one rectangle filled with PlotAreaColor (black).
gfx::Rect plotArea(const std::vector<gfx::RecordedCall>& calls) {
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::FillRect && c.color == 0) {
            return c.rect;
        }
    }
    ADD_FAILURE() << "no PlotArea was filled";
    return {};
}

// Centres of the solid squares drawn in a colour.
std::vector<gfx::Point> markers(const std::vector<gfx::RecordedCall>& calls, gfx::ColorRef color) {
    std::vector<gfx::Point> found;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::Rectangle && c.pen.color == color) {
            found.push_back({c.rect.left + 2, c.rect.top + 2});
        }
    }
    return found;
}

std::vector<gfx::RecordedCall> linesOf(const std::vector<gfx::RecordedCall>& calls,
                                       gfx::ColorRef color) {
    std::vector<gfx::RecordedCall> found;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::LineTo && c.pen.color == color) {
            found.push_back(c);
        }
    }
    return found;
}

// The row of a value on the default 0 .. 10 scale.
int rowOf(const gfx::Rect& area, double v) {
    return static_cast<int>((area.bottom - area.top) * (10.0 - v) / 10.0 + area.top);
}

class GraphPainting : public GraphTest {
  protected:
    void markPlots(int plots) {
        for (int p = 1; p <= plots; ++p) {
            const std::string n = std::to_string(p);
            put(("PointStyle" + n).c_str(), std::int16_t{PS_SolidSquare});
            put(("PointColor" + n).c_str(), com::Variant::fromColor(kPlotColors[p - 1]));
            put(("LineColor" + n).c_str(), com::Variant::fromColor(kPlotColors[p - 1]));
        }
    }
};

TEST_F(GraphPainting, SevenValuesForThreePlotsDrawThreeThenTwoThenTwoPoints) {
    put("PlotNum", std::int16_t{3});
    put("ViewNum", std::int32_t{4});
    markPlots(3);
    plot({0, 1, 2, 3, 4, 5, 6});
    const auto calls = paint();
    const gfx::Rect area = plotArea(calls);
    const auto x = [&](int s) { return area.left + s * area.width() / 4; };
    EXPECT_THAT(markers(calls, kPlotColors[0]),
                ElementsAre(gfx::Point{x(0), rowOf(area, 0)}, gfx::Point{x(1), rowOf(area, 3)},
                            gfx::Point{x(2), rowOf(area, 6)}));
    EXPECT_THAT(markers(calls, kPlotColors[1]),
                ElementsAre(gfx::Point{x(0), rowOf(area, 1)}, gfx::Point{x(1), rowOf(area, 4)}));
    EXPECT_THAT(markers(calls, kPlotColors[2]),
                ElementsAre(gfx::Point{x(0), rowOf(area, 2)}, gfx::Point{x(1), rowOf(area, 5)}));
}

TEST_F(GraphPainting, PlotsAreDrawnOneAfterTheOther) {
    put("PlotNum", std::int16_t{2});
    markPlots(2);
    plot({1, 2, 3, 4});
    const auto calls = paint();
    std::vector<gfx::ColorRef> order;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::Rectangle) {
            order.push_back(c.pen.color);
        }
    }
    EXPECT_THAT(order, ElementsAre(kPlotColors[0], kPlotColors[0], kPlotColors[1], kPlotColors[1]));
}

TEST_F(GraphPainting, ANegativeStartNumSkipsThePositionsBeforeTheFirstSample) {
    put("StartNum", std::int32_t{-5});
    put("ViewNum", std::int32_t{10});
    markPlots(1);
    std::vector<double> values(20, 5.0);
    plot(values);
    const auto calls = paint();
    const gfx::Rect area = plotArea(calls);
    const auto drawn = markers(calls, kPlotColors[0]);
    // Positions -5 .. 5: the six from sample 0 on.
    ASSERT_THAT(drawn, SizeIs(6));
    EXPECT_EQ(drawn.front().x, area.left + 5 * area.width() / 10);
    EXPECT_EQ(drawn.back().x, area.right);
}

TEST_F(GraphPainting, ALineBridgesAValueOffTheScale) {
    put("ViewNum", std::int32_t{2});
    markPlots(1);
    plot({2, 50, 4});
    const auto calls = paint();
    const gfx::Rect area = plotArea(calls);
    const auto lines = linesOf(calls, kPlotColors[0]);
    const gfx::Point first{area.left, rowOf(area, 2)};
    const gfx::Point third{area.right, rowOf(area, 4)};
    ASSERT_THAT(lines, SizeIs(2));  // the first point's join on to itself, then the bridge
    EXPECT_EQ(lines[1].points, (std::vector<gfx::Point>{first, third}));
    EXPECT_THAT(markers(calls, kPlotColors[0]), ElementsAre(first, third));
}

TEST_F(GraphPainting, AfterClearGraphsOnlyTheFrameAxesAndLabelsArePainted) {
    put("XGridMajor", true);
    put("YGridMinor", true);
    const auto empty = paint();
    markPlots(1);
    put("FillBase1", std::int16_t{FB_Zero});
    plot({1, 5, 9, 3});
    EXPECT_GT(paint().size(), empty.size());
    ASSERT_TRUE(graph->call("ClearGraphs").ok());
    const auto cleared = paint();
    ASSERT_EQ(cleared.size(), empty.size());
    for (std::size_t i = 0; i < cleared.size(); ++i) {
        EXPECT_EQ(cleared[i].kind, empty[i].kind) << i;
        EXPECT_EQ(cleared[i].points, empty[i].points) << i;
        EXPECT_EQ(cleared[i].text, empty[i].text) << i;
    }
    EXPECT_THAT(markers(cleared, kPlotColors[0]), IsEmpty());
}

TEST_F(GraphPainting, AViewNumBelowOneDrawsTheAxesWithoutTracesOrXLabels) {
    markPlots(1);
    plot({1, 2, 3});
    for (std::int32_t view : {0, -7}) {
        put("ViewNum", view);
        const auto calls = paint();
        EXPECT_THAT(markers(calls, kPlotColors[0]), IsEmpty()) << view;
        EXPECT_THAT(linesOf(calls, kPlotColors[0]), IsEmpty()) << view;
        bool yLabel = false;
        bool xLabel = false;
        for (const auto& c : calls) {
            yLabel = yLabel || (c.kind == gfx::CallKind::TextOut && c.text == "10");
            xLabel = xLabel || (c.kind == gfx::CallKind::TextOut &&
                                c.textAlign == gfx::TextAlign::Center && !c.text.empty());
        }
        EXPECT_TRUE(yLabel) << view;
        EXPECT_FALSE(xLabel) << view;
    }
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(GraphPainting, TheXLabelsNumberTheSamplesFromStartNum) {
    put("StartNum", std::int32_t{-20});
    put("ViewNum", std::int32_t{40});
    std::vector<std::string> texts;
    for (const auto& c : paint()) {
        if (c.kind == gfx::CallKind::TextOut && c.textAlign == gfx::TextAlign::Center &&
            c.textColor == 0) {
            texts.push_back(c.text);
        }
    }
    EXPECT_THAT(texts, ElementsAre("-20", "-10", "0", "10", "20"));
}

TEST_F(GraphPainting, ARectangleLargerThanAnyPageDrawsNothing) {
    constexpr int kMost = std::numeric_limits<int>::max();
    constexpr int kLeast = std::numeric_limits<int>::min();
    plot({1, 5, 9, 3});
    for (gfx::Rect huge :
         {gfx::Rect{kLeast, 0, kMost, 100}, gfx::Rect{0, kLeast, 100, kMost},
          gfx::Rect{kMost - 8, 0, kLeast, 100}, gfx::Rect{0, 0, 1'300'000'000, 100},
          gfx::Rect{5, 5, 400, 5 + (1 << 21)}}) {
        gfx::RecordingCanvas canvas({400, 300}, gfx::FixedTextMeasure{{10, 8, 2, 10, 6}, 6});
        graph->draw(canvas, huge);
        EXPECT_THAT(canvas.calls(), IsEmpty());
    }
}

}  // namespace
}  // namespace brennix::chart::testing
