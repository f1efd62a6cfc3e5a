#include <gtest/gtest.h>

#include <algorithm>

#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "tests/instruments/knob/knob_fixture.h"
#include "tests/instruments/member_checks.h"

namespace brennix::instruments::testing {
namespace {

double number(com::Control& c, const char* name) {
    return *c.get(name)->toDouble();
}

TEST(KnobMembers, EveryPropertyHoldsTheIdOfItsPlace) {
    const com::MemberTable& t = CKnobCtrl::table();
    EXPECT_TRUE(t.problems().empty());
    expectIds(t, {{"PatternType", 1},
                  {"Style", 2},
                  {"FillColor", 3},
                  {"KnobBackColor", 4},
                  {"MajorTickColor", 5},
                  {"MinorTickColor", 6},
                  {"ScaleMaximum", 7},
                  {"ScaleMinimum", 8},
                  {"Inverse", 9},
                  {"Spacing", 10},
                  {"SpacingMajor", 11},
                  {"SpacingMinor", 12},
                  {"SpacingBase", 13},
                  {"TickRightBottom", 14},
                  {"TickLeftAbove", 15},
                  {"MajorTickMark", 16},
                  {"MinorTickMark", 17},
                  {"TickLabelRightBottom", 18},
                  {"TickLabelLeftAbove", 19},
                  {"FillStyle", 20},
                  {"Pointer1Value", 21},
                  {"Pointer8Value", 28},
                  {"Pointer1Visible", 29},
                  {"Pointer8Visible", 36},
                  {"FormatClass", 37},
                  {"Format", 38},
                  {"Value", 39},
                  {"Border", 40},
                  {"DigitDisplay", 41},
                  {"Pointer1Color", 42},
                  {"Pointer8Color", 49},
                  {"Refresh", -550},
                  {"AboutBox", -552},
                  {"Caption", -518},
                  {"Font", -512},
                  {"BackColor", -501},
                  {"ForeColor", -513}});
    EXPECT_EQ(t.find(50), nullptr);
    EXPECT_NE(t.findEvent(-607), nullptr);
}

TEST(KnobMembers, TheTypeInformationLeavesOutPatternTypeAndStyle) {
    const auto published = publishedNames(CKnobCtrl::table());
    EXPECT_EQ(std::count(published.begin(), published.end(), "PatternType"), 0);
    EXPECT_EQ(std::count(published.begin(), published.end(), "Style"), 0);
    EXPECT_EQ(std::count(published.begin(), published.end(), "FillColor"), 1);
    EXPECT_EQ(std::count(published.begin(), published.end(), "Pointer8Color"), 1);
    auto knob = make<CKnobCtrl>();
    set(*knob, "PatternType", 1);
    EXPECT_EQ(number(*knob, "PatternType"), 1);
}

TEST(KnobMembers, ANewKnobHasTheDocumentedDefaults) {
    auto knob = make<CKnobCtrl>();
    EXPECT_EQ(number(*knob, "ScaleMaximum"), 10);
    EXPECT_EQ(number(*knob, "ScaleMinimum"), 0);
    EXPECT_EQ(*knob->get("FillColor")->toColor(), 0x0000FFU);
    EXPECT_EQ(*knob->get("KnobBackColor")->toColor(), 0xFFFFFFU);
    EXPECT_EQ(number(*knob, "SpacingMajor"), 1);
    EXPECT_EQ(number(*knob, "SpacingMinor"), 1);
    EXPECT_TRUE(*knob->get("TickRightBottom")->toBool());
    EXPECT_FALSE(*knob->get("TickLeftAbove")->toBool());
    EXPECT_TRUE(*knob->get("Border")->toBool());
    EXPECT_TRUE(*knob->get("DigitDisplay")->toBool());
    EXPECT_TRUE(*knob->get("Pointer1Visible")->toBool());
    for (int n = 2; n <= 8; ++n) {
        EXPECT_FALSE(*knob->get("Pointer" + std::to_string(n) + "Visible")->toBool()) << n;
    }
    EXPECT_EQ(*knob->get("Pointer1Color")->toColor(), 0U);
    EXPECT_EQ(knob->get("Spacing")->type(), com::VarType::Int16);
}

TEST(KnobMembers, PersistedAfterTheStockPropertiesInTheKnobsOrder) {
    std::vector<std::string> expected{"Caption",
                                      "Font",
                                      "BackColor",
                                      "ForeColor",
                                      "Style",
                                      "PatternType",
                                      "Border",
                                      "FormatClass",
                                      "Format",
                                      "Value",
                                      "ScaleMinimum",
                                      "ScaleMaximum",
                                      "Spacing",
                                      "SpacingBase",
                                      "SpacingMajor",
                                      "SpacingMinor",
                                      "Inverse",
                                      "DigitDisplay",
                                      "TickRightBottom",
                                      "TickLeftAbove",
                                      "MinorTickMark",
                                      "MajorTickMark",
                                      "TickLabelRightBottom",
                                      "TickLabelLeftAbove",
                                      "KnobBackColor",
                                      "MinorTickColor",
                                      "MajorTickColor",
                                      "FillStyle",
                                      "FillColor"};
    for (const auto& name : pointerNames()) {
        expected.push_back(name);
    }
    EXPECT_EQ(persistedNames(CKnobCtrl::table()), expected);
}

TEST(KnobMembers, AVisiblePointerSetInRangeCarriesValueAndNothingElseDoes) {
    auto knob = make<CKnobCtrl>();
    set(*knob, "Pointer1Value", 7.0);
    EXPECT_EQ(knob->value(), 7.0);
    set(*knob, "Pointer1Value", 12.0);
    EXPECT_EQ(knob->value(), 7.0);
    EXPECT_EQ(knob->pointers()[0].value, 12.0);
    set(*knob, "Pointer3Value", 3.0);
    EXPECT_EQ(knob->value(), 7.0);
    set(*knob, "Pointer3Visible", true);
    EXPECT_EQ(knob->value(), 7.0);
    set(*knob, "Value", 2.0);
    EXPECT_EQ(knob->pointers()[0].value, 12.0);
}

TEST(KnobMembers, EveryAssignmentRepaintsAndMarksTheKnobModified) {
    auto knob = make<CKnobCtrl>();
    com::HeadlessSite site;
    site.attach(*knob);
    for (const char* name : {"Value", "Pointer2Value", "ScaleMinimum"}) {
        site.clearRecords();
        knob->setModified(false);
        set(*knob, name, 20.0);
        EXPECT_EQ(site.invalidations(), 1) << name;
        EXPECT_TRUE(knob->isModified()) << name;
    }
}

TEST(KnobMembers, TheAboutBoxNamesTheKnobAndItsVersion) {
    com::MessageRecorder messages;
    auto knob = make<CKnobCtrl>();
    ASSERT_TRUE(knob->call("AboutBox").ok());
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, "Knob, Version 1.0");
    EXPECT_EQ(messages.messages()[0].caption, "Knob, Version 1.0");
}

}  // namespace
}  // namespace brennix::instruments::testing
