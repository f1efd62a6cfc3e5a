#pragma once
// Property values and method arguments written as text on a command line
// (NAME=VALUE), converted for the member that takes them.
//
//   numbers      decimal, or hexadecimal after 0x
//   Bool         true, false, yes, no, 1, 0, -1
//   Color        #rrggbb, or the 32-bit value as a number (system colours)
//   coded        a value name of its enumeration or codes (UM_Scope), or the number
//   Variant      a list of numbers separated by commas: an array of doubles

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/member.h"
#include "platform/com/variant.h"

namespace brennix::tools {

struct TextValue {
    std::optional<com::Variant> value;
    std::string error;  // why not, when there is no value
};

TextValue propertyValueFromText(const com::Member& property, std::string_view text);

// A method's arguments, separated by ';' ("PlotCharts=1.5,2.5").
struct TextArguments {
    std::optional<std::vector<com::Variant>> values;
    std::string error;
};
TextArguments argumentsFromText(const com::Member& method, std::string_view text);

}  // namespace brennix::tools
