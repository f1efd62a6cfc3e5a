#include "chart/labels/x_value_text.h"

#include <cerrno>
#include <climits>
#include <ctime>

#include "chart/labels/printf_text.h"

namespace brennix::chart {
namespace {

using detail::printfText;

// Wide enough that no product of the label arithmetic can overflow; the
// window may span up to 2^31 - 1 samples.
__extension__ using Wide = __int128;

bool fitsInt64(Wide v) {
    return v >= INT64_MIN && v <= INT64_MAX;
}

// The bits that "%x" and "%o" show: those of a 32-bit number while the
// sample number fits one.
unsigned long long digitBits(std::int64_t n) {
    if (n >= INT32_MIN && n <= INT32_MAX) {
        return static_cast<std::uint32_t>(n);
    }
    return static_cast<unsigned long long>(n);
}

std::string binary(std::int64_t n) {
    static constexpr const char* nibbles[] = {"0000", "0001", "0010", "0011", "0100", "0101",
                                              "0110", "0111", "1000", "1001", "1010", "1011",
                                              "1100", "1101", "1110", "1111"};
    std::string text;
    for (char digit : printfText("%llx", digitBits(n))) {
        text += nibbles[digit <= '9' ? digit - '0' : digit - 'a' + 10];
    }
    return text + "b";
}

std::string sampleNumber(std::int64_t n, short format) {
    switch (format) {
        case 1:
            return printfText("%llx", digitBits(n)) + "h";
        case 2:
            return printfText("%llo", digitBits(n)) + "o";
        case 3:
            return binary(n);
        default:
            return printfText("%lld", static_cast<long long>(n));
    }
}

// mktime returns -1 both for an error and for one second before 1970.
std::optional<std::time_t> compose(std::tm fields) {
    fields.tm_isdst = -1;
    errno = 0;
    const std::time_t t = std::mktime(&fields);
    if (t == -1 && errno != 0) {
        return std::nullopt;
    }
    return t;
}

std::optional<std::tm> split(std::time_t t) {
    std::tm fields{};
    if (localtime_r(&t, &fields) == nullptr) {
        return std::nullopt;
    }
    return fields;
}

std::string timeOfDay(const XLabelFormat& f, Wide seconds) {
    std::tm base{};
    base.tm_year = 2000 - 1900;
    base.tm_mday = 1;
    base.tm_hour = f.timeBase0;
    base.tm_min = f.timeBase1;
    base.tm_sec = f.timeBase2;
    const auto start = compose(base);
    if (!start || !fitsInt64(*start + seconds)) {
        return {};
    }
    const auto at = split(static_cast<std::time_t>(*start + seconds));
    if (!at) {
        return {};
    }
    if (f.format == 1) {
        return printfText("%02d:%02d", at->tm_min, at->tm_sec);
    }
    return printfText("%02d:%02d:%02d", at->tm_hour, at->tm_min, at->tm_sec);
}

// Days are counted on the calendar, so that a change of daylight-saving time
// between the two dates cannot move the label to the day before.
std::string calendarDate(const XLabelFormat& f, Wide days) {
    const Wide day = f.timeBase2 + days;
    if (day < INT_MIN || day > INT_MAX) {
        return {};
    }
    std::tm base{};
    base.tm_year = f.timeBase0 - 1900;
    base.tm_mon = f.timeBase1 - 1;
    base.tm_mday = static_cast<int>(day);
    const auto start = compose(base);
    const auto at = start ? split(*start) : std::nullopt;
    if (!at) {
        return {};
    }
    if (f.format == 1) {
        return printfText("%02d/%02d", at->tm_mon + 1, at->tm_mday);
    }
    return printfText("%d/%02d/%02d", at->tm_year + 1900, at->tm_mon + 1, at->tm_mday);
}

bool validBaseDate(const XLabelFormat& f) {
    return f.timeBase0 >= 1991 && f.timeBase1 >= 1 && f.timeBase1 <= 12 && f.timeBase2 >= 1 &&
           f.timeBase2 <= 31;
}

}  // namespace

XLabelText XValueToStr(int k, const XLabelFormat& format, const XTickWindow& window) {
    if (window.viewNum < 1 || window.xSpacingMajor < 1 || k < 0 || k > window.xSpacingMajor) {
        return {};
    }
    const Wide ticksOffset = Wide{k} * window.viewNum / window.xSpacingMajor;
    // Multiplied before the division, so the truncation falls where it always has.
    const Wide elapsed = Wide{window.firstSample} * format.timeInterval +
                         Wide{format.timeInterval} * k * window.viewNum / window.xSpacingMajor;

    switch (format.formatClass) {
        case x_format_class::Number:
            return {sampleNumber(static_cast<std::int64_t>(window.firstSample + ticksOffset),
                                 format.format),
                    std::nullopt};
        case x_format_class::Time:
            return {timeOfDay(format, elapsed), std::nullopt};
        case x_format_class::Date:
            if (!validBaseDate(format)) {
                return {{}, kXValueToStrError};
            }
            return {calendarDate(format, elapsed), std::nullopt};
        default:
            return {};
    }
}

}  // namespace brennix::chart
