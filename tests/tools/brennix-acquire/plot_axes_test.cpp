#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "tools/brennix-acquire/plot_axes.h"

namespace brennix::acquire {
namespace {

// The Chart's X label of major tick k: k * ViewNum / XSpacingMajor in
// 32-bit integer arithmetic.
std::vector<long long> xLabelsOf(const XAxis& axis) {
    std::vector<long long> labels;
    for (int k = 0; k <= axis.majorDivisions; ++k) {
        labels.push_back(static_cast<long long>(static_cast<std::int32_t>(
            static_cast<std::int64_t>(k) * axis.viewNum / axis.majorDivisions)));
    }
    return labels;
}

void expectFits(std::size_t samples) {
    const XAxis axis = xAxisFor(samples);
    SCOPED_TRACE(samples);
    ASSERT_GE(axis.majorDivisions, 1);
    ASSERT_LE(axis.majorDivisions, 10);
    // Every sample lies in the view, which the history holds unwrapped.
    ASSERT_GE(static_cast<std::size_t>(axis.viewNum) + 1, samples);
    ASSERT_GE(axis.historyLength, axis.viewNum + 2);
    ASSERT_LE(axis.historyLength, 1048575);
    ASSERT_GE(axis.historyLength, 1024);
    // Whole labels in equal steps, none repeated.
    std::vector<long long> labels = xLabelsOf(axis);
    ASSERT_EQ(axis.viewNum % axis.majorDivisions, 0);
    for (std::size_t k = 1; k < labels.size(); ++k) {
        ASSERT_GT(labels[k], labels[k - 1]);
    }
}

TEST(XAxis, EveryCountGetsDistinctWholeLabelsAndFitsTheHistory) {
    for (std::size_t n = 1; n <= 5000; ++n) {
        expectFits(n);
    }
    for (std::size_t n : {9999U, 10001U, 65536U, 123457U, 999999U, 1000000U}) {
        expectFits(n);
    }
}

TEST(XAxis, TheViewIsNoLongerThanItsStepsNeed) {
    EXPECT_EQ(xAxisFor(1).viewNum, 1);
    EXPECT_EQ(xAxisFor(7).viewNum, 6);
    EXPECT_EQ(xAxisFor(7).majorDivisions, 6);
    EXPECT_EQ(xAxisFor(1000).viewNum, 1000);
    EXPECT_EQ(xAxisFor(1000).majorDivisions, 10);
    EXPECT_EQ(xAxisFor(12).viewNum, 12);  // steps of 2
    // A step of 1, 2 or 5 times a power of ten never wastes half the view.
    for (std::size_t n = 2; n <= 5000; ++n) {
        EXPECT_LT(xAxisFor(n).viewNum, 2 * static_cast<std::int32_t>(n - 1) + 1) << n;
    }
}

TEST(YAxis, EveryRangeAndGainGetsWholeLabelsCoveringIt) {
    std::vector<InputScale> scales;
    for (int code = 0; code < kVexaRangeCodes; ++code) {
        scales.push_back(*vexaRange(code));
    }
    for (int code = 0; code < kGainCodes; ++code) {
        scales.push_back(*gainRange(code));
    }
    for (const InputScale& scale : scales) {
        SCOPED_TRACE(scale.label);
        const YAxis axis = yAxisFor(scale);
        ASSERT_LE(axis.majorDivisions, 10);
        ASSERT_LE(axis.low, scale.low * axis.perVolt + 1e-9);
        ASSERT_GE(axis.high, scale.high * axis.perVolt - 1e-9);
        std::set<long long> labels;
        for (int k = 0; k <= axis.majorDivisions; ++k) {
            // The Chart's label: max - (max - min) * k / divisions.
            double value = axis.high - (axis.high - axis.low) * k / axis.majorDivisions;
            ASSERT_EQ(value, std::trunc(value)) << k;
            labels.insert(static_cast<long long>(value));
        }
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(axis.majorDivisions) + 1);
    }
}

TEST(YAxis, ARangeIsShownInVoltsWhenWholeVoltsDivideIt) {
    EXPECT_EQ(yAxisFor(*vexaRange(0)).unit, "V");  // +/-5 V in steps of 1
    EXPECT_EQ(yAxisFor(*vexaRange(5)).unit, "V");  // 0 to 5 V in 5 steps
    EXPECT_EQ(yAxisFor(*vexaRange(5)).majorDivisions, 5);
    EXPECT_EQ(yAxisFor(*vexaRange(1)).unit, "mV");  // +/-2.5 V in steps of 500 mV
    EXPECT_EQ(yAxisFor(*vexaRange(1)).high, 2500.0);
    const YAxis sixteen = yAxisFor(*gainRange(4));
    EXPECT_EQ(sixteen.unit, "mV");
    EXPECT_EQ(sixteen.low, -400.0);
    EXPECT_EQ(sixteen.high, 400.0);
}

}  // namespace
}  // namespace brennix::acquire
