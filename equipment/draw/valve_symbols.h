#pragma once
// The Value (valve) styles: 0 a gate valve with handwheel, 1 a valve with a
// dome actuator and 2 the same turned for a vertical pipe, 3 to 5 butterfly
// valves with box, lever and dome actuators, 6 and 7 side views for
// horizontal and vertical runs, 8 a control valve.

#include "equipment/draw/style_table.h"

namespace brennix::equipment {

const StyleTable& valveStyles();

// The fixed grey of the side views.
inline constexpr gfx::ColorRef kValveGrey = 0xCFCFCF;

}  // namespace brennix::equipment
