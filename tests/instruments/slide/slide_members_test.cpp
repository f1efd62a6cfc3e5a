#include <gtest/gtest.h>

#include "platform/com/message_box.h"
#include "tests/instruments/member_checks.h"
#include "tests/instruments/slide/slide_fixture.h"

namespace brennix::instruments::testing {
namespace {

TEST(SlideMembers, EveryPropertyHoldsTheIdOfItsPlace) {
    const com::MemberTable& t = CSlideCtrl::table();
    EXPECT_TRUE(t.problems().empty());
    expectIds(t, {{"PatternType", 1},
                  {"Style", 2},
                  {"DigitDisplay", 3},
                  {"Border", 4},
                  {"Spacing", 5},
                  {"MajorTickMark", 6},
                  {"MinorTickMark", 7},
                  {"TickLeftAbove", 8},
                  {"TickRightBottom", 9},
                  {"TickLabelLeftAbove", 10},
                  {"TickLabelRightBottom", 11},
                  {"Value", 12},
                  {"FormatClass", 13},
                  {"Format", 14},
                  {"SlideBackColor", 15},
                  {"ScaleMinimum", 16},
                  {"ScaleMaximum", 17},
                  {"Inverse", 18},
                  {"MajorTickColor", 19},
                  {"MinorTickColor", 20},
                  {"SpacingMajor", 21},
                  {"SpacingMinor", 22},
                  {"SpacingBase", 23},
                  {"FillColor", 24},
                  {"FillStyle", 25},
                  {"Pointer1Value", 26},
                  {"Pointer8Value", 33},
                  {"Pointer1Visible", 34},
                  {"Pointer8Visible", 41},
                  {"Pointer1Color", 42},
                  {"Pointer8Color", 49},
                  {"Enabled", -514},
                  {"AboutBox", -552}});
}

TEST(SlideMembers, PersistedAfterTheStockPropertiesInTheSlidesOrder) {
    std::vector<std::string> expected{"Caption",
                                      "BackColor",
                                      "Font",
                                      "ForeColor",
                                      "Enabled",
                                      "PatternType",
                                      "Style",
                                      "Border",
                                      "Value",
                                      "SlideBackColor",
                                      "FormatClass",
                                      "Format",
                                      "Inverse",
                                      "ScaleMinimum",
                                      "ScaleMaximum",
                                      "TickRightBottom",
                                      "TickLeftAbove",
                                      "MinorTickMark",
                                      "MajorTickMark",
                                      "MinorTickColor",
                                      "MajorTickColor",
                                      "TickLabelRightBottom",
                                      "TickLabelLeftAbove",
                                      "Spacing",
                                      "SpacingBase",
                                      "SpacingMajor",
                                      "SpacingMinor",
                                      "DigitDisplay",
                                      "FillStyle",
                                      "FillColor"};
    for (const auto& name : pointerNames()) {
        expected.push_back(name);
    }
    EXPECT_EQ(persistedNames(CSlideCtrl::table()), expected);
}

TEST(SlideMembers, ANewSlideHasTheDocumentedDefaults) {
    auto slide = make<CSlideCtrl>();
    EXPECT_EQ(*slide->get("ScaleMaximum")->toDouble(), 10);
    EXPECT_EQ(*slide->get("SlideBackColor")->toColor(), 0xFFFFFFU);
    EXPECT_EQ(*slide->get("FillColor")->toColor(), 0x0000FFU);
    EXPECT_EQ(slide->get("Style")->type(), com::VarType::Int16);
    EXPECT_TRUE(*slide->get("Pointer1Visible")->toBool());
    EXPECT_FALSE(*slide->get("Pointer2Visible")->toBool());
    EXPECT_TRUE(*slide->get("Enabled")->toBool());
}

TEST(SlideMembers, PointerThreeSetWhileHiddenLeavesValueEvenOnceShown) {
    auto slide = make<CSlideCtrl>();
    set(*slide, "Pointer3Value", 7.0);
    EXPECT_EQ(slide->value(), 0.0);
    set(*slide, "Pointer3Visible", true);
    EXPECT_EQ(slide->value(), 0.0);
    set(*slide, "Pointer3Value", 8.0);
    EXPECT_EQ(slide->value(), 8.0);
}

TEST(SlideMembers, TheAboutBoxNamesTheSlideAndItsVersion) {
    com::MessageRecorder messages;
    auto slide = make<CSlideCtrl>();
    ASSERT_TRUE(slide->call("AboutBox").ok());
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, "Slide, Version 1.0");
    EXPECT_EQ(messages.messages()[0].caption, "Slide, Version 1.0");
}

}  // namespace
}  // namespace brennix::instruments::testing
