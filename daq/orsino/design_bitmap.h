#pragma once
// The 32 by 32 picture the control shows while a form is designed.

#include "platform/gfx/bitmap.h"

namespace brennix::daq::orsino {

const gfx::Bitmap& designBitmap();

}  // namespace brennix::daq::orsino
