#pragma once
// Values of every variant type from fuzz input, weighted towards the ones
// that find faults: NaN, infinities, extremes, empty and odd arrays.

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/com/safe_array.h"
#include "platform/com/variant.h"

namespace brennix::fuzz {

double anyDouble(FuzzedDataProvider& in);
com::Variant anyVariant(FuzzedDataProvider& in);
// An array of Int16, Int32 or Double elements, with any lower bound.
com::SafeArray anyArray(FuzzedDataProvider& in, std::uint32_t maxCount = 4096);

}  // namespace brennix::fuzz
