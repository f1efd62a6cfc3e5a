#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "chart/labels/x_value_text.h"

namespace brennix::chart {
namespace {

// Local time decides every time and date label, so each test names its zone.
class LocalZone : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) {
            saved_ = tz;
        }
        use("UTC0");
    }
    void TearDown() override {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    static void use(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }

  private:
    std::optional<std::string> saved_;
};

XLabelFormat numbers(short format) {
    return XLabelFormat{x_format_class::Number, format, 1, 1, 1, 1};
}
XLabelFormat times(short format, std::int32_t interval, short h, short m, short s) {
    return XLabelFormat{x_format_class::Time, format, interval, h, m, s};
}
XLabelFormat dates(short format, std::int32_t interval, short y, short mo, short d) {
    return XLabelFormat{x_format_class::Date, format, interval, y, mo, d};
}
// A Graph window whose tick 0 is the given sample.
XTickWindow at(std::int32_t sample) {
    return XTickWindow::forGraph(sample, 100, 4);
}
std::string label(const XLabelFormat& format, const XTickWindow& window, int k = 0) {
    const XLabelText result = XValueToStr(k, format, window);
    EXPECT_FALSE(result.message);
    return result.text;
}

using XSampleLabels = LocalZone;

TEST_F(XSampleLabels, EachNumberFormatWritesTheSampleNumber) {
    EXPECT_EQ(label(numbers(0), at(255)), "255");
    EXPECT_EQ(label(numbers(1), at(255)), "ffh");
    EXPECT_EQ(label(numbers(2), at(8)), "10o");
    EXPECT_EQ(label(numbers(3), at(5)), "0101b");
    EXPECT_EQ(label(numbers(3), at(18)), "00010010b");
    EXPECT_EQ(label(numbers(3), at(0)), "0000b");
    EXPECT_EQ(label(numbers(4), at(18)), "18");
    EXPECT_EQ(label(numbers(-1), at(18)), "18");
}

TEST_F(XSampleLabels, NegativeSamplesShowTheir32BitPattern) {
    EXPECT_EQ(label(numbers(0), at(-1)), "-1");
    EXPECT_EQ(label(numbers(1), at(-1)), "ffffffffh");
    EXPECT_EQ(label(numbers(2), at(-8)), "37777777770o");
    EXPECT_EQ(label(numbers(3), at(-2)), std::string(31, '1') + "0b");
}

TEST_F(XSampleLabels, ChartTicksCountTheCycledRingsAndTruncate) {
    const XTickWindow chart = XTickWindow::forChart(341, 2, 5, 10, 4);
    EXPECT_EQ(label(numbers(0), chart, 0), "687");
    EXPECT_EQ(label(numbers(0), chart, 1), "689");
    EXPECT_EQ(label(numbers(0), chart, 3), "694");
    EXPECT_EQ(label(numbers(0), chart, 4), "697");
    EXPECT_EQ(label(numbers(0), XTickWindow::forGraph(5, 10, 4), 3), "12");
}

TEST_F(XSampleLabels, WideWindowsDoNotOverflow) {
    const XTickWindow wide = XTickWindow::forGraph(100, 2000000000, 4);
    EXPECT_EQ(label(numbers(0), wide, 4), "2000000100");
    EXPECT_EQ(label(numbers(0), wide, 3), "1500000100");
    const XTickWindow cycled = XTickWindow::forChart(1048575, 100000, 0, 100, 4);
    EXPECT_EQ(label(numbers(0), cycled, 0), "104857500000");
}

TEST_F(XSampleLabels, ImpossibleTicksAndWindowsGiveEmptyTexts) {
    EXPECT_EQ(label(numbers(0), XTickWindow::forGraph(0, 100, 0)), "");
    EXPECT_EQ(label(numbers(0), XTickWindow::forGraph(0, 0, 4)), "");
    EXPECT_EQ(label(numbers(0), at(0), 5), "");
    EXPECT_EQ(label(numbers(0), at(0), -1), "");
    EXPECT_EQ(label(XLabelFormat{3, 0, 1, 1, 1, 1}, at(7)), "");
}

