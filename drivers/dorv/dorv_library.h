#pragma once
// The Dorv library as a whole: its attach outcome and its numbered exports.

#include <cstdint>
#include <span>

#include "drivers/common/export_table.h"

namespace brennix::drivers::dorv {

// 1 devices opened, -1 without port access, 0 without the acquisition device
// (a host must then refuse the controls that link this library).
BRENNIX_DRIVER_API std::int32_t attachReport();
BRENNIX_DRIVER_API std::int32_t reload();
BRENNIX_DRIVER_API std::span<const ExportEntry> exports();

}  // namespace brennix::drivers::dorv
