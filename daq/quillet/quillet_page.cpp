#include "daq/quillet/quillet_page.h"

#include "daq/quillet/quillet_library.h"

namespace brennix::daq::quillet {

CQuilletPropPage::CQuilletPropPage()
    : DigitalPortPage(std::string(kPageTitle), ControlKind::Quillet) {}

com::pages::PageClass pageClass() {
    return devicePageClass<CQuilletPropPage>(kPageClassId, kPageProgId, kPageTitle);
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    return registerDevicePage(registry, pageClass(), kClassId, kProgId);
}

}  // namespace brennix::daq::quillet
