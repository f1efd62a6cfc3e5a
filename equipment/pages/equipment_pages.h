#pragma once
// The one property page of each equipment control: the style as radio
// buttons (one per drawing the control knows), the colour as a number, and
// for the Pipe its edge and blink interval.

#include <memory>
#include <string_view>
#include <vector>

#include "platform/com/pages/page_registry.h"

namespace brennix::equipment {

class CEquipmentPropPage final : public com::pages::PropertyPage {
  public:
    // title: "Motor"; styleProperty/colorProperty: the control's names;
    // styleCount: the drawings of the control.
    CEquipmentPropPage(std::string_view title, std::string_view styleProperty,
                       std::string_view colorProperty, std::size_t styleCount);
};

class CPipePropPage final : public com::pages::PropertyPage {
  public:
    CPipePropPage();
};

// The page classes of the library, to register in a page registry.
std::vector<com::pages::PageClass> plantwerkPageClasses();
com::Status registerPlantwerkPages(com::pages::PageRegistry& registry);

}  // namespace brennix::equipment
