#include "daq/tolvan/tolvan_page.h"

#include <memory>

#include "daq/tolvan/tolvan_library.h"

namespace brennix::daq::tolvan {

CTolvanPropPage::CTolvanPropPage()
    : TimerChannelPage(std::string(kPageTitle), ControlKind::Tolvan, "PresetValue") {}

com::pages::PageClass pageClass() {
    return {std::string(kPageClassId), std::string(kPageProgId), std::string(kPageTitle),
            [] { return std::make_unique<CTolvanPropPage>(); }};
}

com::Status registerPages(com::pages::PageRegistry& registry) {
    if (com::Status s = registry.add(pageClass()); !s.ok())
        return s;
    return registry.list(
        {std::string(kClassId), std::string(kProgId), {std::string(kPageClassId)}});
}

}  // namespace brennix::daq::tolvan
