#include "chart/control/trendwick_library.h"

#include <string>

#include "chart/control/chart_ctrl.h"
#include "chart/control/graph_ctrl.h"
#include "chart/control/property_pages.h"

namespace brennix::chart {

namespace {

// Both controls: drawn in place as soon as they are visible, sited before
// they load, redrawn rather than scaled on resize.
constexpr std::uint32_t kMiscStatus =
    com::misc_status::ActivateWhenVisible | com::misc_status::SetClientSiteFirst |
    com::misc_status::InsideOut | com::misc_status::CannotLinkInside |
    com::misc_status::RecomposeOnResize;

}  // namespace

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "trendwick",
        com::TypeLibraryInfo{std::string(kTypeLibrary), std::string(kTypeLibraryId), "1.0"},
        {com::ClassEntry::of<CChartCtrl>(std::string(kChartClassId), std::string(kChartProgId),
                                         std::string(kChartTypeName))
             .withInterfaces("_DChart", "_DChartEvents", std::string(kChartDispatchId),
                             std::string(kChartEventsId))
             .inTypeLibrary(std::string(kTypeLibrary))
             .withMiscStatus(kMiscStatus),
         com::ClassEntry::of<CGraphCtrl>(std::string(kGraphClassId), std::string(kGraphProgId),
                                         std::string(kGraphTypeName))
             .withInterfaces("_DGraph", "_DGraphEvents", std::string(kGraphDispatchId),
                             std::string(kGraphEventsId))
             .inTypeLibrary(std::string(kTypeLibrary))
             .withMiscStatus(kMiscStatus)},
        trendwickPageClasses());
    return lib;
}

}  // namespace brennix::chart

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::chart::library())
