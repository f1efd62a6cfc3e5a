#pragma once
// The numbered exports of a driver library. Callers bind to the numbers, so a
// library lists each of its functions here with its number and name.

#include <cstdint>
#include <span>
#include <string_view>

#include "drivers/common/driver_api.h"

namespace brennix::drivers {

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

// The entry with that number, or nullptr.
const ExportEntry* findExport(std::span<const ExportEntry> table, std::int32_t number);

}  // namespace brennix::drivers
