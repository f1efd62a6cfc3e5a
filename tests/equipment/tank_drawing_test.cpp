#include <gtest/gtest.h>

#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"
#include "tests/equipment/symbol_calls.h"

namespace brennix::equipment::testing {
namespace {

constexpr gfx::ColorRef kSymbol = 0x3366CC;
constexpr gfx::ColorRef kBack = 0x10E0F0;

std::shared_ptr<CEquipmentCtrl> tank(int style) {
    auto t = createStyled("Tank", style);
    EXPECT_TRUE(t->put("TankColor", com::Variant::fromColor(kSymbol)).ok());
    EXPECT_TRUE(t->put("BackColor", com::Variant::fromColor(kBack)).ok());
    return t;
}

TEST(TankDrawing, Style0IsAHopperWithItsLidAndTheFrontOfItsSeam) {
    auto t = tank(0);
    expectDrawn(
        recordSymbol(*t, {10, 20, 130, 140}),
        {
            polygon({{64, 140}, {76, 140}, {130, 92}, {130, 40}, {10, 40}, {10, 92}}, kSymbol),
            ellipse(10, 20, 130, 60, kSymbol),
            arc({10, 70, 130, 110}, {10, 92}, {130, 92}),
        });
}

TEST(TankDrawing, Style1IsAVesselWithPointedEndsAndTwoSeams) {
    auto t = tank(1);
    expectDrawn(
        recordSymbol(*t, {10, 20, 130, 200}),
        {
            polygon({{70, 20}, {10, 56}, {10, 182}, {70, 200}, {130, 182}, {130, 56}}, kSymbol),
            arc({10, 176, 130, 188}, {10, 182}, {130, 182}),
            arc({10, 47, 130, 65}, {10, 56}, {130, 56}),
        });
}

TEST(TankDrawing, Styles2To4StayInsideTheirRectangleInTheTankColour) {
    const std::vector<std::pair<int, gfx::Rect>> cases{
        {2, {10, 20, 130, 284}}, {3, {10, 20, 130, 164}}, {4, {10, 20, 130, 236}}};
    for (const auto& [style, bounds] : cases) {
        SCOPED_TRACE("TankStyle " + std::to_string(style));
        auto t = tank(style);
        const auto calls = recordSymbol(*t, bounds);
        expectInside(calls, bounds);
        bool symbolColour = false;
        for (const auto& c : calls) {
            symbolColour |= c.kind != gfx::CallKind::Arc && c.brush.color == kSymbol;
        }
        EXPECT_TRUE(symbolColour);
    }
}

TEST(TankDrawing, Style4ShowsItsLevelGlassInTheBackgroundColourAndGrey) {
    auto t = tank(4);
    bool back = false;
    bool grey = false;
    for (const auto& c : recordSymbol(*t, {0, 0, 120, 216})) {
        back |= c.kind == gfx::CallKind::Rectangle && c.brush.color == kBack;
        grey |= c.kind == gfx::CallKind::Rectangle && c.brush.color == 0x909090;
    }
    EXPECT_TRUE(back);
    EXPECT_TRUE(grey);
}

}  // namespace
}  // namespace brennix::equipment::testing
