#pragma once
// The order both controls save their own properties in, after the stock
// ones; the Graph leaves out the three that shape the Chart's history.

#include <vector>

#include "platform/com/table_builder.h"

namespace brennix::chart {

enum class PersistedSet { Chart, Graph };

std::vector<com::PersistItem> persistedOrder(PersistedSet set);

}  // namespace brennix::chart
