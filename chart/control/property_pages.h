#pragma once
// The property pages the Chart and the Graph list, in tab order, and the
// page classes the library registers for them. The pages themselves are
// built elsewhere; these identities let a host find them.

#include <span>
#include <string_view>
#include <vector>

#include "platform/com/control_library.h"

namespace brennix::chart {

struct PropertyPageRef {
    std::string_view caption;    // the tab
    std::string_view className;  // empty for the platform's stock page
    std::string_view progId;
    std::string_view classId;
};

// The platform's stock colour page, last on both controls.
inline constexpr std::string_view kStockColorPageId = "{0BE35200-8F91-11CE-9DE3-00AA004BB851}";

std::span<const PropertyPageRef> chartPropertyPages();
std::span<const PropertyPageRef> graphPropertyPages();

// Every page class of the library, each once; the stock page is not ours.
std::vector<com::PageClassEntry> trendwickPageClasses();

}  // namespace brennix::chart
