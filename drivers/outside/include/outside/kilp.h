#pragma once
// The Kilp board library: four 8-bit digital ports and three counters. Callers bind these by name.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_Kilp_Initial(std::int32_t card, std::int32_t base);
BRENNIX_OUTSIDE_API std::int32_t W_Kilp_DI_8(std::int32_t port, std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_Kilp_DO_8(std::int32_t port, std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_Kilp_Read_Back(std::int32_t port, std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_Kilp_Timer_Start(std::int32_t counter, std::int32_t mode,
                                                    std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_Kilp_Timer_Read(std::int32_t counter, std::int32_t* count);
BRENNIX_OUTSIDE_API std::int32_t W_Kilp_Timer_Stop(std::int32_t counter, std::int32_t* count);
}

namespace brennix::outside::kilp {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
