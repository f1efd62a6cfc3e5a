#pragma once
// The Tepa board library: one 8-bit digital port in each direction.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_Tepa_Initial(std::int32_t card, std::int32_t base);
BRENNIX_OUTSIDE_API std::int32_t W_Tepa_DI(std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_Tepa_DO(std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_Tepa_Read_Back(std::uint8_t* value);
}

namespace brennix::outside::tepa {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
