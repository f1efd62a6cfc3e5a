#include "instruments/knob/knob_class.h"

#include "instruments/knob/knob_ctrl.h"

namespace brennix::instruments {

com::ClassEntry knobClass() {
    return instrumentEntry<CKnobCtrl>(kKnobClass);
}

}  // namespace brennix::instruments
