#include "daq/sarnet/sarnet_page.h"

#include "daq/sarnet/sarnet_library.h"

namespace brennix::daq::sarnet {

CSarnetPropPage::CSarnetPropPage()
    : TimerChannelPage(std::string(kPageTitle), ControlKind::Sarnet, "PulseWidth") {}

com::pages::PageClass pageClass() {
    return devicePageClass<CSarnetPropPage>(kPageClassId, kPageProgId, kPageTitle);
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    return registerDevicePage(registry, pageClass(), kClassId, kProgId);
}

}  // namespace brennix::daq::sarnet
