#pragma once
// The five stored settings of a device, as one read delivers them.

#include <cstdint>

namespace brennix::daq {

struct DeviceSettings {
    std::int32_t baseAddress1 = 0;
    std::int32_t baseAddress2 = 0;
    std::int32_t irq1 = 0;
    std::int32_t irq2 = 1;
    std::int32_t dma = 0;
};

}  // namespace brennix::daq
