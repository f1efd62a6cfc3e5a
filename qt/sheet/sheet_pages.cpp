#include "qt/sheet/sheet_pages.h"

#include "chart/control/property_pages.h"
#include "chart/pages/chart_pages.h"
#include "daq/orsino/orsino_page.h"
#include "daq/pellam/pellam_page.h"
#include "daq/quillet/quillet_page.h"
#include "daq/rastow/rastow_page.h"
#include "daq/sarnet/sarnet_page.h"
#include "daq/tolvan/tolvan_page.h"
#include "equipment/pages/equipment_pages.h"
#include "instruments/pages/panelmoor_pages.h"
#include "platform/com/class_registry.h"
#include "qt/control_catalogue.h"
#include "qt/sheet/table_pages.h"

namespace brennix::qt {
namespace {

using com::pages::PageRegistry;
using com::pages::PropertyPage;

std::vector<std::string> idsOf(std::span<const chart::PropertyPageRef> pages) {
    std::vector<std::string> ids;
    for (const chart::PropertyPageRef& page : pages)
        ids.emplace_back(page.classId);
    return ids;
}

// "PLANTWERK.PipeCtrl.1" lists "PLANTWERK.PipePropPage.1", as every control
// with one general page does.
std::string generalPageOf(const std::string& progId) {
    const auto ctrl = progId.rfind("Ctrl.");
    if (ctrl == std::string::npos)
        return {};
    return progId.substr(0, ctrl) + "PropPage" + progId.substr(ctrl + 4);
}

const com::pages::PageClass* findPage(std::string_view id) {
    if (const auto* page = hostPageRegistry().find(id))
        return page;
    return PageRegistry::process().find(id);
}

}  // namespace

PageRegistry& hostPageRegistry() {
    static PageRegistry* registry = [] {
        static PageRegistry made;
        (void)chart::registerTrendwickPages(made);
        (void)instruments::registerPanelmoorPages(made);
        (void)equipment::registerPlantwerkPages(made);
        (void)daq::orsino::registerPages(made);
        (void)daq::pellam::registerPages(made);
        (void)daq::quillet::registerPages(made);
        (void)daq::rastow::registerPages(made);
        (void)daq::sarnet::registerPages(made);
        (void)daq::tolvan::registerPages(made);
        return &made;
    }();
    return *registry;
}

std::vector<std::string> listedPages(const com::Control& control, const QString& controlId) {
    const std::string className = control.members().className();
    CatalogueClass entry;
    const bool catalogued = !controlId.isEmpty() && findCatalogueClass(controlId, entry);
    const std::string name = catalogued ? entry.name.toStdString() : className;
    // What the control libraries list, by the identifier the control was
    // made by or its class's.
    for (const std::string& id :
         {controlId.toStdString(), catalogued ? entry.registration.progId : std::string()}) {
        if (id.empty())
            continue;
        if (auto pages = hostPageRegistry().pagesOf(id); !pages.empty())
            return pages;
    }
    if (name == "Chart")
        return idsOf(chart::chartPropertyPages());
    if (name == "Graph")
        return idsOf(chart::graphPropertyPages());
    for (const std::string& candidate : {name, className}) {
        if (auto pages = instruments::pagesOf(candidate); !pages.empty())
            return pages;
    }
    if (catalogued) {
        const std::string general = generalPageOf(entry.registration.progId);
        if (const auto* page = findPage(general))
            return {page->classId};
    }
    return {};
}

std::vector<std::unique_ptr<PropertyPage>> pagesFor(const com::Control& control,
                                                    const QString& controlId) {
    std::vector<std::unique_ptr<PropertyPage>> pages;
    const auto listed = listedPages(control, controlId);
    for (const std::string& id : listed) {
        if (id == com::pages::kStockColorPageId) {
            auto colors = std::make_unique<StockColorPage>(control.members());
            if (!colors->fields().empty())
                pages.push_back(std::move(colors));
            continue;
        }
        if (const auto* page = findPage(id); page != nullptr && page->create)
            pages.push_back(page->create());
    }
    if (listed.empty()) {
        pages.push_back(std::make_unique<MemberTablePage>("General", control.members()));
    }
    return pages;
}

}  // namespace brennix::qt
