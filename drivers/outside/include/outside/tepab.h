#pragma once
// The TepaB board library: one 16-bit digital port in each direction, which callers show as two
// byte ports. The output word takes unsigned or sign-extended values.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_TepaB_Initial(std::int32_t card, std::int32_t base);
BRENNIX_OUTSIDE_API std::int32_t W_TepaB_DI(std::uint16_t* value);
BRENNIX_OUTSIDE_API std::int32_t W_TepaB_DO(std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t W_TepaB_Read_Back(std::uint16_t* value);
}

namespace brennix::outside::tepab {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
