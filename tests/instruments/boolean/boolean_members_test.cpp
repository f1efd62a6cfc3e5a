// What hosts see of a Boolean group: exactly its published members, the
// defaults, the persisted order and the about box.

#include <gmock/gmock.h>

#include "platform/com/property_exchange.h"
#include "tests/instruments/boolean/boolean_fixture.h"

namespace brennix::instruments::testing {
namespace {

using ::testing::ElementsAre;

TEST(BooleanMembers, TheTypeInformationCarriesExactlyTheseMembers) {
    std::vector<std::pair<std::string, com::DispId>> out;
    for (const com::Member* m : CBooleanCtrl::table().published()) {
        out.emplace_back(m->name, m->id);
    }
    using P = std::pair<std::string, com::DispId>;
    EXPECT_THAT(out, ElementsAre(P{"Style", 1}, P{"Distance", 2}, P{"Orientation", 3},
                                 P{"Value", 4}, P{"BtnColor", 5}, P{"StateText", 6}, P{"BtnNum", 7},
                                 P{"SwitchOrientation", 8}, P{"OneOnFlag", 9}, P{"IndexText", 10},
                                 P{"IndexSequence", 11}, P{"Refresh", -550}, P{"Caption", -518},
                                 P{"ForeColor", -513}, P{"Font", -512}, P{"BackColor", -501},
                                 P{"AboutBox", -552}, P{"Click", -600}, P{"DblClick", -601},
                                 P{"KeyDown", -602}, P{"KeyPress", -603}, P{"KeyUp", -604},
                                 P{"MouseDown", -605}, P{"MouseMove", -606}, P{"MouseUp", -607}));
    EXPECT_TRUE(CBooleanCtrl::table().problems().empty());
    const com::Member* orientation = CBooleanCtrl::table().find("Orientation");
    ASSERT_NE(orientation->enumeration, nullptr);
    EXPECT_EQ(orientation->enumeration->name, "enumDirection");
    EXPECT_EQ(orientation->enumeration->find(0)->name, "DT_Horizonal");
    EXPECT_EQ(CBooleanCtrl::table().find("IndexSequence")->enumeration->find(1)->name,
              "ID_FromLeftTop");
    EXPECT_EQ(CBooleanCtrl::table().find("Distance")->type, com::PropType::Int32);
    EXPECT_EQ(CBooleanCtrl::table().find("Value")->type, com::PropType::Int32);
}

TEST_F(BooleanTest, ANewGroupHasOneCyanButtonWithBothTexts) {
    EXPECT_EQ(control->get("Style")->toInt16().value(), 0);
    EXPECT_EQ(control->get("Distance")->toInt32().value(), 0);
    EXPECT_EQ(control->get("Orientation")->toInt16().value(), 0);
    EXPECT_EQ(value(), 0);
    EXPECT_EQ(control->get("BtnColor")->toColor().value(), 0xFFFF00U);
    EXPECT_TRUE(control->get("StateText")->toBool().value());
    EXPECT_EQ(control->get("BtnNum")->toInt16().value(), 1);
    EXPECT_EQ(control->get("SwitchOrientation")->toInt16().value(), 1);
    EXPECT_FALSE(control->get("OneOnFlag")->toBool().value());
    EXPECT_TRUE(control->get("IndexText")->toBool().value());
    EXPECT_EQ(control->get("IndexSequence")->toInt16().value(), 0);
}

TEST_F(BooleanTest, ASavedGroupLoadsBackInTheStoredOrderAndKeepsBitsOfAbsentButtons) {
    std::vector<std::string> names;
    for (const auto& entry : CBooleanCtrl::table().persisted()) {
        names.push_back(entry.name);
    }
    EXPECT_THAT(names, ElementsAre("Caption", "ForeColor", "Font", "BackColor", "Style", "BtnColor",
                                   "Value", "StateText", "BtnNum", "Distance", "Orientation",
                                   "SwitchOrientation", "OneOnFlag", "IndexText", "IndexSequence"));
    setShort("BtnNum", 2);
    setValue(0x70);
    setShort("SwitchOrientation", 0);
    set("Caption", "Port B");
    const std::string document = com::PropertyExchange::save(*control);
    auto copy = com::createControl<CBooleanCtrl>();
    ASSERT_TRUE(com::PropertyExchange::load(*copy, document).ok());
    EXPECT_EQ(copy->get("Value")->toInt32().value(), 0x70);
    EXPECT_EQ(copy->get("SwitchOrientation")->toInt16().value(), 0);
    EXPECT_EQ(copy->caption(), "Port B");
}

TEST_F(BooleanTest, TheAboutBoxIsTitledWithTheVersion) {
    control->aboutBox();
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].caption, "Boolean, Version 1.0");
}

}  // namespace
}  // namespace brennix::instruments::testing
