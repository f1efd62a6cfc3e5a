#pragma once
// The label formatter of the scale instruments: the text of a value in a
// format class and a format, and the entries the format page offers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brennix::instruments {

std::string formatLabel(double value, std::int16_t formatClass, std::int16_t format);

// "Number", "Scientific", "Symbolic Engineer", "Percentage", "Currency",
// "Scaling", in class order.
const std::vector<std::string_view>& formatClassNames();
// The page entries of a class in format order; empty for an unknown class.
const std::vector<std::string_view>& formatEntries(std::int16_t formatClass);

// Removes trailing '0' characters up to the first other one ("2.000" gives
// "2.", "0.250" gives "0.25").
std::string stripTrailingZeros(std::string text);

}  // namespace brennix::instruments
