#pragma once
// Where the buttons of a Boolean group lie, for painting and for clicks.

#include <cstdint>
#include <vector>

#include "platform/gfx/geometry.h"

namespace brennix::instruments {

enum class Direction : std::int16_t { Horizontal = 0, Vertical = 1 };
// Where button 0 sits.
enum class IndexSequence : std::int16_t { FromRightBottom = 0, FromLeftTop = 1 };

struct GroupLayout {
    int buttons = 1;
    std::int32_t distance = 0;
    std::int16_t orientation = 0;  // 0 side by side, anything else stacked
    std::int16_t sequence = 0;     // 1 from left or top, anything else from right or bottom
    bool hasCaption = false;
    int lineHeight = 0;
};

// The cell of each button, button 0 first. None when buttons < 1. Cells
// that a large distance pushes far away are kept in range of int.
std::vector<gfx::Rect> buttonCells(const gfx::Rect& area, const GroupLayout& layout);

// Every button whose cell holds p strictly inside (cells overlap when the
// distance is negative).
std::vector<int> buttonsAt(const std::vector<gfx::Rect>& cells, gfx::Point p);

}  // namespace brennix::instruments
