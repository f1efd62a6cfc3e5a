#pragma once
// Samples as CSV: the sample index, the converter code as delivered and the
// volts it stands for in the range or gain of the run.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

#include "tools/brennix-acquire/input_scale.h"

namespace brennix::acquire {

inline constexpr std::string_view kCsvHeader = "sample,raw,volts";

void writeCsv(std::ostream& out, std::span<const std::int32_t> samples, const InputScale& scale);

// False with the reason when the file could not be written completely.
bool writeCsvFile(const std::string& path, std::span<const std::int32_t> samples,
                  const InputScale& scale, std::string& error);

}  // namespace brennix::acquire
