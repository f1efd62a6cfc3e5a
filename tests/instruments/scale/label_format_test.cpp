#include "instruments/scale/label_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace brennix::instruments {
namespace {

struct Row {
    std::int16_t formatClass;
    std::int16_t format;
    double value;
    const char* text;
};

void expectRows(std::initializer_list<Row> rows) {
    for (const Row& r : rows) {
        EXPECT_EQ(formatLabel(r.value, r.formatClass, r.format), r.text)
            << "class " << r.formatClass << " format " << r.format << " value " << r.value;
    }
}

TEST(LabelFormat, NumbersTruncateOrShowFixedDecimalsAndStripOnlyTheStrippedRows) {
    expectRows({
        {0, 0, 7.9, "7"},
        {0, 0, -7.9, "-7"},
        {0, 5, 3.99, "3"},
        {0, 99, 3.99, "3"},
        {0, -1, 3.99, "3"},
        {0, 1, 2.0, "2.000"},
        {0, 2, 1.5, "1.5"},
        {0, 2, 2.0, "2."},
        {0, 2, 0.25, "0.25"},
        {0, 2, 100.0, "100."},
        {0, 3, 0.25, "0.250000"},
        {0, 4, 0.25, "0.25"},
        {0, 4, 1.0, "1."},
    });
}

TEST(LabelFormat, ScientificIgnoresTheFormat) {
    expectRows({{1, 0, 1234.5, "1.234500e+03"}, {1, 1, 1234.5, "1.234500e+03"}});
}

TEST(LabelFormat, SymbolicUnitsFollowSixDecimals) {
    expectRows({
        {2, 0, 1.5, "1.500000V"},
        {2, 1, 1.5, "1.500000Hz"},
        {2, 2, 1.5, "1.500000A"},
        {2, 3, 1.5, "1.500000g"},
        {2, 4, 1.5, "1.500000l"},
        {2, 5, 1.5, "1.500000Deg"},
        {2, 6, 1.5, "1.500000V"},
    });
}

TEST(LabelFormat, PercentagesPrintTheValueOrAHundredTimesIt) {
    expectRows({
        {3, 0, 0.5, "0.500000%"},
        {3, 4, 0.5, "0.500000%"},
        {3, 1, 0.5, "0.50%"},
        {3, 2, 0.5, "50.000000%"},
        {3, 3, 0.5, "50.00%"},
    });
}

TEST(LabelFormat, CurrencyTruncatesExceptWithTwoDecimals) {
    expectRows({
        {4, 0, -3.7, "$-3"},
        {4, 1, -3.7, "$-3.70"},
        {4, 2, 12.9, "$12"},
    });
}

TEST(LabelFormat, ScalingAppliesTheFactorOfItsRowNotOfItsPageEntry) {
    expectRows({
        {5, 0, 250, "2.500000"},
        {5, 8, 250, "2.500000"},
        {5, 1, 250, "25.000000"},
        {5, 2, 2.5, "250.000000"},
        {5, 3, 2.5, "2500.000000"},
        {5, 4, 2.5, "350.000000"},
        {5, 5, 2.5, "150.000000"},
        {5, 6, 2.5, "1002.500000"},
        {5, 7, 2.5, "152.500000"},
    });
}

TEST(LabelFormat, AnUnknownClassGivesNoText) {
    expectRows({{6, 0, 1.0, ""}, {-1, 0, 1.0, ""}});
}

TEST(LabelFormat, ValuesNoIntegerHoldsArePrintedWholeNotWrapped) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatLabel(1e12, 0, 0), "1000000000000");
    EXPECT_EQ(formatLabel(-inf, 4, 0), "$-inf");
    EXPECT_EQ(formatLabel(std::nan(""), 0, 0).find("nan") != std::string::npos, true);
    EXPECT_EQ(formatLabel(1e300, 0, 2).size(), 302U);  // 301 digits and the point
}

TEST(LabelFormat, ThePageOffersEachClassItsEntriesInFormatOrder) {
    ASSERT_EQ(formatClassNames().size(), 6U);
    EXPECT_EQ(formatClassNames()[2], "Symbolic Engineer");
    EXPECT_EQ(formatEntries(0).size(), 5U);
    EXPECT_EQ(formatEntries(0)[2], ".###");
    EXPECT_EQ(formatEntries(1)[1], "E");
    EXPECT_EQ(formatEntries(2)[5], "'Deg'");
    EXPECT_EQ(formatEntries(3)[3], ".#0%*100");
    EXPECT_EQ(formatEntries(4)[0], "$.");
    EXPECT_EQ(formatEntries(4)[1], "$.#0");
    ASSERT_EQ(formatEntries(5).size(), 8U);
    EXPECT_EQ(formatEntries(5)[0], "*.001");
    EXPECT_EQ(formatEntries(5)[3], "*10000");
    EXPECT_EQ(formatEntries(5)[7], "+150");
    EXPECT_TRUE(formatEntries(6).empty());
}

}  // namespace
}  // namespace brennix::instruments
