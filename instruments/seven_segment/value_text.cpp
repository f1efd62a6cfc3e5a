#include "instruments/seven_segment/value_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace brennix::instruments {
namespace {

double truncated(double value, int afterPoint) {
    const double scale = std::pow(10.0, afterPoint);
    const double scaled = value * scale;
    // Where the scaled value overflows the value holds no digits that far
    // right anyway; dividing infinity back would print "nan".
    if (!std::isfinite(scaled)) {
        return value;
    }
    return std::trunc(scaled) / scale;
}

}  // namespace

std::optional<std::string> valueText(double value, int digits, int afterPoint) {
    if (digits < afterPoint || afterPoint < 0 || digits < 0) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) {
        if (std::isnan(value)) {
            return std::signbit(value) ? "-nan" : "nan";
        }
        return value < 0 ? "-inf" : "inf";
    }
    // to_chars prints like "%.nf" but ignores the process locale, so the
    // point is always a point. 310 places hold the integer part of any double.
    std::string text(static_cast<std::size_t>(afterPoint) + 320, '\0');
    auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), truncated(value, afterPoint),
                      std::chars_format::fixed, afterPoint);
    if (error != std::errc{}) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(end - text.data()));
    if (afterPoint == 0) {
        text += '.';
    }
    return text;
}

std::vector<SegmentCode> cellCodes(const WalkInput& input) {
    std::vector<SegmentCode> codes;
    const std::string& t = input.text;
    const auto point = t.find('.');
    const long long afterPoint =
        point == std::string::npos ? -1 : static_cast<long long>(t.size() - 1 - point);
    const long long length = static_cast<long long>(t.size());
    SegmentCode pending = 0;
    for (long long i = 0; i <= input.digits; ++i) {
        if (i == afterPoint) {
            pending |= kPoint;
            continue;
        }
        const long long k = length - 1 - i;
        if (k < 0 || (input.negative && k == 0)) {
            if (input.prefixedWithZero) {
                pending |= digitPattern('0');
            }
        } else {
            pending |= digitPattern(t[static_cast<std::size_t>(k)]);
        }
        codes.push_back(pending);
        pending = 0;
    }
    return codes;
}

}  // namespace brennix::instruments
