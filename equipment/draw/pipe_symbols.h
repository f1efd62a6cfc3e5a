#pragma once
// The Pipe's styles: 0 to 3 elbows (bottom-right, left-bottom, top-right,
// left-top), 4 and 5 straight runs, 6 and 7 joints. Elbows and runs are
// drawn in the flow colour the control hands over; joints never blink.

#include "equipment/draw/style_table.h"

namespace brennix::equipment {

const StyleTable& pipeStyles();

}  // namespace brennix::equipment
