#include "daq/sarnet/sarnet_page.h"

#include <memory>

#include "daq/sarnet/sarnet_library.h"

namespace brennix::daq::sarnet {

CSarnetPropPage::CSarnetPropPage()
    : TimerChannelPage(std::string(kPageTitle), ControlKind::Sarnet, "PulseWidth") {}

com::pages::PageClass pageClass() {
    return {std::string(kPageClassId), std::string(kPageProgId), std::string(kPageTitle),
            [] { return std::make_unique<CSarnetPropPage>(); }};
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    if (com::Status s = registry.add(pageClass()); !s.ok())
        return s;
    return registry.list(
        {std::string(kClassId), std::string(kProgId), {std::string(kPageClassId)}});
}

}  // namespace brennix::daq::sarnet
