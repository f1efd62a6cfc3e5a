#pragma once
// The PANELMOOR library: its classes (listed in classes.def), its type
// library and the registration entry points.

#include "platform/com/control_library.h"

namespace brennix::instruments {

com::ControlLibrary& library();

}  // namespace brennix::instruments
