#include "drivers/common/interrupt_controller.h"

#include "platform/hw/ports.h"

namespace brennix::drivers {
namespace {

constexpr std::int32_t kCascadeLine = 2;

std::uint16_t maskPortFor(std::int32_t irq) {
    return irq < 8 ? kMasterMask : kSlaveMask;
}

std::uint8_t clearBit(std::uint8_t value, std::int32_t bit) {
    return static_cast<std::uint8_t>(value & ~(1U << bit));
}

}  // namespace

std::uint8_t readIrqMask(std::int32_t irq) {
    return hw::readByte(maskPortFor(irq));
}

std::uint8_t unmaskIrq(std::int32_t irq) {
    if (irq < 8) {
        std::uint8_t saved = hw::readByte(kMasterMask);
        hw::writeByte(kMasterMask, clearBit(saved, irq));
        return saved;
    }
    hw::writeByte(kMasterMask, clearBit(hw::readByte(kMasterMask), kCascadeLine));
    std::uint8_t saved = hw::readByte(kSlaveMask);
    hw::writeByte(kSlaveMask, clearBit(saved, irq - 8));
    return saved;
}

void restoreIrqMask(std::int32_t irq, std::uint8_t saved) {
    hw::writeByte(maskPortFor(irq), saved);
}

}  // namespace brennix::drivers
