#include "daq/rastow/rastow_page.h"

#include <memory>

#include "daq/rastow/rastow_library.h"

namespace brennix::daq::rastow {

CRastowPropPage::CRastowPropPage()
    : DigitalPortPage(std::string(kPageTitle), ControlKind::Rastow) {}

com::pages::PageClass pageClass() {
    return {std::string(kPageClassId), std::string(kPageProgId), std::string(kPageTitle),
            [] { return std::make_unique<CRastowPropPage>(); }};
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    if (com::Status s = registry.add(pageClass()); !s.ok())
        return s;
    return registry.list(
        {std::string(kClassId), std::string(kProgId), {std::string(kPageClassId)}});
}

}  // namespace brennix::daq::rastow
