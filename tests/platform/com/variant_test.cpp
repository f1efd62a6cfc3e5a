#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/com/variant.h"

namespace brennix::com {
namespace {

TEST(VariantConversion, NumbersBecomeIntegersRoundingHalfToEven) {
    EXPECT_EQ(*Variant(2.5).toInt16(), 2);
    EXPECT_EQ(*Variant(3.5).toInt16(), 4);
    EXPECT_EQ(*Variant(-2.5).toInt32(), -2);
    EXPECT_EQ(*Variant(std::int32_t{-7}).toInt16(), -7);
    EXPECT_EQ(*Variant(" 42 ").toInt32(), 42);
    EXPECT_EQ(*Variant("1e3").toInt16(), 1000);
    EXPECT_EQ(*Variant().toInt32(), 0);
}

TEST(VariantConversion, NumbersOutOfRangeOverflowInsteadOfWrapping) {
    EXPECT_EQ(Variant(std::int32_t{32768}).toInt16().error(), Error::Overflow);
    EXPECT_EQ(Variant(std::int32_t{-32769}).toInt16().error(), Error::Overflow);
    EXPECT_EQ(Variant(3e9).toInt32().error(), Error::Overflow);
    EXPECT_EQ(Variant(std::nan("")).toInt32().error(), Error::Overflow);
    EXPECT_EQ(Variant(std::numeric_limits<double>::infinity()).toInt16().error(), Error::Overflow);
    EXPECT_EQ(Variant("1e400").toDouble().error(), Error::Overflow);
}

TEST(VariantConversion, TextThatIsNoNumberIsATypeMismatch) {
    EXPECT_EQ(Variant("12abc").toInt16().error(), Error::TypeMismatch);
    EXPECT_EQ(Variant("").toDouble().error(), Error::TypeMismatch);
    EXPECT_EQ(Variant("maybe").toBool().error(), Error::TypeMismatch);
}

TEST(VariantConversion, BooleansAreMinusOneAndZero) {
    EXPECT_EQ(*Variant(true).toInt16(), -1);
    EXPECT_EQ(*Variant(false).toDouble(), 0.0);
    EXPECT_TRUE(*Variant(std::int16_t{5}).toBool());
    EXPECT_TRUE(*Variant("TRUE").toBool());
    EXPECT_FALSE(*Variant("0").toBool());
    EXPECT_EQ(*Variant(true).toString(), "True");
}

TEST(VariantConversion, ColoursKeepTheirBitPattern) {
    auto system = Variant::fromColor(0x8000000FU);
    EXPECT_EQ(system.type(), VarType::Int32);
    EXPECT_EQ(*system.toColor(), 0x8000000FU);
    EXPECT_EQ(*Variant("16711680").toColor(), 0xFF0000U);
    EXPECT_EQ(*Variant(4294967295.0).toColor(), 0xFFFFFFFFU);
    EXPECT_EQ(Variant(4294967296.0).toColor().error(), Error::Overflow);
}

TEST(VariantConversion, ArraysAndObjectsDoNotBecomeScalars) {
    auto array = SafeArray::create(VarType::Double, 3);
    ASSERT_TRUE(array.ok());
    Variant v(*array);
    EXPECT_EQ(v.toDouble().error(), Error::TypeMismatch);
    EXPECT_EQ(v.toString().error(), Error::TypeMismatch);
    EXPECT_EQ(v.changeType(VarType::Int16).error(), Error::TypeMismatch);
    EXPECT_EQ(Variant(1.0).changeType(VarType::Array).error(), Error::TypeMismatch);
    EXPECT_EQ(Variant(1.0).toDispatch().error(), Error::TypeMismatch);
}

TEST(VariantConversion, ChangeTypeGivesTheValueInTheNewType) {
    auto v = Variant(std::int16_t{12}).changeType(VarType::String);
    ASSERT_TRUE(v.ok());
    EXPECT_EQ(*v, Variant("12"));
    auto d = Variant("0.25").changeType(VarType::Double);
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(*d, Variant(0.25));
    EXPECT_EQ(*Variant(0.1).toString(), "0.1");
}

}  // namespace
}  // namespace brennix::com
