#pragma once
// The Senu board driver's exported functions: eight inputs, one D/A channel,
// a gain amplifier, interrupt acquisition only, and the interrupt level in
// the mode register.

#include <cstdint>

#include "drivers/common/driver_api.h"

extern "C" {

BRENNIX_DRIVER_API std::int32_t W_Senu_Initial(std::int32_t card, std::int32_t base);
BRENNIX_DRIVER_API std::int32_t W_Senu_Switch_Card_No(std::int32_t card);
BRENNIX_DRIVER_API std::int32_t W_Senu_DI(std::int32_t port, std::uint8_t* value);
BRENNIX_DRIVER_API std::int32_t W_Senu_DI_Channel(std::int32_t channel, std::int32_t* value);
BRENNIX_DRIVER_API std::int32_t W_Senu_DO(std::int32_t port, std::int32_t value);
BRENNIX_DRIVER_API std::int32_t W_Senu_DA(std::int32_t value);
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_Set_Channel(std::int32_t channel);
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_Set_Gain(std::int32_t gain);
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_Set_Mode(std::int32_t level, std::int32_t mode);
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_Soft_Trig();
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_Aquire(std::int32_t* sample);
BRENNIX_DRIVER_API std::int32_t W_Senu_CLR_IRQ();
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_INT_Start(std::int32_t channel, std::int32_t gain,
                                                    std::int32_t irq, std::int32_t count,
                                                    std::int16_t* buffer, std::uint32_t divisor1,
                                                    std::uint32_t divisor2);
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_INT_Status(std::int32_t* running, std::int32_t* count);
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_INT_Stop(std::int32_t* count);
BRENNIX_DRIVER_API std::int32_t W_Senu_AD_Timer(std::uint32_t divisor1, std::uint32_t divisor2);
}
