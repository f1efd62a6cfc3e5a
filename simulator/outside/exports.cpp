#include "simulator/outside/exports.h"

namespace brennix::outside {

const ExportEntry* findExport(std::span<const ExportEntry> table, std::int32_t number) {
    for (const auto& entry : table) {
        if (entry.number == number) {
            return &entry;
        }
    }
    return nullptr;
}

const ExportEntry* findExport(std::span<const ExportEntry> table, std::string_view name) {
    for (const auto& entry : table) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace brennix::outside
