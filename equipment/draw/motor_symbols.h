#pragma once
// The Motor's styles: 0 a side view with shaft, coupling, flange, body and
// fan cover; 1 an end view on its feet. Every other number draws nothing.

#include "equipment/draw/style_table.h"

namespace brennix::equipment {

const StyleTable& motorStyles();

}  // namespace brennix::equipment
