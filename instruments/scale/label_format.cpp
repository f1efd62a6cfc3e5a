#include "instruments/scale/label_format.h"

#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace brennix::instruments {
namespace {

__attribute__((format(printf, 1, 2))) std::string print(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (n > 0) {
        text.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<std::size_t>(n));
    }
    va_end(again);
    return text;
}

// "%d" of the value truncated toward zero; a value no int holds (or NaN)
// is printed whole rather than wrapped.
std::string integer(double v) {
    const double t = std::trunc(v);
    if (t >= INT_MIN && t <= INT_MAX) {
        return print("%d", static_cast<int>(t));
    }
    return print("%.0f", t);
}

std::string fixed(double v) {
    return print("%f", v);
}

std::string number(double v, std::int16_t format) {
    switch (format) {
        case 1:
            return print("%.3f", v);
        case 2:
            return stripTrailingZeros(print("%.3f", v));
        case 3:
            return print("%.6f", v);
        case 4:
            return stripTrailingZeros(print("%.6f", v));
        default:
            return integer(v);
    }
}

std::string symbolic(double v, std::int16_t format) {
    static constexpr const char* kUnits[] = {"V", "Hz", "A", "g", "l", "Deg"};
    const int row = format >= 0 && format <= 5 ? format : 0;
    return fixed(v) + kUnits[row];
}

std::string percentage(double v, std::int16_t format) {
    switch (format) {
        case 1:
            return print("%.2f", v) + "%";
        case 2:
            return fixed(v * 100) + "%";
        case 3:
            return print("%.2f", v * 100) + "%";
        default:
            return fixed(v) + "%";
    }
}

std::string currency(double v, std::int16_t format) {
    return "$" + (format == 1 ? print("%.2f", v) : integer(v));
}

std::string scaling(double v, std::int16_t format) {
    switch (format) {
        case 1:
            return fixed(v * 0.1);
        case 2:
            return fixed(v * 100);
        case 3:
            return fixed(v * 1000);
        case 4:
            return fixed((v + 1) * 100);
        case 5:
            return fixed(v * 100 - 100);
        case 6:
            return fixed(v + 1000);
        case 7:
            return fixed(v + 150);
        default:
            return fixed(v * 0.01);
    }
}

}  // namespace

std::string stripTrailingZeros(std::string text) {
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    return text;
}

std::string formatLabel(double value, std::int16_t formatClass, std::int16_t format) {
    switch (formatClass) {
        case 0:
            return number(value, format);
        case 1:
            return print("%e", value);
        case 2:
            return symbolic(value, format);
        case 3:
            return percentage(value, format);
        case 4:
            return currency(value, format);
        case 5:
            return scaling(value, format);
        default:
            return {};
    }
}

const std::vector<std::string_view>& formatClassNames() {
    static const std::vector<std::string_view> names{
        "Number", "Scientific", "Symbolic Engineer", "Percentage", "Currency", "Scaling"};
    return names;
}

const std::vector<std::string_view>& formatEntries(std::int16_t formatClass) {
    static const std::vector<std::vector<std::string_view>> entries{
        {".", ".##0", ".###", ".#####0", ".######"},
        {"e", "E"},
        {"k'V'", "k'Hz'", "k'A'", "k'g'", "k'l'", "'Deg'"},
        {"%", ".#0%", "%*100", ".#0%*100"},
        {"$.", "$.#0"},
        {"*.001", "*.01", "*100", "*10000", "*100+100", "*100-100", "+1000", "+150"},
    };
    static const std::vector<std::string_view> none;
    if (formatClass < 0 || formatClass >= static_cast<int>(entries.size())) {
        return none;
    }
    return entries[static_cast<std::size_t>(formatClass)];
}

}  // namespace brennix::instruments
