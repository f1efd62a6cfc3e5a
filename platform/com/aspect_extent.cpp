#include "platform/com/aspect_extent.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/com/extent.h"

namespace brennix::com {
namespace {

constexpr double kLow = std::numeric_limits<int>::min();
constexpr double kHigh = std::numeric_limits<int>::max();

}  // namespace

int scaledSide(int side, double factor) {
    const double product = static_cast<double>(side) * factor;
    // NaN and values beyond int must not reach the conversion.
    if (!(product > kLow)) {
        return std::numeric_limits<int>::min();
    }
    if (product >= kHigh) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(product);
}

int ratioSide(int side, int numerator, int denominator) {
    if (denominator == 0) {
        return 0;
    }
    const std::int64_t quotient = std::int64_t{side} * numerator / denominator;
    return static_cast<int>(std::clamp<std::int64_t>(quotient, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

gfx::Size AspectExtent::apply(gfx::Size himetric, int pixelsPerInch, const AspectRule& rule) {
    gfx::Size pixels = hiMetricToPixels(himetric, pixelsPerInch);
    pixels.cx = std::max(pixels.cx, 0);
    pixels.cy = std::max(pixels.cy, 0);
    if (!rule.keepsProposal()) {
        if (pixels.cx == last_.cx) {
            pixels.cx = std::max(rule.widthFromHeight(pixels.cy), 0);
        } else {
            pixels.cy = std::max(rule.heightFromWidth(pixels.cx), 0);
        }
    }
    last_ = pixels;
    return pixelsToHiMetric(pixels, pixelsPerInch);
}

}  // namespace brennix::com
