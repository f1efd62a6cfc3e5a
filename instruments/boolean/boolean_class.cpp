#include "instruments/boolean/boolean_class.h"

#include "instruments/boolean/boolean_ctrl.h"

namespace brennix::instruments {

com::ClassEntry booleanClass() {
    return instrumentEntry<CBooleanCtrl>(kBooleanClass);
}

}  // namespace brennix::instruments
