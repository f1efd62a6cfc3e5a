// What hosts see of an E7Segment: members and ids, the persisted set with
// Value exchanged twice, the stock BorderStyle and the about box.

#include <gmock/gmock.h>

#include "platform/com/property_exchange.h"
#include "tests/instruments/seven_segment/e7segment_fixture.h"

namespace brennix::instruments::testing {
namespace {

using ::testing::ElementsAre;

std::vector<std::pair<std::string, com::DispId>> published(const com::MemberTable& table) {
    std::vector<std::pair<std::string, com::DispId>> out;
    for (const com::Member* m : table.published()) {
        out.emplace_back(m->name, m->id);
    }
    return out;
}

TEST(E7SegmentMembers, PropertiesAreNumberedInOrderBesideTheStockMembers) {
    using P = std::pair<std::string, com::DispId>;
    EXPECT_THAT(published(CE7SegmentCtrl::table()),
                ElementsAre(P{"Declined", 1}, P{"DigitNumber", 2}, P{"DigitAfterPoint", 3},
                            P{"PrefixedWithZero", 4}, P{"ShowUnusedSegment", 5}, P{"Value", 6},
                            P{"Ifsigned", 7}, P{"Refresh", -550}, P{"BackColor", -501},
                            P{"ForeColor", -513}, P{"BorderStyle", -504}, P{"AboutBox", -552},
                            P{"Click", -600}, P{"DblClick", -601}, P{"KeyDown", -602},
                            P{"KeyPress", -603}, P{"KeyUp", -604}, P{"MouseDown", -605},
                            P{"MouseMove", -606}, P{"MouseUp", -607}));
    EXPECT_TRUE(CE7SegmentCtrl::table().problems().empty());
    EXPECT_EQ(CE7SegmentCtrl::table().find("Value")->type, com::PropType::Double);
    EXPECT_EQ(CE7SegmentCtrl::table().find("DigitNumber")->type, com::PropType::Int16);
}

TEST(E7SegmentMembers, ValueIsExchangedTwiceFirstWithZeroThenWithThreePointSixSeven) {
    std::vector<std::string> names;
    std::vector<com::Variant> defaults;
    auto control = com::createControl<CE7SegmentCtrl>();
    for (const auto& entry : CE7SegmentCtrl::table().persisted()) {
        names.push_back(entry.name);
        if (entry.name == "Value") {
            defaults.push_back(entry.defaultValue(*control));
        }
    }
    EXPECT_THAT(names, ElementsAre("BackColor", "ForeColor", "BorderStyle", "DigitNumber",
                                   "DigitAfterPoint", "Value", "PrefixedWithZero", "Ifsigned",
                                   "ShowUnusedSegment", "Value"));
    ASSERT_EQ(defaults.size(), 2U);
    EXPECT_EQ(defaults[0].toDouble().value(), 0.0);
    EXPECT_EQ(defaults[1].toDouble().value(), 3.67);
}

TEST_F(E7SegmentTest, ALoadedDisplayShowsItsStoredValueAndAResetOneShowsThreePointSixSeven) {
    set("Value", 12.5);
    setShort("DigitNumber", 4);
    set("Declined", true);
    setShort("BorderStyle", 1);
    const std::string document = com::PropertyExchange::save(*control);

    auto copy = com::createControl<CE7SegmentCtrl>();
    EXPECT_EQ(copy->get("Value")->toDouble().value(), 3.67);
    ASSERT_TRUE(com::PropertyExchange::load(*copy, document).ok());
    EXPECT_EQ(copy->get("Value")->toDouble().value(), 12.5);
    EXPECT_EQ(copy->get("DigitNumber")->toInt16().value(), 4);
    EXPECT_EQ(copy->get(-504)->toInt16().value(), 1);
    EXPECT_EQ(copy->borderStyle(), 1);
    // Declined is not part of the stored set.
    EXPECT_FALSE(copy->get("Declined")->toBool().value());

    copy->resetToDefaults();
    EXPECT_EQ(copy->get("Value")->toDouble().value(), 3.67);
    EXPECT_EQ(copy->get("DigitNumber")->toInt16().value(), 3);
    EXPECT_EQ(copy->borderStyle(), 0);
}

TEST_F(E7SegmentTest, EveryAssignmentRepaintsAndMarksTheControlModified) {
    for (const char* name : {"Declined", "PrefixedWithZero", "ShowUnusedSegment", "Ifsigned"}) {
        control->setModified(false);
        site.clearRecords();
        set(name, false);
        EXPECT_TRUE(control->isModified()) << name;
        EXPECT_EQ(site.invalidations(), 1) << name;
    }
}

TEST_F(E7SegmentTest, TheAboutBoxIsTitledWithTheVersion) {
    control->aboutBox();
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].caption, "7Segment, Version 1.0");
}

}  // namespace
}  // namespace brennix::instruments::testing
