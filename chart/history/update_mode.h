#pragma once
// How the visible window follows the data. The property is a plain short and
// takes any value; values other than these leave the window where it is.

#include <cstdint>

namespace brennix::chart {

enum enumUpdateMode : std::int16_t {
    UM_Strip = 0,  // scrolls one sample at a time
    UM_Scope = 1,  // pages
    UM_Sweep = 2,  // pages, with a cursor over the previous page
};

}  // namespace brennix::chart
