#include "chart/control/property_pages.h"

#include <array>
#include <string>

namespace brennix::chart {
namespace {

constexpr PropertyPageRef kChartPage{"Chart", "CChartPropPage", "TRENDWICK.ChartPropPage.1",
                                     "{27F9B3EB-7379-11D4-A691-0050BAA83CEA}"};
constexpr PropertyPageRef kGraphPage{"Graph", "CGraphPropPage", "TRENDWICK.GraphPropPage.1",
                                     "{27F9B3E7-7379-11D4-A691-0050BAA83CEA}"};

// The pages after the general one, the same on both controls.
constexpr std::array<PropertyPageRef, 8> kSharedPages{{
    {"X-Axis", "CPrpXAxis", "Trendwick.CPrpXAxis", "{294C0AE6-74E1-11D4-A691-0050BAA83CEA}"},
    {"Y-Axis", "CPrpYAxis", "Trendwick.CPrpYAxis", "{294C0AE3-74E1-11D4-A691-0050BAA83CEA}"},
    {"X-AxisTicks", "CPrpXTicks", "Trendwick.CPrpXTicks", "{294C0AE9-74E1-11D4-A691-0050BAA83CEA}"},
    {"Y-AxisTicks", "CPrpYTicks", "Trendwick.CPrpYTicks", "{294C0AEC-74E1-11D4-A691-0050BAA83CEA}"},
    {"Plots", "CPrpPlots", "Trendwick.CPrpPlots", "{294C0AF1-74E1-11D4-A691-0050BAA83CEA}"},
    {"Y-Axis Format", "CPrpFormat", "Trendwick.CPrpFormat",
     "{294C0AF4-74E1-11D4-A691-0050BAA83CEA}"},
    {"X-Axis Format", "CPrpXFormat", "Trendwick.CPrpXFormat",
     "{294C0AFA-74E1-11D4-A691-0050BAA83CEA}"},
    {"Color", "", "", kStockColorPageId},
}};

constexpr std::array<PropertyPageRef, 9> withGeneral(const PropertyPageRef& general) {
    std::array<PropertyPageRef, 9> pages{};
    pages[0] = general;
    for (std::size_t i = 0; i < kSharedPages.size(); ++i) {
        pages[i + 1] = kSharedPages[i];
    }
    return pages;
}

constexpr auto kChartPages = withGeneral(kChartPage);
constexpr auto kGraphPages = withGeneral(kGraphPage);

com::PageClassEntry entryOf(const PropertyPageRef& page, std::string_view typeName) {
    return {std::string(page.classId), std::string(page.progId), std::string(typeName)};
}

}  // namespace

std::span<const PropertyPageRef> chartPropertyPages() {
    return kChartPages;
}

std::span<const PropertyPageRef> graphPropertyPages() {
    return kGraphPages;
}

std::vector<com::PageClassEntry> trendwickPageClasses() {
    std::vector<com::PageClassEntry> pages{entryOf(kGraphPage, "Graph Property Page"),
                                           entryOf(kChartPage, "Chart Property Page")};
    for (const PropertyPageRef& page : kSharedPages) {
        if (!page.className.empty()) {
            pages.push_back(entryOf(page, page.caption));
        }
    }
    return pages;
}

}  // namespace brennix::chart
