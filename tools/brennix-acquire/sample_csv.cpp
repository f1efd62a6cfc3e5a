#include "tools/brennix-acquire/sample_csv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace brennix::acquire {

void writeCsv(std::ostream& out, std::span<const std::int32_t> samples, const InputScale& scale) {
    out << kCsvHeader << '\n';
    char volts[32];
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // Six decimals resolve one step of the finest gain (0.15 mV).
        std::snprintf(volts, sizeof volts, "%.6f", voltsOf(samples[i], scale));
        out << i << ',' << samples[i] << ',' << volts << '\n';
    }
}

bool writeCsvFile(const std::string& path, std::span<const std::int32_t> samples,
                  const InputScale& scale, std::string& error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    writeCsv(file, samples, scale);
    file.close();
    if (!file) {
        error = "writing " + path + " failed";
        return false;
    }
    return true;
}

}  // namespace brennix::acquire
