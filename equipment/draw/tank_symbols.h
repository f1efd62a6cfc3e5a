#pragma once
// The Tank's styles: 0 a hopper, 1 a vessel with pointed ends, 2 a tall
// column, 3 a sphere on legs, 4 a vessel with a conical bottom on legs and a
// level glass.

#include "equipment/draw/style_table.h"

namespace brennix::equipment {

const StyleTable& tankStyles();

// Tank style 4's legs and liquid.
inline constexpr gfx::ColorRef kTankGrey = 0x909090;

}  // namespace brennix::equipment
