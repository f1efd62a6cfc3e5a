#pragma once
// The E7Segment class as the library registers it.

#include "instruments/library/instrument_class.h"

namespace brennix::instruments {

inline constexpr InstrumentClass kE7SegmentClass{"PANELMOOR.E7SegmentCtrl.1",
                                                 "7Segment",
                                                 "{5B2C7E50-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                                 "_DE7Segment",
                                                 "_DE7SegmentEvents",
                                                 "{5B2C7E51-4D8A-4F36-9C1E-7A3B6D2F8E51}",
                                                 "{5B2C7E52-4D8A-4F36-9C1E-7A3B6D2F8E51}"};

com::ClassEntry e7SegmentClass();

}  // namespace brennix::instruments
