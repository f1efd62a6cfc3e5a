#pragma once
// The Knob's identities in the library.

#include "instruments/library/instrument_class.h"

namespace brennix::instruments {

inline constexpr InstrumentClass kKnobClass{"PANELMOOR.KnobCtrl.1",
                                            "Knob",
                                            "{5B2C7E11-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                            "_DKnob",
                                            "_DKnobEvents",
                                            "{5B2C7E21-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                            "{5B2C7E31-4D8A-4F36-9C1E-7A3B6D2F8E51}"};

}  // namespace brennix::instruments
