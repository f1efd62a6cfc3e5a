#pragma once
// Texts of the Y labels and of the Y-format page's sample, from the
// FormatClass and Format properties.

#include <string>

namespace brennix::chart {

// FormatClass values; any other class gives an empty text.
namespace format_class {
inline constexpr short Number = 0;
inline constexpr short Scientific = 1;
inline constexpr short SymbolicEngineer = 2;
inline constexpr short Percentage = 3;
inline constexpr short Currency = 4;
inline constexpr short Scaling = 5;
}  // namespace format_class

struct YLabelFormat {
    short formatClass = format_class::Number;  // FormatClass
    short format = 0;                          // Format
};

std::string ValueToText(double value, YLabelFormat format);

// Removes trailing "0" characters; the decimal point ends the run, so
// "5.0000000" keeps its point and "0.25" stays as it is.
std::string stripped(std::string text);

}  // namespace brennix::chart
