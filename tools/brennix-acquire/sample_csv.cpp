#include "tools/brennix-acquire/sample_csv.h"

#include <algorithm>
#include <cstdio>

namespace brennix::acquire {

void writeCsv(std::ostream& out, const CsvContent& content) {
    for (const MetadataLine& line : content.metadata) {
        std::string value = line.value;
        // One line per entry, whatever a message held.
        std::replace(value.begin(), value.end(), '\n', ' ');
        out << "# " << line.key << ": " << value << '\n';
    }
    out << kCsvColumns << '\n';
    char row[96];
    for (std::size_t k = 0; k < content.samples.size(); ++k) {
        // Seven decimals resolve a tenth of the fastest pacer period; six
        // resolve one step of the finest gain (0.15 mV).
        std::snprintf(row, sizeof row, "%zu,%.7f,%d,%.6f\n", k, content.secondsOf(k),
                      content.samples[k], voltsOf(content.samples[k], content.scale));
        out << row;
    }
}

}  // namespace brennix::acquire
