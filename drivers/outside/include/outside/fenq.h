#pragma once
// The Fenq board library: analog input, two D/A channels, one 16-bit digital
// port in each direction and one counter. Every function returns a 16-bit
// result that callers sign-extend.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_Initial(std::int32_t card, std::int32_t base);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_AD_Set_Channel(std::int32_t channel);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_AD_Set_Mode(std::int32_t mode);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_AD_Set_Range(std::int32_t range);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_AD_Soft_Trig();
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_AD_Aquire(std::int16_t* sample);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_DA(std::int32_t channel, std::int32_t value);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_DI(std::uint16_t* word);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_DO(std::int32_t word);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_TIMER_Start(std::int32_t mode, std::int32_t value);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_TIMER_Read(std::int32_t* count);
BRENNIX_OUTSIDE_API std::int16_t W_Fenq_TIMER_Stop(std::int32_t* count);
}

namespace brennix::outside::fenq {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
