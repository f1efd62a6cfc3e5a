#pragma once
// Samples as CSV: "#" lines that say how the run was taken and how it
// ended, then per sample its index, its time from the first sample, the
// converter code as delivered and the volts it stands for.

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "tools/brennix-acquire/input_scale.h"

namespace brennix::acquire {

inline constexpr std::string_view kCsvColumns = "sample,time_s,raw,volts";

struct MetadataLine {
    std::string key;  // "paced_rate"
    std::string value;
};

struct CsvContent {
    std::span<const MetadataLine> metadata;
    std::span<const std::int32_t> samples;
    // Seconds of sample k after sample 0.
    std::function<double(std::size_t k)> secondsOf;
    InputScale scale;
};

void writeCsv(std::ostream& out, const CsvContent& content);

}  // namespace brennix::acquire
