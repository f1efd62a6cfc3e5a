#pragma once
// The Ubrix board library: one board, analog input over a channel scan with
// interrupt and DMA status and stop, two D/A channels and digital ports
// numbered from 1. Callers bind these by name.

#include <cstdint>
#include <span>

#include "outside/export_entry.h"

extern "C" {
BRENNIX_OUTSIDE_API std::int32_t _ubri_initial();
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_Set_Channel_Scan(std::int32_t first, std::int32_t last);
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_Set_Mode(std::int32_t mode);
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_Set_Range(std::int32_t gain);
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_Soft_Trigger();
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_Acquire(std::int32_t* sample);
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_INT_Status(std::int32_t* running, std::int32_t* count);
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_INT_Stop(std::int32_t* count, std::int32_t irq);
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_DMA_Status(std::int32_t* running, std::int32_t* count);
BRENNIX_OUTSIDE_API std::int32_t _ubri_AD_DMA_Stop(std::int32_t* count, std::int32_t irq);
BRENNIX_OUTSIDE_API std::int32_t _ubri_DA(std::int32_t channel, std::int32_t value);
BRENNIX_OUTSIDE_API std::int32_t _ubri_DI(std::int32_t port, std::uint8_t* value);
BRENNIX_OUTSIDE_API std::int32_t _ubri_DO(std::int32_t port, std::int32_t value);
}

namespace brennix::outside::ubrix {
BRENNIX_OUTSIDE_API std::span<const ExportEntry> exports();
}
