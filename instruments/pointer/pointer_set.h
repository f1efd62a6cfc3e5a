#pragma once
// The eight pointers of a scale instrument: their values, visibility and
// colours, the drawing rule and the grab of the drag protocol.

#include <array>
#include <optional>

#include "instruments/scale/scale_range.h"
#include "platform/gfx/color.h"

namespace brennix::instruments {

inline constexpr int kPointerCount = 8;

struct PointerState {
    double value = 0.0;
    bool visible = false;
    gfx::ColorRef color = 0;
};

// Index 0 is pointer 1, the only one visible by default.
using PointerSet = std::array<PointerState, kPointerCount>;

inline PointerSet defaultPointers() {
    PointerSet set{};
    set[0].visible = true;
    return set;
}

// A pointer is drawn when it is visible and its value is in range.
inline bool drawn(const PointerState& p, const ScaleRange& range) {
    return p.visible && range.inRange(p.value);
}

// The first pointer, in order 1 to 8, that hits(index) says lies under a
// press; visibility is not asked.
template <class Hits>
std::optional<int> grabPointer(const PointerSet& set, Hits hits) {
    for (int i = 0; i < kPointerCount; ++i) {
        if (hits(set[static_cast<std::size_t>(i)].value)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace brennix::instruments
