#include "instruments/slide/slide_class.h"

#include "instruments/slide/slide_ctrl.h"

namespace brennix::instruments {

com::ClassEntry slideClass() {
    return instrumentEntry<CSlideCtrl>(kSlideClass);
}

}  // namespace brennix::instruments
