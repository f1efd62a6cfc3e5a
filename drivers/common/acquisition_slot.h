#pragma once
// A card slot of a board with paced interrupt and DMA acquisition.

#include <cstdint>

#include "drivers/common/card_table.h"

namespace brennix::drivers {

struct AcquisitionSlot : CardSlot {
    std::int32_t dmaActive = 0;
    std::int32_t interruptLevel = 0;
    std::int32_t dmaCount = 0;
    std::int16_t* dmaBuffer = nullptr;
    std::int32_t interruptActive = 0;
    std::int32_t requestedCount = 0;
    std::int32_t currentCount = 0;
    std::int16_t* interruptBuffer = nullptr;
    std::int32_t savedMask = 0;
};

}  // namespace brennix::drivers
