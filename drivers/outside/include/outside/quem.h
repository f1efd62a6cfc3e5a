#pragma once
// The Quem board library: two D/A channels.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_Quem_Initial(std::int32_t card, std::int32_t base);
BRENNIX_OUTSIDE_API std::int32_t W_Quem_DA(std::int32_t channel, std::int32_t value);
}

namespace brennix::outside::quem {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
