#include <gtest/gtest.h>

#include <array>

#include "platform/com/variant.h"

namespace brennix::com {
namespace {

TEST(SafeArrayShape, KeepsElementTypeBoundsAndCount) {
    auto array = SafeArray::create(VarType::Int16, 1000);
    ASSERT_TRUE(array.ok());
    EXPECT_EQ(array->elementType(), VarType::Int16);
    EXPECT_EQ(array->lowerBound(), 0);
    EXPECT_EQ(array->count(), 1000U);
    EXPECT_EQ(array->upperBound(), 999);
    EXPECT_EQ(array->elementSize(), 2U);
    EXPECT_EQ(array->lockCount(), 0U);
}

TEST(SafeArrayShape, CreationFailsForImpossibleArrays) {
    EXPECT_EQ(SafeArray::create(VarType::Double, 0xFFFFFFFFU).error(), Error::OutOfMemory);
    EXPECT_EQ(SafeArray::create(VarType::String, 4).error(), Error::InvalidArgument);
    EXPECT_EQ(SafeArray::create(VarType::Int32, 10, 0x7FFFFFFF).error(), Error::InvalidArgument);
    EXPECT_TRUE(SafeArray::create(VarType::Int32, 1, 0x7FFFFFFF).ok());
    EXPECT_TRUE(SafeArray::create(VarType::Int32, 0).ok());
}

TEST(SafeArrayAccess, DataIsReachedBetweenAccessAndUnaccess) {
    std::array<double, 3> values{1.5, -2.0, 8.25};
    auto array = SafeArray::fromValues<double>(values);
    ASSERT_TRUE(array.ok());
    auto raw = array->accessData();
    ASSERT_TRUE(raw.ok());
    EXPECT_EQ(array->lockCount(), 1U);
    static_cast<double*>(*raw)[1] = 4.0;
    EXPECT_TRUE(array->unaccessData().ok());
    EXPECT_EQ(array->lockCount(), 0U);
    EXPECT_EQ(*array->get(1), Variant(4.0));
}

TEST(SafeArrayAccess, TypedAccessChecksTheElementType) {
    auto array = SafeArray::create(VarType::Int32, 2);
    ASSERT_TRUE(array.ok());
    EXPECT_EQ(array->access<double>().error(), Error::TypeMismatch);
    EXPECT_EQ(array->lockCount(), 0U);
    auto span = array->access<std::int32_t>();
    ASSERT_TRUE(span.ok());
    EXPECT_EQ(span->size(), 2U);
    EXPECT_TRUE(array->unaccessData().ok());
}

TEST(SafeArrayAccess, AScopedAccessHoldsTheLockWhileItLives) {
    auto array = SafeArray::create(VarType::Double, 3);
    ASSERT_TRUE(array.ok());
    {
        auto data = ArrayAccess<double>::of(*array);
        ASSERT_TRUE(data.ok());
        data->values()[2] = 6.5;
        EXPECT_EQ(array->lockCount(), 1U);
        EXPECT_EQ(array->resize(1).error(), Error::ArrayLocked);
    }
    EXPECT_EQ(array->lockCount(), 0U);
    EXPECT_EQ(*array->get(2), Variant(6.5));
    EXPECT_EQ(ArrayAccess<std::int16_t>::of(*array).error(), Error::TypeMismatch);
    EXPECT_EQ(array->lockCount(), 0U);
}

TEST(SafeArrayAccess, UnaccessWithoutAccessIsAnError) {
    auto array = SafeArray::create(VarType::Int16, 1);
    ASSERT_TRUE(array.ok());
    EXPECT_EQ(array->unaccessData().error(), Error::NotLocked);
    EXPECT_EQ(array->lockCount(), 0U);
}

TEST(SafeArrayAccess, ALockedArrayKeepsItsShape) {
    auto array = SafeArray::create(VarType::Int16, 4);
    ASSERT_TRUE(array.ok());
    ASSERT_TRUE(array->accessData().ok());
    ASSERT_TRUE(array->accessData().ok());
    EXPECT_EQ(array->resize(8).error(), Error::ArrayLocked);
    EXPECT_EQ(array->count(), 4U);
    Variant holder(std::move(*array));
    EXPECT_EQ(holder.clear().error(), Error::ArrayLocked);
    EXPECT_EQ(holder.type(), VarType::Array);
    ASSERT_TRUE(holder.array()->unaccessData().ok());
    ASSERT_TRUE(holder.array()->unaccessData().ok());
    EXPECT_TRUE(holder.array()->resize(8).ok());
    EXPECT_TRUE(holder.clear().ok());
    EXPECT_TRUE(holder.isEmpty());
}

TEST(SafeArrayElements, IndexesOutsideTheBoundsAreRefused) {
    auto array = SafeArray::create(VarType::Int32, 3, -1);
    ASSERT_TRUE(array.ok());
    EXPECT_TRUE(array->put(-1, Variant(std::int32_t{7})).ok());
    EXPECT_TRUE(array->put(1, Variant(std::int32_t{9})).ok());
    EXPECT_EQ(array->put(2, Variant(std::int32_t{1})).error(), Error::BadIndex);
    EXPECT_EQ(array->put(-2, Variant(std::int32_t{1})).error(), Error::BadIndex);
    EXPECT_EQ(array->get(3).error(), Error::BadIndex);
    EXPECT_EQ(*array->get(-1), Variant(std::int32_t{7}));
    auto empty = SafeArray::create(VarType::Double, 0);
    EXPECT_EQ(empty->get(0).error(), Error::BadIndex);
}

TEST(SafeArrayElements, ElementsConvertToTheElementType) {
    auto array = SafeArray::create(VarType::Int16, 1);
    ASSERT_TRUE(array.ok());
    EXPECT_TRUE(array->put(0, Variant(12.6)).ok());
    EXPECT_EQ(*array->get(0), Variant(std::int16_t{13}));
    EXPECT_EQ(array->put(0, Variant(70000.0)).error(), Error::Overflow);
    EXPECT_EQ(array->put(0, Variant("x")).error(), Error::TypeMismatch);
    EXPECT_EQ(*array->get(0), Variant(std::int16_t{13}));
}

TEST(SafeArrayElements, ACopyHasItsOwnDataAndNoLock) {
    auto array = SafeArray::create(VarType::Double, 2);
    ASSERT_TRUE(array.ok());
    ASSERT_TRUE(array->accessData().ok());
    SafeArray copy(*array);
    EXPECT_EQ(copy.lockCount(), 0U);
    ASSERT_TRUE(copy.put(0, Variant(3.0)).ok());
    EXPECT_EQ(*array->get(0), Variant(0.0));
    ASSERT_TRUE(array->unaccessData().ok());
}

}  // namespace
}  // namespace brennix::com
