#pragma once
// The Zolt board library: 32 analog input channels, one conversion per read.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t W_Zolt_Initial(std::int32_t card, std::int32_t base);
BRENNIX_OUTSIDE_API std::int32_t W_Zolt_AD_Set_Channel(std::int32_t channel);
BRENNIX_OUTSIDE_API std::int32_t W_Zolt_AD_Set_Gain(std::int32_t gain);
BRENNIX_OUTSIDE_API std::int32_t W_Zolt_AD_Channel_Read(std::int32_t channel, std::int32_t* sample);
}

namespace brennix::outside::zolt {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
