#pragma once
// The Boolean class as the library registers it.

#include "instruments/library/instrument_class.h"

namespace brennix::instruments {

inline constexpr InstrumentClass kBooleanClass{"PANELMOOR.BooleanCtrl.1",
                                               "Boolean",
                                               "{5B2C7E60-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                               "_DBoolean",
                                               "_DBooleanEvents",
                                               "{5B2C7E61-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                               "{5B2C7E62-4D8A-4F36-9C1E-7A3B6D2F8E51}"};

com::ClassEntry booleanClass();

}  // namespace brennix::instruments
