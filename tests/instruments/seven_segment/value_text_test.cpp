// The text a display makes of its value and the cells it lays from the
// right.

#include <gmock/gmock.h>

#include <cmath>
#include <limits>

#include "instruments/seven_segment/value_text.h"

namespace brennix::instruments::testing {
namespace {

using ::testing::ElementsAre;

constexpr SegmentCode P = kPoint;
constexpr SegmentCode d(char c) {
    return digitPattern(c);
}

TEST(ValueText, TruncatesTowardZeroAndAlwaysHoldsAPoint) {
    EXPECT_EQ(valueText(3.678, 3, 2), "3.67");
    EXPECT_EQ(valueText(3.67, 3, 2), "3.67");
    EXPECT_EQ(valueText(-2.5, 3, 0), "-2.");
    EXPECT_EQ(valueText(-3.678, 3, 2), "-3.67");
    EXPECT_EQ(valueText(0.999, 3, 1), "0.9");
    EXPECT_EQ(valueText(7, 3, 3), "7.000");
}

TEST(ValueText, SettingsThatDescribeNoTextGiveNone) {
    EXPECT_EQ(valueText(1, 3, 4), std::nullopt);
    EXPECT_EQ(valueText(1, 3, -1), std::nullopt);
    EXPECT_EQ(valueText(1, -1, -2), std::nullopt);
}

TEST(ValueText, ValuesFarOutOfRangePrintEveryDigitAndNeverNan) {
    const auto huge = valueText(1e300, 3, 2);
    ASSERT_TRUE(huge.has_value());
    EXPECT_EQ(huge->size(), 301U + 3U);
    EXPECT_EQ(huge->substr(0, 1), "1");
    EXPECT_EQ(huge->substr(huge->size() - 3), ".00");

    const auto max = valueText(-std::numeric_limits<double>::max(), 2, 2);
    ASSERT_TRUE(max.has_value());
    EXPECT_EQ(max->front(), '-');
    EXPECT_EQ(max->substr(max->size() - 3), ".00");

    // 10 to the 400th overflows; the value keeps its own digits.
    const auto wide = valueText(3.67, 400, 400);
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->size(), 402U);
    EXPECT_EQ(wide->substr(0, 5), "3.669");
    EXPECT_EQ(wide->find('n'), std::string::npos);
}

TEST(CellWalk, ThePointJoinsTheDigitOnItsLeft) {
    EXPECT_THAT(cellCodes({"3.67", 3, false, true}), ElementsAre(d('7'), d('6'), d('3') | P));
}

TEST(CellWalk, MissingLeadingDigitsAreZerosOnlyWhenPrefixed) {
    EXPECT_THAT(cellCodes({"5.", 3, false, true}), ElementsAre(d('5') | P, d('0'), d('0')));
    EXPECT_THAT(cellCodes({"5.", 3, false, false}), ElementsAre(d('5') | P, 0, 0));
}

TEST(CellWalk, TheMinusOfANegativeValueCountsAsALeadingPlace) {
    EXPECT_THAT(cellCodes({"-1.5", 3, true, false}), ElementsAre(d('5'), d('1') | P, 0));
    EXPECT_THAT(cellCodes({"-1.5", 3, true, true}), ElementsAre(d('5'), d('1') | P, d('0')));
    // Negative zero is not below zero: its minus stays blank, unprefixed.
    EXPECT_THAT(cellCodes({"-0.0", 3, false, true}), ElementsAre(d('0'), d('0') | P, 0));
}

TEST(CellWalk, DigitsThatDoNotFitAreLostOnTheLeft) {
    EXPECT_THAT(cellCodes({"1234.5", 3, false, true}), ElementsAre(d('5'), d('4') | P, d('3')));
}

TEST(CellWalk, WithEveryDigitAfterThePointThePointFindsNoCell) {
    EXPECT_THAT(cellCodes({"0.125", 3, false, true}), ElementsAre(d('5'), d('2'), d('1')));
}

}  // namespace
}  // namespace brennix::instruments::testing
