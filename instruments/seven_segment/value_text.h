#pragma once
// The text a seven-segment display shows for its value, and the codes of its
// digit cells from the right.

#include <optional>
#include <string>
#include <vector>

#include "instruments/seven_segment/segment_code.h"

namespace brennix::instruments {

inline constexpr const char* kDigitSettingsMessage =
    "DigitAfterPoint and DigitNumber are not correctly set.";

// The value truncated toward zero to afterPoint decimals and printed with
// that many decimals; the text always holds a point. nullopt when the digit
// settings cannot describe a text (digits < afterPoint, or either negative).
// A value that is not finite prints as it does in the C library ("nan",
// "-inf"); its text has no point.
std::optional<std::string> valueText(double value, int digits, int afterPoint);

struct WalkInput {
    std::string text;
    int digits = 0;
    bool negative = false;  // the value is below zero
    bool prefixedWithZero = true;
};

// The codes of the digit cells, rightmost first: d + 1 steps over the text
// from the right, the point joining the digit on its left. Exactly `digits`
// codes when the point lies within the first digits + 1 characters from the
// right; leading digits that do not fit are lost.
std::vector<SegmentCode> cellCodes(const WalkInput& input);

}  // namespace brennix::instruments
