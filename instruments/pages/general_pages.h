#pragma once
// The pages each instrument has for itself: the general pages and the
// displays' further pages.

#include "platform/com/pages/property_page.h"

namespace brennix::instruments {

#define BRENNIX_PAGE(Name)                               \
    class Name final : public com::pages::PropertyPage { \
      public:                                            \
        Name();                                          \
    }

BRENNIX_PAGE(CKnobPropPage);
BRENNIX_PAGE(CSlidePropPage);
BRENNIX_PAGE(CE7SegmentPropPage);
BRENNIX_PAGE(CPropertyPanel);
BRENNIX_PAGE(CBooleanPropPage);
BRENNIX_PAGE(CBooleanPrpButton);
BRENNIX_PAGE(CBooleanPrpText);

#undef BRENNIX_PAGE

}  // namespace brennix::instruments
