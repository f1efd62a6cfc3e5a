#include <gtest/gtest.h>

#include "platform/com/message_box.h"
#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"
#include "tests/equipment/symbol_calls.h"

namespace brennix::equipment::testing {
namespace {

constexpr gfx::ColorRef kSymbol = 0x3366CC;

std::shared_ptr<CEquipmentCtrl> motor(int style) {
    auto m = createStyled("Motor", style);
    EXPECT_TRUE(m->put("Color", com::Variant::fromColor(kSymbol)).ok());
    return m;
}

TEST(MotorDrawing, Style0IsShaftCouplingFlangeRoundedEndBodyAndFanCover) {
    auto m = motor(0);
    expectDrawn(recordSymbol(*m, {10, 20, 300, 120}),
                {
                    rect(10, 60, 300, 80, kSymbol),
                    rect(82, 54, 100, 86, kSymbol),
                    rect(100, 37, 109, 103, kSymbol),
                    pie({107, -2, 252, 142}, {227, 120}, {227, 20}, kSymbol),
                    rect(109, 20, 233, 120, kSymbol),
                    rect(291, 54, 300, 86, kSymbol),
                });
}

TEST(MotorDrawing, Style1IsAnEndViewOfPiesAPolygonAndCirclesInsideItsRectangle) {
    auto m = motor(1);
    const gfx::Rect bounds{10, 20, 210, 180};
    const auto calls = recordSymbol(*m, bounds);
    int pies = 0;
    int polygons = 0;
    int ellipses = 0;
    for (const auto& c : calls) {
        pies += c.kind == gfx::CallKind::Pie ? 1 : 0;
        polygons += c.kind == gfx::CallKind::Polygon ? 1 : 0;
        ellipses += c.kind == gfx::CallKind::Ellipse ? 1 : 0;
        EXPECT_TRUE(c.brush.color == kSymbol || c.brush.color == 0x193366) << describe(c);
    }
    EXPECT_GE(pies, 1);
    EXPECT_EQ(polygons, 1);
    EXPECT_GE(ellipses, 1);
    expectInside(calls, bounds);
    // The housing: its radius is half the half-diagonal (200 x 160: 64).
    const auto housing = std::find_if(
        calls.begin(), calls.end(), [](const auto& c) { return c.kind == gfx::CallKind::Ellipse; });
    ASSERT_NE(housing, calls.end());
    EXPECT_EQ(housing->rect.width(), 128);
}

TEST(MotorDrawing, AnyOtherStyleDrawsOnlyTheBackgroundAndSaysNothing) {
    com::MessageRecorder messages;
    for (int style : {2, -1, 300}) {
        auto m = motor(style);
        const auto calls = record(*m, {0, 0, 40, 30});
        ASSERT_EQ(calls.size(), 1U);
        EXPECT_EQ(calls[0].kind, gfx::CallKind::FillRect);
    }
    EXPECT_TRUE(messages.texts().empty());
}

}  // namespace
}  // namespace brennix::equipment::testing
