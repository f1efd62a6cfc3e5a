// The aspect each style keeps, and the extent a style change asks for.

#include <gtest/gtest.h>

#include "platform/com/headless_site.h"
#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"

namespace brennix::equipment::testing {
namespace {

struct AspectRow {
    const char* control;
    std::vector<int> styles;
    gfx::Size fromWidth200;   // a new width of 200 and what height it gets
    gfx::Size fromHeight150;  // the same width again, a height of 150
};

// 200 is no style's default width, so it is always a new width.
const std::vector<AspectRow> kAspectRows{
    {"Motor", {0}, {200, 69}, {434, 150}},
    {"Motor", {1, 2, -1}, {200, 160}, {187, 150}},
    {"Pump", {0, 1, 2, 3, 4, 5}, {200, 133}, {225, 150}},
    {"Pump", {6, 7}, {200, 300}, {100, 150}},
    {"Pump", {8, 9}, {200, 220}, {136, 150}},
    {"Pump", {10, -1}, {200, 1}, {200, 150}},
    {"Tank", {0}, {200, 200}, {150, 150}},
    {"Tank", {1}, {200, 300}, {100, 150}},
    {"Tank", {2}, {200, 440}, {68, 150}},
    {"Tank", {3}, {200, 240}, {125, 150}},
    {"Tank", {4}, {200, 360}, {83, 150}},
    {"Tank", {5, -1}, {200, 1}, {200, 150}},
    {"Value", {0, 3, 4, 5, 9, 20}, {200, 200}, {150, 150}},
    {"Value", {1, 7}, {200, 260}, {115, 150}},
    {"Value", {2, 6}, {200, 153}, {195, 150}},
    {"Value", {8}, {200, 280}, {107, 150}},
    {"Pipe", {0, 1, 2, 3}, {200, 200}, {150, 150}},
    {"Pipe", {4}, {200, 80}, {375, 150}},
    {"Pipe", {5}, {200, 500}, {60, 150}},
    {"Pipe", {6}, {200, 400}, {75, 150}},
    {"Pipe", {7}, {200, 100}, {300, 150}},
    {"Pipe", {8, -1}, {200, 1}, {200, 150}},
};

TEST(EquipmentAspect, EveryStyleKeepsItsShapeWhicheverSideTheHostMoves) {
    for (const AspectRow& row : kAspectRows) {
        for (int style : row.styles) {
            SCOPED_TRACE(std::string(row.control) + " style " + std::to_string(style));
            auto control = createStyled(row.control, style);
            EXPECT_EQ(proposePixels(*control, {200, 1}), row.fromWidth200);
            EXPECT_EQ(proposePixels(*control, {200, 150}), row.fromHeight150);
            EXPECT_EQ(control->extentPixels(), row.fromHeight150);
        }
    }
}

TEST(EquipmentAspect, AMotorWidenedTo290PixelsIs100PixelsHigh) {
    auto motor = createStyled("Motor", 0);
    EXPECT_EQ(proposePixels(*motor, {290, 60}), (gfx::Size{290, 100}));
    // Dragging the bottom edge to 80 keeps the shape from the height.
    EXPECT_EQ(proposePixels(*motor, {290, 80}), (gfx::Size{231, 80}));
}

struct DefaultExtent {
    const char* control;
    std::vector<int> styles;
    gfx::Size himetric;
};

const std::vector<DefaultExtent> kDefaultExtents{
    {"Motor", {0}, {1000, 345}},
    {"Motor", {1, 5, -3}, {1000, 800}},
    {"Pump", {0, 1, 2, 3, 4, 5}, {1000, 666}},
    {"Pump", {6, 7}, {1000, 1500}},
    {"Pump", {8, 9}, {1000, 1000}},
    {"Tank", {0}, {2000, 2000}},
    {"Tank", {1}, {2000, 3000}},
    {"Tank", {2}, {2000, 4400}},
    {"Tank", {3}, {2000, 2400}},
    {"Tank", {4}, {2000, 3600}},
    {"Value", {0, 3, 4, 5}, {1000, 1000}},
    {"Value", {1, 7}, {1000, 1300}},
    {"Value", {2, 6}, {1000, 769}},
    {"Value", {8}, {1000, 1400}},
    {"Pipe", {0, 1, 2, 3}, {1000, 1000}},
    {"Pipe", {4}, {1000, 400}},
    {"Pipe", {5}, {1000, 2500}},
    {"Pipe", {6}, {1000, 2000}},
    {"Pipe", {7}, {1000, 500}},
};

// What the extent handler makes of a proposal, on a twin control that was
// last given a width of 120 pixels.
gfx::Size handled(const std::string& name, int style, gfx::Size himetric) {
    auto twin = createStyled(name, style);
    proposePixels(*twin, {120, 120});
    return com::hiMetricToPixels(twin->setExtent(himetric), kPpi);
}

TEST(EquipmentAspect, AStyleChangeAsksTheExtentHandlerForTheStylesDefaultExtent) {
    for (const DefaultExtent& row : kDefaultExtents) {
        for (int style : row.styles) {
            SCOPED_TRACE(std::string(row.control) + " style " + std::to_string(style));
            com::HeadlessSite site;
            const Kind& k = kind(row.control);
            auto control = k.create();
            site.attach(*control);
            proposePixels(*control, {120, 120});
            site.clearRecords();
            ASSERT_TRUE(
                control->put(k.styleProperty, com::Variant(static_cast<std::int16_t>(style))).ok());
            ASSERT_EQ(site.extentRequests().size(), 1U);
            // The container is asked for what the handler applied.
            EXPECT_EQ(site.extentRequests()[0], control->extent());
            EXPECT_EQ(control->extentPixels(), handled(row.control, style, row.himetric));
            EXPECT_TRUE(control->isModified());
            EXPECT_GT(site.invalidations(), 0);
        }
    }
}

TEST(EquipmentAspect, TankStyle2MakesATankWhoseHeightIs2Point2TimesItsWidth) {
    com::HeadlessSite site;
    auto tank = kind("Tank").create();
    site.attach(*tank);
    proposePixels(*tank, {120, 120});
    ASSERT_TRUE(tank->put("TankStyle", com::Variant(std::int16_t{2})).ok());
    // 2000 x 4400 is 76 x 166 pixels; the new width decides: 76 x 2.2.
    EXPECT_EQ(tank->extentPixels(), (gfx::Size{76, 167}));
}

TEST(EquipmentAspect, AStyleChangeAtTheSameWidthLetsTheDefaultHeightDecide) {
    auto tank = kind("Tank").create();
    proposePixels(*tank, {76, 76});
    ASSERT_TRUE(tank->put("TankStyle", com::Variant(std::int16_t{2})).ok());
    // 76 is the width applied last, so 166 x 0.4545... gives the width.
    EXPECT_EQ(tank->extentPixels(), (gfx::Size{75, 166}));
}

TEST(EquipmentAspect, AStyleOutsideTheTableAsksForNoExtent) {
    for (const auto& [name, style] : std::vector<std::pair<std::string, int>>{
             {"Pump", 10}, {"Tank", 5}, {"Value", 9}, {"Pipe", 8}, {"Pipe", -1}}) {
        SCOPED_TRACE(name + " style " + std::to_string(style));
        com::HeadlessSite site;
        const Kind& k = kind(name);
        auto control = k.create();
        site.attach(*control);
        const gfx::Size before = control->extent();
        ASSERT_TRUE(
            control->put(k.styleProperty, com::Variant(static_cast<std::int16_t>(style))).ok());
        EXPECT_TRUE(site.extentRequests().empty());
        EXPECT_EQ(control->extent(), before);
    }
}

TEST(EquipmentAspect, ANewControlStartsAtTheDefaultExtentOfStyle0) {
    EXPECT_EQ(kind("Motor").create()->extent(), (gfx::Size{1000, 345}));
    EXPECT_EQ(kind("Pump").create()->extent(), (gfx::Size{1000, 666}));
    EXPECT_EQ(kind("Tank").create()->extent(), (gfx::Size{2000, 2000}));
    EXPECT_EQ(kind("Value").create()->extent(), (gfx::Size{1000, 1000}));
    EXPECT_EQ(kind("Pipe").create()->extent(), (gfx::Size{1000, 1000}));
}

}  // namespace
}  // namespace brennix::equipment::testing
