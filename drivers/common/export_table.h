#pragma once
// The numbered exports of a driver library. Callers bind to the numbers, so a
// library lists each of its functions with its number and name; the entry
// type is the one every board library shares.

#include "drivers/common/driver_api.h"
#include "outside/export_entry.h"

namespace brennix::drivers {
using exports::AnyFunction;
using exports::anyFunction;
using exports::ExportEntry;
using exports::findExport;
}  // namespace brennix::drivers
