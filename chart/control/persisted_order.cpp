#include "chart/control/persisted_order.h"

#include <string>
#include <string_view>

#include "chart/control/plot_properties.h"

namespace brennix::chart {

std::vector<com::PersistItem> persistedOrder(PersistedSet set) {
    std::vector<com::PersistItem> order{"BkColor", "PlotAreaColor", "PlotNum"};
    if (set == PersistedSet::Chart) {
        order.insert(order.end(), {"PlotMode", "UpdateMode", "HistoryLength"});
    }
    order.insert(order.end(),
                 {"FormatClass",     "Format",          "XAxisFormatClass", "XAxisFormat",
                  "TimeInterval",    "TimeBase0",       "TimeBase1",        "TimeBase2",
                  "ScaleMinimum",    "ScaleMaximum",    "YMajorTickMark",   "YMinorTickMark",
                  "YMajorTickColor", "YMinorTickColor", "YTickLeft",        "YTickRight",
                  "YLabelLeft",      "YLabelRight",     "YSpacingMajor",    "YSpacingMinor",
                  "YLabelColor",     "YGridMajorColor", "YGridMinorColor",  "YGridMajor",
                  "YGridMinor",      "XTickBottom",     "XTickAbove",       "XLabelBottom",
                  "XLabelAbove",     "XSpacingMajor",   "XSpacingMinor",    "XGridMajorColor",
                  "XGridMinorColor", "XGridMajor",      "XGridMinor",       "XMajorTickMark",
                  "XMinorTickMark",  "XMajorTickColor", "XMinorTickColor",  "ViewNum",
                  "StartNum",        "XLabelColor"});
    for (std::string_view family : kPlotFamilies) {
        for (int plot = 1; plot <= 8; ++plot) {
            const std::string name = std::string(family) + std::to_string(plot);
            order.emplace_back(name.c_str());  // with the property's own default
        }
    }
    return order;
}

}  // namespace brennix::chart
