#include <gtest/gtest.h>

#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"
#include "tests/equipment/symbol_calls.h"

namespace brennix::equipment::testing {
namespace {

constexpr gfx::ColorRef kSymbol = 0x3366CC;
constexpr gfx::ColorRef kShade = 0x193366;  // each byte halved

std::shared_ptr<CEquipmentCtrl> pump(int style) {
    auto p = createStyled("Pump", style);
    EXPECT_TRUE(p->put("PumpColor", com::Variant::fromColor(kSymbol)).ok());
    return p;
}

struct PumpCase {
    int style;
    gfx::Rect bounds;
    std::vector<Drawn> drawn;
};

// Lying pumps in 120 x 80, upright ones in 80 x 120, both at (10, 20).
const std::vector<PumpCase> kPumps{
    {0,
     {10, 20, 130, 100},
     {ellipse(10, 20, 90, 100, kShade), rect(62, 20, 130, 46, kSymbol),
      ellipse(22, 20, 102, 100, kSymbol)}},
    {1,
     {10, 20, 130, 100},
     {ellipse(50, 20, 130, 100, kShade), rect(10, 20, 78, 46, kSymbol),
      ellipse(38, 20, 118, 100, kSymbol)}},
    {2,
     {10, 20, 130, 100},
     {ellipse(10, 20, 90, 100, kShade), rect(62, 74, 130, 100, kSymbol),
      ellipse(22, 20, 102, 100, kSymbol)}},
    {3,
     {10, 20, 130, 100},
     {ellipse(50, 20, 130, 100, kShade), rect(10, 74, 78, 100, kSymbol),
      ellipse(38, 20, 118, 100, kSymbol)}},
    {4,
     {10, 20, 130, 100},
     {polygon({{10, 100}, {122, 100}, {62, 20}}, kSymbol), rect(62, 20, 130, 46, kSymbol),
      ellipse(29, 20, 95, 86, kSymbol)}},
    {5,
     {10, 20, 130, 100},
     {polygon({{18, 100}, {130, 100}, {78, 20}}, kSymbol), rect(10, 20, 78, 46, kSymbol),
      ellipse(38, 20, 118, 100, kSymbol)}},
    {6,
     {10, 20, 90, 140},
     {polygon({{10, 28}, {10, 140}, {90, 88}}, kSymbol), rect(64, 20, 90, 88, kSymbol),
      ellipse(23, 55, 90, 121, kSymbol)}},
    {7,
     {10, 20, 90, 140},
     {polygon({{90, 28}, {90, 140}, {10, 88}}, kSymbol), rect(10, 20, 36, 88, kSymbol),
      ellipse(10, 55, 77, 121, kSymbol)}},
};

TEST(PumpDrawing, Styles0To7DrawTheirFiguresAtTheGivenVertices) {
    for (const PumpCase& c : kPumps) {
        SCOPED_TRACE("PumpStyle " + std::to_string(c.style));
        auto p = pump(c.style);
        expectDrawn(recordSymbol(*p, c.bounds), c.drawn);
    }
}

TEST(PumpDrawing, SquarePumpsStandOnAFootWithACasingAndTwoNozzlesInsideTheirRectangle) {
    for (int style : {8, 9}) {
        SCOPED_TRACE("PumpStyle " + std::to_string(style));
        auto p = pump(style);
        const gfx::Rect bounds{10, 20, 210, 240};
        const auto calls = recordSymbol(*p, bounds);
        expectInside(calls, bounds);
        ASSERT_GE(calls.size(), 2U);
        expectDrawn({calls[0], calls[1]}, {polygon({{30, 240}, {170, 240}, {100, 130}}, kSymbol),
                                           ellipse(10, 40, 190, 220, kSymbol)});
        int wideEdges = 0;
        int blackLines = 0;
        for (const auto& c : calls) {
            if (c.kind == gfx::CallKind::LineTo) {
                wideEdges += c.pen.width == 2 && c.pen.color == kSymbol ? 1 : 0;
                blackLines += c.pen.color == kBlackInk ? 1 : 0;
            }
        }
        EXPECT_EQ(wideEdges, 2);
        // Style 9's screw is three segments down the middle.
        EXPECT_EQ(blackLines, style == 9 ? 3 : 0);
    }
}

}  // namespace
}  // namespace brennix::equipment::testing
