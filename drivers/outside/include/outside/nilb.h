#pragma once
// The Nilb board library: four 8-bit digital ports and three counters.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_Nilb_Initial(std::int32_t card, std::int32_t base);
BRENNIX_OUTSIDE_API std::int32_t W_Nilb_DI(std::int32_t port, std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_Nilb_DO(std::int32_t port, std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_Nilb_Read_Back(std::int32_t port, std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_Nilb_Timer_Start(std::int32_t counter, std::int32_t mode,
                                                    std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_Nilb_Timer_Read(std::int32_t counter, std::int32_t* count);
BRENNIX_OUTSIDE_API std::int32_t W_Nilb_Timer_Stop(std::int32_t counter, std::int32_t* count);
}

namespace brennix::outside::nilb {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
