#include "chart/labels/format_lists.h"

#include "chart/labels/value_text.h"
#include "chart/labels/x_value_text.h"

namespace brennix::chart {
namespace {

using List = std::span<const std::string_view>;

constexpr std::string_view yClasses[] = {"Number",     "Scientific", "Symbolic Engineer",
                                         "Percentage", "Currency",   "Scaling"};
constexpr std::string_view numberFormats[] = {".", ".##0", ".###", ".#####0", ".######"};
constexpr std::string_view scientificFormats[] = {"e", "E"};
constexpr std::string_view unitsOnOpen[] = {"k'V'", "k'Hz'", "k'A'", "k'g'", "k'l'", "'Deg'"};
constexpr std::string_view unitsOnChange[] = {"'V'", "'Hz'", "'A'", "'g'", "'l'", "'Deg'"};
constexpr std::string_view percentFormats[] = {"%", ".#0%", "%*100", ".#0%*100"};
constexpr std::string_view currencyFormats[] = {"$.", "$.#0"};
constexpr std::string_view scalingFormats[] = {"*.01",     "*.1",      "*10",   "*100",
                                               "*100+100", "*100-100", "+1000", "+150"};

constexpr std::string_view xClasses[] = {"Number", "Time", "Date"};
constexpr std::string_view sampleFormats[] = {"Decimal", "Hexadecimal", "Octal", "Binary"};
constexpr std::string_view timeFormats[] = {"hh:mm:ss", "mm:ss"};
constexpr std::string_view datesOnOpen[] = {"yy/mm/dd", "mm/dd"};
constexpr std::string_view datesOnChange[] = {"yyyy/mm/dd", "mm/dd"};

}  // namespace

List yFormatClassNames() {
    return yClasses;
}

List yFormatNames(short formatClass, ListMoment moment) {
    switch (formatClass) {
        case format_class::Number:
            return numberFormats;
        case format_class::Scientific:
            return scientificFormats;
        case format_class::SymbolicEngineer:
            return moment == ListMoment::PageOpened ? List{unitsOnOpen} : List{unitsOnChange};
        case format_class::Percentage:
            return percentFormats;
        case format_class::Currency:
            return currencyFormats;
        case format_class::Scaling:
            return scalingFormats;
        default:
            return {};
    }
}

List xFormatClassNames() {
    return xClasses;
}

List xFormatNames(short formatClass, ListMoment moment) {
    switch (formatClass) {
        case x_format_class::Number:
            return sampleFormats;
        case x_format_class::Time:
            return timeFormats;
        case x_format_class::Date:
            return moment == ListMoment::PageOpened ? List{datesOnOpen} : List{datesOnChange};
        default:
            return {};
    }
}

}  // namespace brennix::chart
