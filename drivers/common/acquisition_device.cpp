#include "drivers/common/acquisition_device.h"

namespace brennix::drivers {

bool DeviceCalls::call(hw::DeviceHandle& device, std::uint32_t code, const void* in,
                       std::uint32_t inLength, void* out, std::uint32_t outLength) {
    return device.control(code, in, inLength, out, outLength, lastBytes_);
}

}  // namespace brennix::drivers
