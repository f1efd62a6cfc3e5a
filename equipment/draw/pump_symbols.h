#pragma once
// The Pump's styles: 0 to 3 a centrifugal pump seen from the side with its
// outlet up or down, left or right; 4 to 7 the same on a foot, lying or
// upright; 8 and 9 square pumps with two nozzles (9 with a screw).

#include "equipment/draw/style_table.h"

namespace brennix::equipment {

const StyleTable& pumpStyles();

}  // namespace brennix::equipment
