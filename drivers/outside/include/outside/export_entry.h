#pragma once
// The numbered export table of a board library. Callers that bind by number
// look the number up and reach the same function that binding by name
// reaches; every driver library, ours or outside, lists its functions so.

#include <cstdint>
#include <span>
#include <string_view>

#define BRENNIX_OUTSIDE_API __attribute__((visibility("default")))

namespace brennix::exports {

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
inline const ExportEntry* findExport(std::span<const ExportEntry> table, std::int32_t number) {
    for (const auto& entry : table) {
        if (entry.number == number) {
            return &entry;
        }
    }
    return nullptr;
}

inline const ExportEntry* findExport(std::span<const ExportEntry> table, std::string_view name) {
    for (const auto& entry : table) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace brennix::exports

namespace brennix::outside {
using exports::AnyFunction;
using exports::anyFunction;
using exports::ExportEntry;
using exports::findExport;
}  // namespace brennix::outside
