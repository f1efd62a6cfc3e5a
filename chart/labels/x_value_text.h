#pragma once
// Texts of the X labels: sample numbers, times of day or dates of the major
// X ticks, from the XAxisFormatClass, XAxisFormat, TimeInterval and
// TimeBase0..TimeBase2 properties. Times and dates are local time.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brennix::chart {

// XAxisFormatClass values; any other class gives an empty text.
namespace x_format_class {
inline constexpr short Number = 0;
inline constexpr short Time = 1;
inline constexpr short Date = 2;
}  // namespace x_format_class

struct XLabelFormat {
    short formatClass = x_format_class::Number;  // XAxisFormatClass
    short format = 0;                            // XAxisFormat
    std::int32_t timeInterval = 1;               // seconds (Time) or days (Date) per sample
    // Sample 0 is at hour, minute, second (Time) or year, month, day (Date).
    short timeBase0 = 1;
    short timeBase1 = 1;
    short timeBase2 = 1;
};

// The samples the X axis spans: major tick k of xSpacingMajor sits at
// firstSample + k * viewNum / xSpacingMajor.
struct XTickWindow {
    std::int64_t firstSample = 0;
    std::int32_t viewNum = 100;
    short xSpacingMajor = 4;

    // The Chart counts the samples its rings have already cycled through.
    static XTickWindow forChart(std::int32_t ringLength, std::int32_t cycleCount,
                                std::int32_t startNum, std::int32_t viewNum, short xSpacingMajor) {
        return {std::int64_t{ringLength} * cycleCount + startNum, viewNum, xSpacingMajor};
    }
    static XTickWindow forGraph(std::int32_t startNum, std::int32_t viewNum, short xSpacingMajor) {
        return {startNum, viewNum, xSpacingMajor};
    }
};

inline constexpr std::string_view kXValueToStrError = "XValueToStr Error.";

struct XLabelText {
    std::string text;
    // Set when the caller must show a modal message for this label.
    std::optional<std::string_view> message;
};

// Label of major tick k (0 .. xSpacingMajor). A tick outside that range or a
// window without samples or ticks gives an empty text.
XLabelText XValueToStr(int k, const XLabelFormat& format, const XTickWindow& window);

}  // namespace brennix::chart
