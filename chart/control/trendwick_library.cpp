#include "chart/control/trendwick_library.h"

#include <string>

#include "chart/control/chart_ctrl.h"

namespace brennix::chart {

com::ControlLibrary& library() {
    static com::ControlLibrary lib(
        "trendwick",
        {com::ClassEntry::of<CChartCtrl>(std::string(kChartClassId), std::string(kChartProgId),
                                         std::string(kChartTypeName))});
    return lib;
}

}  // namespace brennix::chart

BRENNIX_CONTROL_LIBRARY_ENTRY_POINTS(brennix::chart::library())
