#include "daq/rastow/rastow_page.h"

#include "daq/rastow/rastow_library.h"

namespace brennix::daq::rastow {

CRastowPropPage::CRastowPropPage()
    : DigitalPortPage(std::string(kPageTitle), ControlKind::Rastow) {}

com::pages::PageClass pageClass() {
    return devicePageClass<CRastowPropPage>(kPageClassId, kPageProgId, kPageTitle);
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    return registerDevicePage(registry, pageClass(), kClassId, kProgId);
}

}  // namespace brennix::daq::rastow
