#include "tools/brennix-acquire/plot_axes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace brennix::acquire {
namespace {

bool whole(double value) {
    return std::fabs(value - std::round(value)) < 1e-9;
}

// 1, 2 and 5 times the powers of ten up to 5e9, ascending.
std::array<double, 30> niceSteps() {
    std::array<double, 30> steps{};
    double power = 1.0;
    for (std::size_t i = 0; i < steps.size(); i += 3, power *= 10.0) {
        steps[i] = power;
        steps[i + 1] = 2.0 * power;
        steps[i + 2] = 5.0 * power;
    }
    return steps;
}

constexpr int kMostDivisions = 10;

std::optional<YAxis> exactAxis(const InputScale& scale, double perVolt, const char* unit) {
    double low = scale.low * perVolt;
    double high = scale.high * perVolt;
    if (!whole(low) || !whole(high)) {
        return std::nullopt;
    }
    for (int divisions : {10, 8, 5, 4}) {
        if (whole((high - low) / divisions)) {
            return YAxis{perVolt, unit, std::round(low), std::round(high),
                         static_cast<std::int16_t>(divisions)};
        }
    }
    return std::nullopt;
}

}  // namespace

XAxis xAxisFor(std::size_t samples) {
    const double last = samples > 1 ? static_cast<double>(samples - 1) : 1.0;
    XAxis best;
    double bestView = 0.0;
    for (double step : niceSteps()) {
        double divisions = std::ceil(last / step);
        if (divisions > kMostDivisions) {
            continue;
        }
        double view = divisions * step;
        // The shortest view wastes the least width; among equals, more labels.
        if (bestView == 0.0 || view < bestView ||
            (view == bestView && divisions > best.majorDivisions)) {
            bestView = view;
            best.viewNum = static_cast<std::int32_t>(view);
            best.majorDivisions = static_cast<std::int16_t>(divisions);
        }
    }
    best.historyLength = std::max<std::int32_t>(1024, best.viewNum + 2);
    return best;
}

YAxis yAxisFor(const InputScale& scale) {
    if (auto volts = exactAxis(scale, 1.0, "V")) {
        return *volts;
    }
    if (auto millivolts = exactAxis(scale, 1000.0, "mV")) {
        return *millivolts;
    }
    const bool wide = scale.high - scale.low >= 10.0;
    const double perVolt = wide ? 1.0 : 1000.0;
    const double low = scale.low * perVolt;
    const double high = scale.high * perVolt;
    for (double step : niceSteps()) {
        double from = std::floor(low / step) * step;
        double to = std::ceil(high / step) * step;
        double divisions = std::round((to - from) / step);
        if (divisions <= kMostDivisions) {
            return YAxis{perVolt, wide ? "V" : "mV", from, to,
                         static_cast<std::int16_t>(std::max(1.0, divisions))};
        }
    }
    return YAxis{perVolt, wide ? "V" : "mV", std::floor(low), std::ceil(high), 1};
}

}  // namespace brennix::acquire
