#pragma once
// The axes of a run's chart, chosen so that every label the Chart writes is
// a whole number and no two are alike: sample numbers along X, whole volts
// or millivolts up Y.

#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/brennix-acquire/input_scale.h"

namespace brennix::acquire {

// The most samples one chart shows; its view and history fit the Chart's
// largest history (1048575 cells) with them.
inline constexpr std::size_t kMaxPlottedSamples = 1'000'000;

struct XAxis {
    std::int32_t viewNum = 1;  // positions 0 to viewNum, sample k at k
    std::int16_t majorDivisions = 1;
    std::int32_t historyLength = 1024;  // holds the view without wrapping
};

// Labels k * viewNum / majorDivisions: a whole step of 1, 2 or 5 times a
// power of ten, at most ten divisions, the view as short as that allows.
XAxis xAxisFor(std::size_t samples);

struct YAxis {
    double perVolt = 1.0;  // 1 for volts, 1000 for millivolts
    std::string unit;      // "V", "mV"
    double low = 0.0;      // in that unit, whole
    double high = 0.0;
    std::int16_t majorDivisions = 10;
};

// The range itself when whole volts or millivolts divide it; otherwise the
// closest wider span in whole steps.
YAxis yAxisFor(const InputScale& scale);

}  // namespace brennix::acquire
