#pragma once
// The Vexa library as a whole: its attach outcome and its numbered exports.

#include <cstdint>
#include <span>

#include "drivers/common/export_table.h"

namespace brennix::drivers::vexa {

// 1 devices opened, -1 without port access or acquisition device, 0 failed
// (never for Vexa).
BRENNIX_DRIVER_API std::int32_t attachReport();

// Unload and load again: devices closed, state as at load, attach repeated
// against whichever backend is installed now. Returns the new report.
BRENNIX_DRIVER_API std::int32_t reload();

BRENNIX_DRIVER_API std::span<const ExportEntry> exports();

}  // namespace brennix::drivers::vexa
