#pragma once
// Where the segments of one seven-segment cell lie: hexagons in integer
// proportions of the cell, the point's ellipse in the cell's right quarter,
// and, for a slanted display, every vertex moved right the more the higher
// it lies.

#include <array>

#include "instruments/seven_segment/segment_code.h"
#include "platform/gfx/geometry.h"

namespace brennix::instruments {

using Hexagon = std::array<gfx::Point, 6>;

struct Segment {
    SegmentCode bit = 0;
    Hexagon shape;
};

// The seven segments in drawing order (upper left, upper right, lower left,
// lower right, top, middle, bottom) and the point's box, drawn last.
struct DigitCell {
    std::array<Segment, 7> segments;
    gfx::Rect point;
};

// The sign cell: the middle segment is the minus; the plus adds the vertical
// bar through its centre.
struct SignCell {
    Hexagon bar;
    Hexagon middle;
};

DigitCell digitCell(const gfx::Rect& cell, bool declined);
SignCell signCell(const gfx::Rect& cell, bool declined);

}  // namespace brennix::instruments
