#pragma once
// The Pointer object's identities in the library. It has no dispatch
// interface of the type library's coclass kind (IPointer lists only Style),
// so no type-library alias.

#include "instruments/library/instrument_class.h"

namespace brennix::instruments {

inline constexpr InstrumentClass kPointerClass{"Panelmoor.Pointer", "Pointer",
                                               "{5B2C7E13-4D8A-4F36-9C1E-7A3B6D2F8E51}"};

}  // namespace brennix::instruments
