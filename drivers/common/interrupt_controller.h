#pragma once
// The mask registers of the PC's pair of interrupt controllers: master at
// 0x21 (IRQ 0 to 7), slave at 0xA1 (IRQ 8 to 15) cascaded on master IRQ 2.

#include <cstdint>

namespace brennix::drivers {

inline constexpr std::uint16_t kMasterMask = 0x21;
inline constexpr std::uint16_t kSlaveMask = 0xA1;

// The mask register of the controller that serves irq, as it stands.
std::uint8_t readIrqMask(std::int32_t irq);
// Unmasks irq (and the cascade line for a slave irq); returns the serving
// controller's mask as it was.
std::uint8_t unmaskIrq(std::int32_t irq);
void restoreIrqMask(std::int32_t irq, std::uint8_t saved);

}  // namespace brennix::drivers
