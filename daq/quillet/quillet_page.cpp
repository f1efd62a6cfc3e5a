#include "daq/quillet/quillet_page.h"

#include <memory>

#include "daq/quillet/quillet_library.h"

namespace brennix::daq::quillet {

CQuilletPropPage::CQuilletPropPage()
    : DigitalPortPage(std::string(kPageTitle), ControlKind::Quillet) {}

com::pages::PageClass pageClass() {
    return {std::string(kPageClassId), std::string(kPageProgId), std::string(kPageTitle),
            [] { return std::make_unique<CQuilletPropPage>(); }};
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    if (com::Status s = registry.add(pageClass()); !s.ok())
        return s;
    return registry.list(
        {std::string(kClassId), std::string(kProgId), {std::string(kPageClassId)}});
}

}  // namespace brennix::daq::quillet
