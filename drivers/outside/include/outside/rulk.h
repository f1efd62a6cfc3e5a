#pragma once
// The Rulk board library: three 8-bit digital ports.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_Rulk_Initial(std::int32_t card, std::int32_t base,
                                                std::int32_t irq);
BRENNIX_OUTSIDE_API std::int32_t W_Rulk_DI(std::int32_t port, std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_Rulk_DO(std::int32_t port, std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_Rulk_Read_Back(std::int32_t port, std::uint8_t* value);
}

namespace brennix::outside::rulk {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
