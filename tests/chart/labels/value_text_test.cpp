#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "chart/labels/value_text.h"

namespace brennix::chart {
namespace {

std::string text(short formatClass, short format, double value) {
    return ValueToText(value, YLabelFormat{formatClass, format});
}

TEST(YLabelNumbers, WholeNumbersAreTruncatedTowardZero) {
    EXPECT_EQ(text(0, 0, 2.9), "2");
    EXPECT_EQ(text(0, 0, -2.9), "-2");
    EXPECT_EQ(text(0, 0, -0.5), "0");
    EXPECT_EQ(text(0, 5, 7.5), "7");
    EXPECT_EQ(text(0, -1, 7.5), "7");
}

TEST(YLabelNumbers, StrippedDecimalsStopAtThePointFixedOnesKeepTheirZeros) {
    EXPECT_EQ(text(0, 1, 2.5), "2.500");
    EXPECT_EQ(text(0, 2, 2.5), "2.5");
    EXPECT_EQ(text(0, 2, 3), "3.");
    EXPECT_EQ(text(0, 2, 0.25), "0.25");
    EXPECT_EQ(text(0, 2, 100), "100.");
    EXPECT_EQ(text(0, 3, 2.5), "2.500000");
    EXPECT_EQ(text(0, 4, 0.000125), "0.000125");
    EXPECT_EQ(text(0, 4, 0), "0.");
}

TEST(YLabelNumbers, ValuesBeyondA32BitIntegerShowInFull) {
    EXPECT_EQ(text(0, 0, 2147483647.9), "2147483647");
    EXPECT_EQ(text(0, 0, -2147483648.5), "-2147483648");
    EXPECT_EQ(text(0, 0, 3e9), "3000000000");
    EXPECT_EQ(text(4, 0, -3e9), "$-3000000000");
    EXPECT_EQ(text(0, 0, std::numeric_limits<double>::infinity()), "inf");
    const std::string huge = text(0, 1, 1e300);
    EXPECT_EQ(huge.size(), 301U + 4U);
    EXPECT_EQ(huge.substr(huge.size() - 4), ".000");
}

TEST(YLabelOtherClasses, EachFormatGivesItsListedText) {
    EXPECT_EQ(text(1, 0, 1234.5), "1.234500e+03");
    EXPECT_EQ(text(1, 1, -0.00025), "-2.500000e-04");

    EXPECT_EQ(text(2, 0, 5), "5.V");
    EXPECT_EQ(text(2, 1, 1500), "1500.Hz");
    EXPECT_EQ(text(2, 2, 0.25), "0.25A");
    EXPECT_EQ(text(2, 3, -1.5), "-1.5g");
    EXPECT_EQ(text(2, 4, 0.0000001), "0.0000001l");
    EXPECT_EQ(text(2, 5, 90), "90.Deg");
    EXPECT_EQ(text(2, 6, 1), "1.V");

    EXPECT_EQ(text(3, 0, 0.5), "0.5%");
    EXPECT_EQ(text(3, 1, 0.5), "0.50%");
    EXPECT_EQ(text(3, 2, 0.125), "12.5%");
    EXPECT_EQ(text(3, 3, 0.125), "12.50%");
    EXPECT_EQ(text(3, 4, 0.125), "0.125000%");
    EXPECT_EQ(text(3, -1, 2), "2.000000%");

    EXPECT_EQ(text(4, 0, -1.7), "$-1");
    EXPECT_EQ(text(4, 1, -1.7), "$-1.70");
    EXPECT_EQ(text(4, 2, 12.99), "$12");

    EXPECT_EQ(text(6, 0, 1), "");
    EXPECT_EQ(text(-1, 0, 1), "");
}

TEST(YLabelScaling, EachFactorAndOffsetIsAppliedBeforeStripping) {
    EXPECT_EQ(text(5, 0, 50), "0.5");
    EXPECT_EQ(text(5, 1, 50), "5.");
    EXPECT_EQ(text(5, 2, 50), "500.");
    EXPECT_EQ(text(5, 3, 50), "5000.");
    EXPECT_EQ(text(5, 4, 1), "200.");
    EXPECT_EQ(text(5, 5, 1), "0.");
    EXPECT_EQ(text(5, 6, 0.5), "1000.5");
    EXPECT_EQ(text(5, 7, -150.25), "-0.25");
    EXPECT_EQ(text(5, 8, 50), "0.5");
}

}  // namespace
}  // namespace brennix::chart
