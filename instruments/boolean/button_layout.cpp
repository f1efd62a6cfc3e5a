#include "instruments/boolean/button_layout.h"

#include <algorithm>

namespace brennix::instruments {
namespace {

// Far enough that nothing of such a cell is ever drawn, near enough that
// the canvas's own arithmetic cannot overflow on it.
constexpr std::int64_t kFar = std::int64_t{1} << 28;

int clamped(std::int64_t v) {
    return static_cast<int>(std::clamp(v, -kFar, kFar));
}

}  // namespace

std::vector<gfx::Rect> buttonCells(const gfx::Rect& area, const GroupLayout& layout) {
    std::vector<gfx::Rect> cells;
    if (layout.buttons < 1) {
        return cells;
    }
    const std::int64_t n = layout.buttons;
    const std::int64_t gap = layout.distance;
    const std::int64_t L = area.left;
    const std::int64_t R = area.right;
    const std::int64_t B = area.bottom;
    const std::int64_t top =
        layout.hasCaption ? area.top + std::int64_t{layout.lineHeight} : std::int64_t{area.top};
    const bool fromLeftTop =
        layout.sequence == static_cast<std::int16_t>(IndexSequence::FromLeftTop);
    cells.reserve(static_cast<std::size_t>(n));
    if (layout.orientation == static_cast<std::int16_t>(Direction::Horizontal)) {
        const std::int64_t cw = (R - (n - 1) * gap - L) / n;
        for (std::int64_t i = 0; i < n; ++i) {
            const std::int64_t left = fromLeftTop ? L + i * (cw + gap) : R - cw - i * (cw + gap);
            cells.push_back({clamped(left), clamped(top), clamped(left + cw), clamped(B)});
        }
    } else {
        const std::int64_t ch = (B - (n - 1) * gap - top) / n;
        for (std::int64_t i = 0; i < n; ++i) {
            const std::int64_t y = fromLeftTop ? top + i * (ch + gap) : B - ch - i * (ch + gap);
            cells.push_back({clamped(L), clamped(y), clamped(R), clamped(y + ch)});
        }
    }
    return cells;
}

std::vector<int> buttonsAt(const std::vector<gfx::Rect>& cells, gfx::Point p) {
    std::vector<int> hit;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const gfx::Rect& c = cells[i];
        if (c.left < p.x && p.x < c.right && c.top < p.y && p.y < c.bottom) {
            hit.push_back(static_cast<int>(i));
        }
    }
    return hit;
}

}  // namespace brennix::instruments
