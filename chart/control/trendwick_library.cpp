#include "chart/control/trendwick_library.h"

#include <string>

#include "chart/control/chart_ctrl.h"

namespace brennix::chart {

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "trendwick",
        com::TypeLibraryInfo{std::string(kTypeLibrary), std::string(kTypeLibraryId), "1.0"},
        {com::ClassEntry::of<CChartCtrl>(std::string(kChartClassId), std::string(kChartProgId),
                                         std::string(kChartTypeName))
             .withInterfaces("_DChart", "_DChartEvents", std::string(kChartDispatchId),
                             std::string(kChartEventsId))
             .inTypeLibrary(std::string(kTypeLibrary))});
    return lib;
}

}  // namespace brennix::chart

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::chart::library())
