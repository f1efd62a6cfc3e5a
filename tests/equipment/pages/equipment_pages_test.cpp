#include <gtest/gtest.h>

#include <algorithm>

#include "equipment/control/motor_ctrl.h"
#include "equipment/control/pipe_ctrl.h"
#include "equipment/control/plantwerk_library.h"
#include "equipment/control/pump_ctrl.h"
#include "equipment/control/tank_ctrl.h"
#include "equipment/control/value_ctrl.h"
#include "equipment/pages/equipment_pages.h"
#include "platform/com/message_box.h"

namespace brennix::equipment {
namespace {

using com::Variant;

class EquipmentPages : public ::testing::Test {
  protected:
    com::pages::PageRegistry registry;
    com::MessageRecorder messages;
    void SetUp() override { ASSERT_TRUE(registerPlantwerkPages(registry).ok()); }
    std::unique_ptr<com::pages::PropertyPage> page(std::string_view progId) {
        auto created = registry.create(progId);
        EXPECT_TRUE(created.ok()) << progId;
        return created.ok() ? std::move(*created) : nullptr;
    }
};

TEST_F(EquipmentPages, EachControlHasOnePageTitledAfterIt) {
    EXPECT_EQ(registry.pages().size(), 5u);
    for (const char* title : {"Motor", "Pump", "Tank", "Value", "Pipe"}) {
        auto p = page(std::string("PLANTWERK.") + title + "PropPage.1");
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->title(), title);
    }
}

TEST_F(EquipmentPages, TheMotorPageEditsItsStyleAndColourUnderTheControlsNames) {
    auto motor = com::createControl<CMotorCtrl>();
    auto p = page("PLANTWERK.MotorPropPage.1");
    p->open(*motor);
    ASSERT_TRUE(p->field("MotorStyle")->enabled);
    EXPECT_EQ(p->field("MotorStyle")->entries.size(), 2u);
    EXPECT_EQ(*p->field("Color")->value.toColor(), 0x808080u);

    p->setValue("MotorStyle", Variant(std::int32_t{1}));
    p->setValue("Color", Variant("255"));
    ASSERT_TRUE(p->apply(*motor).ok());
    EXPECT_EQ(*motor->get("MotorStyle")->toInt32(), 1);
    EXPECT_EQ(*motor->get("Color")->toColor(), 255u);
}

TEST_F(EquipmentPages, TheValvePageOffersEveryValveDrawing) {
    auto valve = com::createControl<CValueCtrl>();
    auto p = page("PLANTWERK.ValuePropPage.1");
    p->open(*valve);
    EXPECT_EQ(p->field("ValueStyle")->entries.size(), 9u);
    p->setValue("ValueColor", Variant("red"));
    EXPECT_TRUE(p->apply(*valve).refused);
}

TEST_F(EquipmentPages, ThePipeIntervalIsAcceptedFromOneTo6000) {
    auto pipe = com::createControl<CPipeCtrl>();
    auto p = page("PLANTWERK.PipePropPage.1");
    p->open(*pipe);
    EXPECT_EQ(*p->field("Interval")->value.toInt32(), 1000);
    EXPECT_TRUE(p->field("Edge")->enabled);

    p->setValue("Edge", Variant(false));
    for (const char* refused : {"0", "6001", "-5"}) {
        p->setValue("Interval", Variant(refused));
        auto outcome = p->apply(*pipe);
        EXPECT_TRUE(outcome.refused) << refused;
        EXPECT_EQ(outcome.message, "Please enter an integer between 1 and 6000.");
    }
    EXPECT_EQ(*pipe->get("Edge")->toBool(), true);  // nothing applied

    for (const char* accepted : {"1", "6000"}) {
        p->setValue("Interval", Variant(accepted));
        ASSERT_TRUE(p->apply(*pipe).ok()) << accepted;
        EXPECT_EQ(*pipe->get("Interval")->toInt32(), std::stoi(accepted));
    }
    EXPECT_EQ(*pipe->get("Edge")->toBool(), false);
}

}  // namespace
}  // namespace brennix::equipment

namespace brennix::equipment {
namespace {

// How many pixels of the picture carry that colour.
int pixelsOf(const gfx::Bitmap& picture, gfx::ColorRef color) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            count += picture.colorAt(x, y) == color ? 1 : 0;
    }
    return count;
}

TEST_F(EquipmentPages, EachStyleButtonShowsTheControlsDrawingInThePagesColour) {
    auto pump = com::createControl<CPumpCtrl>();
    auto p = page("PLANTWERK.PumpPropPage.1");
    p->open(*pump);
    p->setValue("PumpColor", Variant("255"));  // red
    const com::pages::Field& styles = *p->field("PumpStyle");
    ASSERT_TRUE(styles.entryPicture);
    std::vector<gfx::Bitmap> pictures;
    for (std::size_t n = 0; n < styles.entries.size(); ++n) {
        pictures.push_back(com::pages::renderEntryPicture(styles, n, {32, 32}));
        EXPECT_GT(pixelsOf(pictures.back(), gfx::rgb(255, 0, 0)), 20) << "style " << n;
    }
    for (std::size_t n = 1; n < pictures.size(); ++n)
        EXPECT_NE(pictures[n], pictures[n - 1]) << "style " << n;
    EXPECT_EQ(
        pixelsOf(com::pages::renderEntryPicture(styles, 10, {32, 32}), gfx::rgb(255, 255, 255)),
        32 * 32)
        << "no picture for a style the control lacks";
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(*pump->get("PumpStyle")->toInt32(), 0) << "the pictures leave the control alone";
}

TEST_F(EquipmentPages, AStylePictureKeepsTheStylesAspect) {
    auto tank = com::createControl<CTankCtrl>();
    auto p = page("PLANTWERK.TankPropPage.1");
    p->open(*tank);
    const com::pages::Field& styles = *p->field("TankStyle");
    // Style 2 is 2.2 times as tall as wide: a 32-pixel-high picture is at
    // most 15 pixels wide.
    const gfx::Bitmap picture = com::pages::renderEntryPicture(styles, 2, {32, 32});
    const gfx::ColorRef back = picture.colorAt(0, 0);
    int left = 32, right = -1;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (picture.colorAt(x, y) != back) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left);
    EXPECT_LE(right - left + 1, 15);
}

TEST_F(EquipmentPages, EveryControlListsItsOnePage) {
    for (const char* name : {"Motor", "Pump", "Tank", "Value", "Pipe"}) {
        const auto pages = registry.pagesOf(std::string("PLANTWERK.") + name + "Ctrl.1");
        ASSERT_EQ(pages.size(), 1u) << name;
        EXPECT_EQ(registry.find(pages[0])->title, name);
    }
    EXPECT_EQ(library().pageClasses().size(), 5u);
}

}  // namespace
}  // namespace brennix::equipment
