#include "platform/com/safe_array.h"

#include <limits>
#include <new>

#include "platform/com/variant.h"

namespace brennix::com {

SafeArray::SafeArray(VarType elementType, std::int32_t lowerBound, Storage storage)
    : elementType_(elementType), lowerBound_(lowerBound), storage_(std::move(storage)) {}

SafeArray::SafeArray(const SafeArray& other)
    : elementType_(other.elementType_), lowerBound_(other.lowerBound_), storage_(other.storage_) {}

SafeArray& SafeArray::operator=(const SafeArray& other) {
    if (this != &other) {
        elementType_ = other.elementType_;
        lowerBound_ = other.lowerBound_;
        storage_ = other.storage_;
        locks_ = 0;
    }
    return *this;
}

SafeArray::SafeArray(SafeArray&& other) noexcept
    : elementType_(other.elementType_),
      lowerBound_(other.lowerBound_),
      locks_(std::exchange(other.locks_, 0)),
      storage_(std::move(other.storage_)) {}

SafeArray& SafeArray::operator=(SafeArray&& other) noexcept {
    elementType_ = other.elementType_;
    lowerBound_ = other.lowerBound_;
    locks_ = std::exchange(other.locks_, 0);
    storage_ = std::move(other.storage_);
    return *this;
}

Result<SafeArray> SafeArray::create(VarType elementType, std::uint32_t count,
                                    std::int32_t lowerBound) {
    std::uint64_t size = 0;
    switch (elementType) {
        case VarType::Int16:
            size = 2;
            break;
        case VarType::Int32:
            size = 4;
            break;
        case VarType::Double:
            size = 8;
            break;
        default:
            return Error::InvalidArgument;
    }
    if (size * count > kMaxBytes) {
        return Error::OutOfMemory;
    }
    if (std::int64_t{lowerBound} + count - 1 > std::numeric_limits<std::int32_t>::max()) {
        return Error::InvalidArgument;
    }
    try {
        switch (elementType) {
            case VarType::Int16:
                return SafeArray(elementType, lowerBound, std::vector<std::int16_t>(count));
            case VarType::Int32:
                return SafeArray(elementType, lowerBound, std::vector<std::int32_t>(count));
            default:
                return SafeArray(elementType, lowerBound, std::vector<double>(count));
        }
    } catch (const std::bad_alloc&) {
        return Error::OutOfMemory;
    }
}

std::uint32_t SafeArray::count() const {
    return std::visit([](const auto& v) { return static_cast<std::uint32_t>(v.size()); }, storage_);
}

std::uint32_t SafeArray::elementSize() const {
    return std::visit(
        [](const auto& v) {
            return static_cast<std::uint32_t>(
                sizeof(typename std::decay_t<decltype(v)>::value_type));
        },
        storage_);
}

void* SafeArray::data() {
    return std::visit([](auto& v) -> void* { return v.data(); }, storage_);
}

Result<void*> SafeArray::accessData() {
    if (locks_ == std::numeric_limits<std::uint32_t>::max()) {
        return Error::ArrayLocked;
    }
    ++locks_;
    return data();
}

Status SafeArray::unaccessData() {
    if (locks_ == 0) {
        return Error::NotLocked;
    }
    --locks_;
    return ok();
}

Result<std::size_t> SafeArray::offsetOf(std::int64_t index) const {
    if (index < lowerBound_ || index > upperBound()) {
        return Error::BadIndex;
    }
    return static_cast<std::size_t>(index - lowerBound_);
}

Result<Variant> SafeArray::get(std::int64_t index) const {
    auto at = offsetOf(index);
    if (!at) {
        return at.error();
    }
    return std::visit([&](const auto& v) { return Variant(v[*at]); }, storage_);
}

Status SafeArray::put(std::int64_t index, const Variant& value) {
    auto at = offsetOf(index);
    if (!at) {
        return at.error();
    }
    return std::visit(
        [&](auto& v) -> Status {
            using T = typename std::decay_t<decltype(v)>::value_type;
            Result<T> converted = [&]() -> Result<T> {
                if constexpr (std::is_same_v<T, std::int16_t>) {
                    return value.toInt16();
                } else if constexpr (std::is_same_v<T, std::int32_t>) {
                    return value.toInt32();
                } else {
                    return value.toDouble();
                }
            }();
            if (!converted) {
                return converted.error();
            }
            v[*at] = *converted;
            return ok();
        },
        storage_);
}

Status SafeArray::resize(std::uint32_t newCount) {
    if (locks_ > 0) {
        return Error::ArrayLocked;
    }
    if (std::int64_t{lowerBound_} + newCount - 1 > std::numeric_limits<std::int32_t>::max()) {
        return Error::InvalidArgument;
    }
    if (std::uint64_t{elementSize()} * newCount > kMaxBytes) {
        return Error::OutOfMemory;
    }
    try {
        std::visit([&](auto& v) { v.resize(newCount); }, storage_);
    } catch (const std::bad_alloc&) {
        return Error::OutOfMemory;
    }
    return ok();
}

bool SafeArray::operator==(const SafeArray& other) const {
    return elementType_ == other.elementType_ && lowerBound_ == other.lowerBound_ &&
           storage_ == other.storage_;
}

}  // namespace brennix::com
