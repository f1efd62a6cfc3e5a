#include "chart/labels/value_text.h"

#include <cmath>
#include <cstdint>

#include "chart/labels/printf_text.h"

namespace brennix::chart {
namespace {

using detail::printfText;

// "%d" of the value truncated toward zero. Outside the 32-bit range a plain
// conversion would print the same wrong number for every value, so the whole
// truncated number is printed instead; infinities and NaN print as printf does.
std::string truncatedInteger(double value) {
    const double whole = std::trunc(value);
    if (whole >= INT32_MIN && whole <= INT32_MAX) {
        return printfText("%d", static_cast<int>(whole));
    }
    return printfText("%.0f", whole);
}

std::string sevenDecimals(double value) {
    return stripped(printfText("%.7f", value));
}

std::string number(double v, short format) {
    switch (format) {
        case 1:
            return printfText("%.3f", v);
        case 2:
            return stripped(printfText("%.3f", v));
        case 3:
            return printfText("%.6f", v);
        case 4:
            return stripped(printfText("%.6f", v));
        default:
            return truncatedInteger(v);
    }
}

std::string symbolic(double v, short format) {
    static constexpr const char* units[] = {"V", "Hz", "A", "g", "l", "Deg"};
    const short unit = (format >= 1 && format <= 5) ? format : 0;
    return sevenDecimals(v) + units[unit];
}

std::string percentage(double v, short format) {
    switch (format) {
        case 0:
            return sevenDecimals(v) + "%";
        case 1:
            return printfText("%.2f", v) + "%";
        case 2:
            return sevenDecimals(v * 100) + "%";
        case 3:
            return printfText("%.2f", v * 100) + "%";
        default:
            return printfText("%f", v) + "%";
    }
}

std::string currency(double v, short format) {
    return "$" + (format == 1 ? printfText("%.2f", v) : truncatedInteger(v));
}

std::string scaling(double v, short format) {
    switch (format) {
        case 1:
            return sevenDecimals(v * 0.1);
        case 2:
            return sevenDecimals(v * 10);
        case 3:
            return sevenDecimals(v * 100);
        case 4:
            return sevenDecimals((v + 1) * 100);
        case 5:
            return sevenDecimals(v * 100 - 100);
        case 6:
            return sevenDecimals(v + 1000);
        case 7:
            return sevenDecimals(v + 150);
        default:
            return sevenDecimals(v * 0.01);
    }
}

}  // namespace

std::string stripped(std::string text) {
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    return text;
}

std::string ValueToText(double value, YLabelFormat format) {
    switch (format.formatClass) {
        case format_class::Number:
            return number(value, format.format);
        case format_class::Scientific:
            return printfText("%e", value);
        case format_class::SymbolicEngineer:
            return symbolic(value, format.format);
        case format_class::Percentage:
            return percentage(value, format.format);
        case format_class::Currency:
            return currency(value, format.format);
        case format_class::Scaling:
            return scaling(value, format.format);
        default:
            return {};
    }
}

}  // namespace brennix::chart
