#pragma once
// Export visibility and the numbered export table of each outside library.
// Callers that bind by number look the number up here and reach the same
// function that binding by name reaches.

#include <cstdint>
#include <span>
#include <string_view>

#define BRENNIX_OUTSIDE_API __attribute__((visibility("default")))

namespace brennix::outside {

using AnyFunction = void (*)();

struct ExportEntry {
    std::int32_t number;
    std::string_view name;
    AnyFunction address;
};

template <class F>
AnyFunction anyFunction(F* function) {
    return reinterpret_cast<AnyFunction>(function);
}

// The entry with that number or name, or nullptr.
const ExportEntry* findExport(std::span<const ExportEntry> table, std::int32_t number);
const ExportEntry* findExport(std::span<const ExportEntry> table, std::string_view name);

}  // namespace brennix::outside