using XTimeLabels = LocalZone;

TEST_F(XTimeLabels, TheTimeWrapsPastMidnight) {
    EXPECT_EQ(label(times(0, 1, 23, 59, 50), at(15)), "00:00:05");
    EXPECT_EQ(label(times(1, 1, 23, 59, 50), at(15)), "00:05");
    EXPECT_EQ(label(times(7, 1, 23, 59, 50), at(15)), "00:00:05");
    EXPECT_EQ(label(times(0, 1, 9, 5, 3), at(0)), "09:05:03");
}

TEST_F(XTimeLabels, ElapsedTimeIsMultipliedBeforeItIsDivided) {
    // 3 s x 1 x 10 / 4 = 7 s, not 3 s x (10 / 4) = 6 s.
    EXPECT_EQ(label(times(0, 3, 0, 0, 0), XTickWindow::forGraph(0, 10, 4), 1), "00:00:07");
    EXPECT_EQ(label(times(0, 3, 0, 0, 0), XTickWindow::forGraph(2, 10, 4), 1), "00:00:13");
    EXPECT_EQ(label(times(0, 60, 0, 0, 0), XTickWindow::forChart(10, 1, 5, 100, 4), 2), "01:05:00");
}

TEST_F(XTimeLabels, DaylightSavingTimeMovesTheClock) {
    use("AAA0BBB,J1/1,J300");
    EXPECT_EQ(label(times(0, 1, 0, 59, 50), at(5)), "00:59:55");
    EXPECT_EQ(label(times(0, 1, 0, 59, 50), at(15)), "02:00:05");
}

TEST_F(XTimeLabels, TimesAndDatesBeyondTheCalendarGiveEmptyTexts) {
    const XTickWindow far = XTickWindow::forChart(2147483647, 2147483647, 0, 100, 4);
    EXPECT_EQ(label(times(0, 2147483647, 0, 0, 0), far), "");
    EXPECT_EQ(label(dates(0, 2147483647, 2000, 1, 1), far), "");
}

TEST_F(XTimeLabels, TheZoneDoesNotShiftTheBaseTime) {
    use("XXX-9");
    EXPECT_EQ(label(times(0, 1, 23, 59, 50), at(15)), "00:00:05");
}

using XDateLabels = LocalZone;

TEST_F(XDateLabels, DaysAreCountedOnTheCalendar) {
    EXPECT_EQ(label(dates(0, 1, 2000, 2, 27), at(0)), "2000/02/27");
    EXPECT_EQ(label(dates(0, 1, 2000, 2, 27), at(2)), "2000/02/29");
    EXPECT_EQ(label(dates(0, 1, 2000, 2, 27), at(3)), "2000/03/01");
    EXPECT_EQ(label(dates(1, 1, 2000, 2, 27), at(3)), "03/01");
    EXPECT_EQ(label(dates(5, 7, 2000, 12, 28), at(1)), "2001/01/04");
    EXPECT_EQ(label(dates(0, 1, 1991, 1, 1), at(-1)), "1990/12/31");
}

TEST_F(XDateLabels, TheEndOfSummerTimeDoesNotLoseADay) {
    use("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(label(dates(0, 1, 2000, 10, 28), at(2)), "2000/10/30");
    EXPECT_EQ(label(dates(0, 1, 2000, 3, 25), at(2)), "2000/03/27");
}

TEST_F(XDateLabels, AnInvalidBaseDateAsksForTheMessageAndLeavesTheLabelEmpty) {
    for (const XLabelFormat& bad :
         {dates(0, 1, 1990, 1, 1), dates(0, 1, 2000, 0, 1), dates(0, 1, 2000, 13, 1),
          dates(1, 1, 2000, 1, 0), dates(0, 1, 2000, 1, 32)}) {
        const XLabelText result = XValueToStr(0, bad, at(0));
        EXPECT_EQ(result.text, "");
        EXPECT_EQ(result.message, "XValueToStr Error.");
    }
    EXPECT_EQ(label(dates(0, 1, 1991, 12, 31), at(0)), "1991/12/31");
}

}  // namespace
}  // namespace brennix::chart
