#include <gtest/gtest.h>

#include <memory>

#include "platform/gfx/color.h"
#include "tools/common/property_text.h"

namespace brennix::tools {
namespace {

using com::Member;
using com::PropType;
using com::Variant;

Member property(const char* name, PropType type) {
    Member m;
    m.name = name;
    m.type = type;
    return m;
}

Variant valueOf(const Member& m, const char* text) {
    TextValue v = propertyValueFromText(m, text);
    EXPECT_TRUE(v.value.has_value()) << text << ": " << v.error;
    return v.value.value_or(Variant());
}

TEST(PropertyText, NumbersColoursAndTruthValuesReadAsTheTypeNeedsThem) {
    const Member count = property("Count", PropType::Int32);
    EXPECT_EQ(valueOf(count, "42"), Variant(std::int32_t{42}));
    EXPECT_EQ(valueOf(count, "-0x10"), Variant(std::int32_t{-16}));
    const Member scale = property("Scale", PropType::Double);
    EXPECT_EQ(valueOf(scale, "2.5e3"), Variant(2500.0));
    EXPECT_EQ(valueOf(scale, "7"), Variant(7.0));
    const Member colour = property("LineColor", PropType::Color);
    EXPECT_EQ(valueOf(colour, "#FF8000").toColor().value(), gfx::rgb(255, 128, 0));
    EXPECT_EQ(valueOf(colour, "0x8000000F").toColor().value(), 0x8000000FU);
    const Member flag = property("Edge", PropType::Bool);
    EXPECT_EQ(valueOf(flag, "TRUE"), Variant(true));
    EXPECT_EQ(valueOf(flag, "no"), Variant(false));
    EXPECT_EQ(valueOf(property("Caption", PropType::String), "a=b c"), Variant("a=b c"));
}

TEST(PropertyText, CodedValuesAreFoundByNameOrNumber) {
    Member mode = property("UpdateMode", PropType::Int16);
    mode.enumeration = std::make_shared<const com::Enumeration>(
        com::Enumeration{"enumUpdateMode", {{0, "UM_Strip", "Strip"}, {1, "UM_Scope", "Scope"}}});
    EXPECT_EQ(valueOf(mode, "um_scope").toInt16().value(), 1);
    EXPECT_EQ(valueOf(mode, "0").toInt16().value(), 0);
    Member style = property("LineStyle1", PropType::Int16);
    style.codes = std::make_shared<const com::Enumeration>(
        com::Enumeration{"LineStyle", {{2, "LS_Dot", "DOT"}}});
    EXPECT_EQ(valueOf(style, "LS_Dot").toInt16().value(), 2);
    EXPECT_NE(propertyValueFromText(style, "Dotted").error.find("or a value name"),
              std::string::npos);
}

TEST(PropertyText, TextThatIsNoValueOfTheTypeIsNamedInTheError) {
    EXPECT_EQ(propertyValueFromText(property("Count", PropType::Int32), "4x").error,
              "Count takes a whole number, not \"4x\"");
    EXPECT_EQ(propertyValueFromText(property("Scale", PropType::Double), " 1").error,
              "Scale takes a number, not \" 1\"");
    EXPECT_EQ(propertyValueFromText(property("LineColor", PropType::Color), "#12345").error,
              "LineColor takes a colour as #rrggbb or a number, not \"#12345\"");
    EXPECT_FALSE(propertyValueFromText(property("Edge", PropType::Bool), "maybe").value);
    EXPECT_FALSE(propertyValueFromText(property("Font", PropType::Font), "Sans").value);
}

TEST(PropertyText, MethodArgumentsAreSplitAndAnArrayIsNumbersSeparatedByCommas) {
    Member plot = property("PlotCharts", PropType::Void);
    plot.kind = com::MemberKind::Method;
    plot.params = {{"Data", PropType::Variant}};
    TextArguments data = argumentsFromText(plot, "1.5,2.5,-3");
    ASSERT_TRUE(data.values.has_value()) << data.error;
    ASSERT_EQ(data.values->size(), 1U);
    const com::SafeArray* array = (*data.values)[0].array();
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->elementType(), com::VarType::Double);
    EXPECT_EQ(array->count(), 3U);
    EXPECT_FALSE(argumentsFromText(plot, "1,,2").values);
    EXPECT_FALSE(argumentsFromText(plot, "1;2").values);

    Member average = property("Average", PropType::Double);
    average.kind = com::MemberKind::Method;
    average.params = {{"a", PropType::Double}, {"b", PropType::Double}};
    TextArguments two = argumentsFromText(average, "1;2");
    ASSERT_TRUE(two.values.has_value()) << two.error;
    EXPECT_EQ((*two.values)[1], Variant(2.0));
    EXPECT_EQ(argumentsFromText(average, "1").error, "Average takes 2 arguments, separated by ';'");

    Member init = property("InitControl", PropType::Void);
    init.kind = com::MemberKind::Method;
    EXPECT_TRUE(argumentsFromText(init, "").values);
    EXPECT_EQ(argumentsFromText(init, "1").error, "InitControl takes no arguments");
}

}  // namespace
}  // namespace brennix::tools
