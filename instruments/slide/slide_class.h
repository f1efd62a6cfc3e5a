#pragma once
// The Slide's identities in the library.

#include "instruments/library/instrument_class.h"

namespace brennix::instruments {

inline constexpr InstrumentClass kSlideClass{"PANELMOOR.SlideCtrl.1",
                                             "Slide",
                                             "{5B2C7E12-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                             "_DSlide",
                                             "_DSlideEvents",
                                             "{5B2C7E22-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                             "{5B2C7E32-4D8A-4F36-9C1E-7A3B6D2F8E51}"};

}  // namespace brennix::instruments
