#include "fuzz/variant_source.h"

#include <cstdlib>
#include <limits>
#include <string>

namespace brennix::fuzz {
namespace {

template <class T>
T anyElement(FuzzedDataProvider& in) {
    if constexpr (std::is_same_v<T, double>) {
        return anyDouble(in);
    } else {
        return in.ConsumeIntegral<T>();
    }
}

template <class T>
com::SafeArray filled(FuzzedDataProvider& in, com::VarType type, std::uint32_t count,
                      std::int32_t lowerBound) {
    auto array = com::SafeArray::create(type, count, lowerBound);
    if (!array) {
        // A lower bound whose upper end would overflow is refused; feed the
        // same elements from zero instead.
        array = com::SafeArray::create(type, count, 0);
    }
    if (!array) {
        std::abort();  // counts here are far below any limit
    }
    auto elements = array->access<T>();
    if (elements) {
        for (T& e : *elements) {
            if (in.remaining_bytes() == 0) {
                break;
            }
            e = anyElement<T>(in);
        }
        (void)array->unaccessData();
    }
    return std::move(*array);
}

}  // namespace

double anyDouble(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0:
            return std::numeric_limits<double>::quiet_NaN();
        case 1:
            return std::numeric_limits<double>::infinity();
        case 2:
            return -std::numeric_limits<double>::infinity();
        case 3:
            return std::numeric_limits<double>::max();
        case 4:
            return std::numeric_limits<double>::lowest();
        case 5:
            return std::numeric_limits<double>::denorm_min();
        case 6:
            return static_cast<double>(in.ConsumeIntegral<std::int64_t>());
        default:
            return in.ConsumeFloatingPoint<double>();
    }
}

com::SafeArray anyArray(FuzzedDataProvider& in, std::uint32_t maxCount) {
    const int type = in.ConsumeIntegralInRange(0, 2);
    std::uint32_t count = in.ConsumeIntegralInRange<std::uint32_t>(0, maxCount);
    const std::int32_t lowerBound = in.ConsumeBool() ? 0 : in.ConsumeIntegral<std::int32_t>();
    switch (type) {
        case 0:
            return filled<std::int16_t>(in, com::VarType::Int16, count, lowerBound);
        case 1:
            return filled<std::int32_t>(in, com::VarType::Int32, count, lowerBound);
        default:
            return filled<double>(in, com::VarType::Double, count, lowerBound);
    }
}

com::Variant anyVariant(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
            return {};
        case 1:
            return in.ConsumeIntegral<std::int16_t>();
        case 2:
            return in.ConsumeIntegral<std::int32_t>();
        case 3:
            return anyDouble(in);
        case 4:
            return in.ConsumeBool();
        case 5:
            return in.ConsumeRandomLengthString(64);
        case 6: {
            // Numbers and words the conversions read from text.
            static const char* const kTexts[] = {"nan",  "inf",    "-Infinity",  "1e400",
                                                 " 12 ", "0x10",   "true",       "False",
                                                 "",     "-32769", "4294967296", "2.5e-320"};
            return std::string(kTexts[in.ConsumeIntegralInRange<std::size_t>(0, 11)]);
        }
        default:
            return anyArray(in, 512);
    }
}

}  // namespace brennix::fuzz
