#pragma once
// The Dorv board driver's exported functions: six D/A channels, two digital
// ports each way, and interrupt operations of its own acquisition device.

#include <cstdint>

#include "drivers/common/driver_api.h"

extern "C" {

BRENNIX_DRIVER_API std::int32_t W_Dorv_Initial(std::int32_t card, std::int32_t base,
                                               std::int32_t irq);
BRENNIX_DRIVER_API std::int32_t W_Dorv_Switch_Card_No(std::int32_t card);
BRENNIX_DRIVER_API std::int32_t W_Dorv_DI(std::int32_t port, std::uint8_t* value);
BRENNIX_DRIVER_API std::int32_t W_Dorv_DI_Channel(std::int32_t channel, std::int32_t* value);
BRENNIX_DRIVER_API std::int32_t W_Dorv_DO(std::int32_t port, std::int32_t value);
BRENNIX_DRIVER_API std::int32_t W_Dorv_DA(std::int32_t channel, std::int32_t value);
BRENNIX_DRIVER_API std::int32_t W_Dorv_INT_Start(std::int32_t count);
// The first output is never written.
BRENNIX_DRIVER_API std::int32_t W_Dorv_INT_Status(std::int32_t* first, std::int32_t* count);
BRENNIX_DRIVER_API std::int32_t W_Dorv_INT_Stop(std::int32_t* count);
BRENNIX_DRIVER_API std::int32_t Set_INT_Op(std::int32_t channel, std::int32_t* buffer);
BRENNIX_DRIVER_API std::int32_t Reset_INT_Op();
}
