#pragma once
// What a board can be configured with in the device store: how many cards
// of its type its driver addresses, and the interrupt lines and DMA
// channels it can use. An adapter without `resources` is an ISA board its
// driver does not restrict.

#include <cstdint>
#include <initializer_list>

namespace brennix::daq {

// The controls derive cards 0 to 7.
inline constexpr int kControlCards = 8;

// Bit n stands for line or channel n.
constexpr std::uint16_t lineMask(std::initializer_list<int> lines) {
    std::uint16_t mask = 0;
    for (int line : lines) {
        mask = static_cast<std::uint16_t>(mask | (1U << line));
    }
    return mask;
}

inline constexpr std::uint16_t kIsaIrqLines = 0xFFFF;     // IRQ 0 to 15
inline constexpr std::uint16_t kIsaDmaChannels = 0x00FF;  // DMA 0 to 7
// The lines an AT-bus card may take: not 0 (timer), 1 (keyboard), 8 (clock)
// or 13 (coprocessor).
inline constexpr std::uint16_t kAtBusIrqLines = lineMask({2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 14, 15});

struct BoardResources {
    int cards = kControlCards;
    std::uint16_t irqLines = kIsaIrqLines;
    std::uint16_t dmaChannels = kIsaDmaChannels;  // 0: the board has no DMA

    constexpr bool irqAllowed(std::int64_t irq) const {
        return irq >= 0 && irq < 16 && ((irqLines >> irq) & 1U) != 0;
    }
    constexpr bool dmaAllowed(std::int64_t dma) const {
        return dma >= 0 && dma < 16 && ((dmaChannels >> dma) & 1U) != 0;
    }
};

inline constexpr BoardResources kIsaBoard{};

}  // namespace brennix::daq
