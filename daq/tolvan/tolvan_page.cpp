#include "daq/tolvan/tolvan_page.h"

#include "daq/tolvan/tolvan_library.h"

namespace brennix::daq::tolvan {

CTolvanPropPage::CTolvanPropPage()
    : TimerChannelPage(std::string(kPageTitle), ControlKind::Tolvan, "PresetValue") {}

com::pages::PageClass pageClass() {
    return devicePageClass<CTolvanPropPage>(kPageClassId, kPageProgId, kPageTitle);
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    return registerDevicePage(registry, pageClass(), kClassId, kProgId);
}

}  // namespace brennix::daq::tolvan
