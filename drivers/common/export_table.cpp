#include "drivers/common/export_table.h"

namespace brennix::drivers {

const ExportEntry* findExport(std::span<const ExportEntry> table, std::int32_t number) {
    for (const auto& entry : table) {
        if (entry.number == number) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace brennix::drivers
