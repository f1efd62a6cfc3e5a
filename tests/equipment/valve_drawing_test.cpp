#include <gtest/gtest.h>

#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"
#include "tests/equipment/symbol_calls.h"

namespace brennix::equipment::testing {
namespace {

constexpr gfx::ColorRef kSymbol = 0x3366CC;
constexpr gfx::ColorRef kValveGrey = 0xCFCFCF;

std::shared_ptr<CEquipmentCtrl> valve(int style) {
    auto v = createStyled("Value", style);
    EXPECT_TRUE(v->put("ValueColor", com::Variant::fromColor(kSymbol)).ok());
    return v;
}

struct ValveCase {
    int style;
    gfx::Rect bounds;
    std::vector<Drawn> drawn;
};

std::vector<Drawn> withWings(std::vector<Drawn> head) {
    // The butterfly wings and seat line of 120 x 120 at (10, 20).
    head.push_back(polygon({{10, 80}, {10, 140}, {70, 110}}, kSymbol));
    head.push_back(polygon({{70, 110}, {129, 140}, {129, 80}}, kSymbol));
    head.push_back(line({130, 140}, {130, 80}, 3, kSymbol));
    return head;
}

const std::vector<ValveCase> kValves{
    {0,
     {10, 20, 130, 140},
     {ellipse(90, 20, 110, 60, kSymbol), rect(40, 20, 100, 60, kSymbol),
      line({100, 22}, {100, 58}, 2, kSymbol), ellipse(30, 20, 50, 60, kSymbol),
      rect(55, 60, 85, 100, kSymbol), ellipse(100, 80, 130, 140, kSymbol),
      ellipse(97, 80, 127, 140, kSymbol), rect(25, 100, 115, 120, kSymbol),
      ellipse(13, 80, 43, 140, kSymbol), ellipse(10, 80, 40, 140, kSymbol)}},
    {1,
     {10, 20, 130, 176},
     {pie({30, 20, 110, 100}, {110, 59}, {30, 59}, kSymbol), rect(61, 59, 79, 119, kSymbol),
      ellipse(10, 98, 48, 176, kSymbol), rect(29, 119, 111, 157, kSymbol),
      ellipse(92, 98, 130, 176, kSymbol)}},
    {2,
     {10, 20, 140, 120},
     {pie({74, 37, 140, 103}, {106, 103}, {106, 37}, kSymbol), rect(58, 62, 107, 78, kSymbol),
      ellipse(10, 88, 74, 120, kSymbol), rect(26, 36, 58, 104, kSymbol),
      ellipse(10, 20, 74, 52, kSymbol)}},
    {3,
     {10, 20, 130, 140},
     withWings({rect(40, 20, 100, 60, kSymbol), rect(60, 60, 80, 110, kSymbol)})},
    {4,
     {10, 20, 130, 140},
     withWings({polygon({{60, 110}, {60, 20}, {129, 20}, {129, 30}, {80, 30}, {80, 110}}, kSymbol),
                line({130, 30}, {130, 20}, 3, kSymbol)})},
    {5,
     {10, 20, 130, 140},
     withWings(
         {pie({40, 20, 100, 60}, {100, 39}, {40, 39}, kSymbol), rect(60, 40, 80, 110, kSymbol)})},
    {6,
     {10, 20, 140, 120},
     {rect(10, 20, 88, 33, kSymbol), rect(10, 107, 88, 120, kSymbol),
      rect(23, 33, 75, 107, kSymbol), rect(75, 46, 94, 94, kSymbol),
      rect(94, 59, 107, 81, kValveGrey), rect(107, 33, 140, 107, kValveGrey)}},
    {7,
     {10, 20, 130, 176},
     {rect(10, 83, 25, 176, kSymbol), rect(115, 83, 130, 176, kSymbol),
      rect(25, 98, 115, 161, kSymbol), rect(41, 75, 99, 98, kSymbol),
      rect(56, 60, 84, 75, kValveGrey), rect(25, 20, 115, 60, kValveGrey)}},
};

TEST(ValveDrawing, Styles0To7DrawTheirFiguresAtTheGivenVertices) {
    for (const ValveCase& c : kValves) {
        SCOPED_TRACE("ValueStyle " + std::to_string(c.style));
        auto v = valve(c.style);
        expectDrawn(recordSymbol(*v, c.bounds), c.drawn);
    }
}

TEST(ValveDrawing, TheSideViewsKeepTheirFixedGreyWhateverTheValveColour) {
    auto v = valve(6);
    ASSERT_TRUE(v->put("ValueColor", com::Variant::fromColor(0x0000FF)).ok());
    const auto calls = recordSymbol(*v, {0, 0, 130, 100});
    ASSERT_EQ(calls.size(), 6U);
    EXPECT_EQ(calls[3].brush.color, 0x0000FFU);
    EXPECT_EQ(calls[4].brush.color, kValveGrey);
    EXPECT_EQ(calls[5].brush.color, kValveGrey);
}

TEST(ValveDrawing, Style8IsBlackBarAndStemThenAStackInTheColourAndTwoDarkerShades) {
    auto v = valve(8);
    const gfx::Rect bounds{10, 20, 110, 160};
    const auto calls = recordSymbol(*v, bounds);
    expectInside(calls, bounds);
    std::vector<int> blackWidths;
    bool full = false;
    bool twoThirds = false;
    bool oneThird = false;
    for (const auto& c : calls) {
        if (c.kind == gfx::CallKind::LineTo) {
            EXPECT_EQ(c.pen.color, kBlackInk);
            blackWidths.push_back(c.pen.width);
        } else if (c.kind == gfx::CallKind::Rectangle) {
            // 0x3366CC: 0x33, 0x66, 0xCC at two thirds and at one third.
            full |= c.brush.color == kSymbol;
            twoThirds |= c.brush.color == gfx::rgb(0x88, 0x44, 0x22);
            oneThird |= c.brush.color == gfx::rgb(0x44, 0x22, 0x11);
        }
    }
    EXPECT_EQ(blackWidths, (std::vector<int>{3, 5}));
    EXPECT_TRUE(full);
    EXPECT_TRUE(twoThirds);
    EXPECT_TRUE(oneThird);
}

}  // namespace
}  // namespace brennix::equipment::testing
