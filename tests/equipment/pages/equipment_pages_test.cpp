#include <gtest/gtest.h>

#include "equipment/control/motor_ctrl.h"
#include "equipment/control/pipe_ctrl.h"
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
