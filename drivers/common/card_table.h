#pragma once
// The card table every driver keeps: slots not initialized at load, a current
// card that every operation acts on, and the checks of Initial and
// Switch_Card_No that all boards share.

#include <array>
#include <cstddef>
#include <cstdint>

#include "drivers/common/return_codes.h"

namespace brennix::drivers {

inline constexpr std::int32_t kSlotNotInitialized = 255;
inline constexpr std::int32_t kSlotInitialized = 0;

struct CardSlot {
    std::int32_t state = kSlotNotInitialized;
    std::int32_t base = 0;

    bool initialized() const { return state == kSlotInitialized; }
};

// ISA I/O window the boards may be jumpered to; boards decode even bases only.
inline bool baseAddressAllowed(std::int32_t base) {
    return base >= 0x200 && base <= 0x3F0 && (base & 1) == 0;
}

template <class Slot, std::size_t Cards>
class CardTable {
  public:
    static constexpr std::int32_t kCards = static_cast<std::int32_t>(Cards);

    static bool cardInRange(std::int32_t card) { return card >= 0 && card < kCards; }

    // The shared first steps of Initial: 0 when the slot may be taken. An
    // invalid base leaves the slot not initialized, even one that was.
    std::int32_t checkInitial(std::int32_t card, std::int32_t base) {
        if (!cardInRange(card)) {
            return code::kBadCard;
        }
        if (!baseAddressAllowed(base)) {
            slots_[index(card)].state = kSlotNotInitialized;
            return code::kBadBase;
        }
        return code::kSuccess;
    }

    // The last step of Initial: the card becomes current and initialized.
    Slot& take(std::int32_t card, std::int32_t base) {
        Slot& slot = slots_[index(card)];
        current_ = card;
        slot.base = base;
        slot.state = kSlotInitialized;
        return slot;
    }

    std::int32_t switchTo(std::int32_t card) {
        if (!cardInRange(card)) {
            return code::kBadCard;
        }
        if (!slots_[index(card)].initialized()) {
            return code::kNotInitialized;
        }
        current_ = card;
        return code::kSuccess;
    }

    // The current card when it is initialized, else nullptr (code 1).
    Slot* ready() {
        Slot& slot = currentSlot();
        return slot.initialized() ? &slot : nullptr;
    }

    Slot& currentSlot() { return slots_[index(current_)]; }
    std::int32_t currentCard() const { return current_; }
    Slot& slot(std::int32_t card) { return slots_[index(card)]; }
    const Slot& slot(std::int32_t card) const { return slots_[index(card)]; }

    // The table as a freshly loaded library has it.
    void reset() {
        slots_ = {};
        current_ = 0;
    }

  private:
    static std::size_t index(std::int32_t card) { return static_cast<std::size_t>(card); }

    std::array<Slot, Cards> slots_{};
    std::int32_t current_ = 0;
};

}  // namespace brennix::drivers
