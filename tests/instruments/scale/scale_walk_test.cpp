#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "instruments/scale/divisions.h"
#include "instruments/scale/fill_rule.h"
#include "instruments/scale/scale_range.h"
#include "instruments/scale/tick_walk.h"

namespace brennix::instruments {
namespace {

// A scale of `length` units whose majors sit at k / N of it.
std::vector<Tick> evenWalk(const ScaleRange& range, const SpacingRule& rule, Divisions d,
                           double length) {
    return walkTicks(
        {length, d.minor, 1e-9}, range.end(), [&](int k) { return length * k / d.major; },
        [&](int k) { return majorValue(range, rule, d, k); });
}

std::vector<double> majorValues(const std::vector<Tick>& ticks) {
    std::vector<double> values;
    for (const Tick& t : ticks) {
        if (t.major) {
            values.push_back(t.value);
        }
    }
    return values;
}

int minorCount(const std::vector<Tick>& ticks) {
    int n = 0;
    for (const Tick& t : ticks) {
        n += t.major ? 0 : 1;
    }
    return n;
}

TEST(ScaleRange, EndsSwapWhenInverseAndBoundsStayOrdered) {
    const ScaleRange inverse{0, 10, true};
    EXPECT_EQ(inverse.start(), 10);
    EXPECT_EQ(inverse.end(), 0);
    const ScaleRange reversed{10, -5, false};
    EXPECT_EQ(reversed.low(), -5);
    EXPECT_EQ(reversed.high(), 10);
    EXPECT_TRUE(reversed.inRange(-5));
    EXPECT_TRUE(reversed.inRange(10));
    EXPECT_FALSE(reversed.inRange(10.0001));
    EXPECT_FALSE(reversed.inRange(std::nan("")));
}

TEST(ScaleRange, AValueMapsToItsFractionFromTheStartEnd) {
    const ScaleRange plain{0, 10, false};
    EXPECT_NEAR(plain.fromStart(5), 0.5, 1e-6);
    EXPECT_NEAR(plain.fromStart(10), 1.0, 1e-5);
    const ScaleRange inverse{0, 10, true};
    EXPECT_NEAR(inverse.fromStart(0), 1.0, 1e-6);
    EXPECT_NEAR(inverse.fromStart(10), 0.0, 1e-5);
    const ScaleRange flat{3, 3, false};
    EXPECT_EQ(flat.fromStart(3), 0.0);
}

TEST(ScaleDivisions, EachSpacingCountsItsDivisions) {
    const ScaleRange range{0, 10, false};
    Divisions d = divisions(range, {0, 4, 5, 0}, 5);
    EXPECT_EQ(d.major, 5);
    EXPECT_EQ(d.minor, 2);
    d = divisions(range, {1, 4, 5, 0}, 5);
    EXPECT_EQ(d.major, 4);
    EXPECT_EQ(d.minor, 5);
    d = divisions(range, {2, 3, 1, 0}, 5);
    EXPECT_EQ(d.major, 3);
    EXPECT_EQ(d.minor, 3);
    d = divisions(range, {7, 4, 5, 0}, 6);
    EXPECT_EQ(d.major, 6);
    EXPECT_EQ(d.minor, 2);
}

TEST(ScaleDivisions, ZeroOrNegativeSpacingsGiveOneDivisionInsteadOfDividingByZero) {
    const ScaleRange range{0, 10, false};
    EXPECT_EQ(divisions(range, {1, 0, 1, 0}, 5).major, 1);
    EXPECT_EQ(divisions(range, {1, -4, 1, 0}, 5).major, 1);
    EXPECT_EQ(divisions(range, {2, 0, 1, 0}, 5).major, 1);
    EXPECT_EQ(divisions(range, {2, 3, 0, 0}, 5).minor, 1);
    EXPECT_EQ(divisions(ScaleRange{0, 1e300, false}, {2, 1, 1, 0}, 5).major, kMaxDivisions);
}

TEST(ScaleDivisions, AutoCountOnALengthKeepsDivisionsAtMostThirtyPixels) {
    EXPECT_EQ(autoMajorForLength(30), 1);
    EXPECT_EQ(autoMajorForLength(31), 2);
    EXPECT_EQ(autoMajorForLength(60), 2);
    EXPECT_EQ(autoMajorForLength(62), 3);
    EXPECT_EQ(autoMajorForLength(200), 7);
    EXPECT_EQ(autoMajorForLength(-4), 1);
}

TEST(TickWalk, AutoSpacingOnZeroToTenGivesSixMajorsWithOneMinorBetween) {
    const ScaleRange range{0, 10, false};
    const SpacingRule rule{};
    const auto ticks = evenWalk(range, rule, divisions(range, rule, 5), 300);
    EXPECT_EQ(majorValues(ticks), (std::vector<double>{0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(minorCount(ticks), 5);
    EXPECT_EQ(ticks.back().distance, 300);
}

TEST(TickWalk, DividingIntoFourWithFiveMinorsGivesFiveMajorsAndFourMinorsEach) {
    const ScaleRange range{0, 10, false};
    const SpacingRule rule{1, 4, 5, 0};
    const auto ticks = evenWalk(range, rule, divisions(range, rule, 5), 300);
    EXPECT_EQ(majorValues(ticks).size(), 5U);
    EXPECT_EQ(minorCount(ticks), 16);
}

TEST(TickWalk, AnInverseScaleLabelsItsFirstMajorWithTheMaximum) {
    const ScaleRange range{0, 10, true};
    const SpacingRule rule{};
    const auto values = majorValues(evenWalk(range, rule, divisions(range, rule, 5), 300));
    EXPECT_EQ(values, (std::vector<double>{10, 8, 6, 4, 2, 0}));
}

TEST(TickWalk, ByUnitsOfThreeOnZeroToTenGivesThreeDivisionsOfTwoMinors) {
    const ScaleRange range{0, 10, false};
    const SpacingRule rule{2, 3, 1, 0};
    const Divisions d = divisions(range, rule, 5);
    const auto ticks = evenWalk(range, rule, d, 300);
    const auto values = majorValues(ticks);
    ASSERT_EQ(values.size(), 4U);
    EXPECT_DOUBLE_EQ(values[1], 10.0 / 3);
    EXPECT_DOUBLE_EQ(values[2], 20.0 / 3);
    EXPECT_EQ(values[3], 10);
    EXPECT_EQ(minorCount(ticks), 6);
}

TEST(TickWalk, MajorsBeforeTheStartAreSkippedAndMinorsPastTheFarEndDropped) {
    // Majors at -50, 70, 190, 310 on a 200-unit scale, three minors each;
    // the minors of the first division are kept, those past 200 are not.
    const auto ticks = walkTicks(
        {200, 4, 0}, 9.0, [](int k) { return -50.0 + 120.0 * k; },
        [](int k) { return static_cast<double>(k); });
    EXPECT_EQ(majorValues(ticks), (std::vector<double>{1, 2, 9}));
    for (const Tick& t : ticks) {
        EXPECT_LE(t.distance, 200);
    }
    EXPECT_EQ(minorCount(ticks), 3 + 3);
}

TEST(TickWalk, AWalkThatNeverReachesTheFarEndStillEnds) {
    const auto backward = walkTicks(
        {100, 2, 0}, 1.0, [](int k) { return 10.0 - k; }, [](int) { return 0.0; });
    EXPECT_LE(backward.size(), 3U);
    const auto tiny = walkTicks(
        {1e9, 2, 0}, 1.0, [](int k) { return k * 1e-3; }, [](int) { return 0.0; });
    EXPECT_EQ(tiny.size(), static_cast<std::size_t>(kMaxTicks) + 1);
    const auto nan = walkTicks(
        {100, 2, 0}, 1.0, [](int) { return std::nan(""); }, [](int) { return 0.0; });
    EXPECT_EQ(nan.size(), 1U);
}

TEST(FillRule, FillsTowardTheFarEndOrFromTheStartWhateverTheEndsCarry) {
    auto toMax = fillSpan(1, 0.3);
    ASSERT_TRUE(toMax.has_value());
    EXPECT_EQ(toMax->from, 0.3);
    EXPECT_EQ(toMax->to, 1.0);
    auto toMin = fillSpan(2, 0.3);
    ASSERT_TRUE(toMin.has_value());
    EXPECT_EQ(toMin->from, 0.0);
    EXPECT_EQ(toMin->to, 0.3);
    EXPECT_FALSE(fillSpan(0, 0.3).has_value());
    EXPECT_FALSE(fillSpan(3, 0.3).has_value());
}

TEST(PointerCoupling, OnlyAVisiblePointerSetInRangeCarriesTheValue) {
    const ScaleRange range{0, 10, false};
    EXPECT_EQ(coupledValue(range, true, 7.0), 7.0);
    EXPECT_FALSE(coupledValue(range, false, 7.0).has_value());
    EXPECT_FALSE(coupledValue(range, true, 10.5).has_value());
    EXPECT_FALSE(coupledValue(range, true, std::numeric_limits<double>::infinity()).has_value());
}

}  // namespace
}  // namespace brennix::instruments
