#include "instruments/seven_segment/e7segment_class.h"

#include "instruments/seven_segment/e7segment_ctrl.h"

namespace brennix::instruments {

com::ClassEntry e7SegmentClass() {
    return instrumentEntry<CE7SegmentCtrl>(kE7SegmentClass);
}

}  // namespace brennix::instruments
