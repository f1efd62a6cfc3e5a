#pragma once
// The Mavo board library: six chips of three 8-bit ports. A port is addressed by the code (chip <<
// 8) + index: 0 port A, 1 port B, 3 the high and 4 the low four bits of port C, which read and take
// values 0 to 15.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_Mavo_Initial(std::int32_t card, std::int32_t base,
                                                std::int32_t irq);
BRENNIX_OUTSIDE_API std::int32_t W_Mavo_DI(std::int32_t port, std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_Mavo_DO(std::int32_t port, std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_Mavo_Read_Back(std::int32_t port, std::uint8_t* value);
}

namespace brennix::outside::mavo {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
