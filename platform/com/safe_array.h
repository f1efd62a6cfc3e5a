#pragma once
// A one-dimensional array with a lower bound, carried in a Variant. Its data
// is reached between accessData and unaccessData; while accessed (locked) the
// array keeps its shape, so a pointer handed out stays valid.

#include <algorithm>
#include <cstdint>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/com/result.h"
#include "platform/com/var_type.h"

namespace brennix::com {

class Variant;

class SafeArray {
  public:
    // Largest data block an array may hold.
    static constexpr std::uint64_t kMaxBytes = 1ULL << 30;

    // Element types: Int16, Int32 and Double. Fails with InvalidArgument for
    // another element type or a range whose upper bound does not fit, and
    // with OutOfMemory for a size beyond kMaxBytes or the machine.
    static Result<SafeArray> create(VarType elementType, std::uint32_t count,
                                    std::int32_t lowerBound = 0);

    template <class T>
    static Result<SafeArray> fromValues(std::span<const T> values, std::int32_t lowerBound = 0);

    // A copy has its own data and is not locked.
    SafeArray(const SafeArray& other);
    SafeArray& operator=(const SafeArray& other);
    SafeArray(SafeArray&& other) noexcept;
    SafeArray& operator=(SafeArray&& other) noexcept;
    ~SafeArray() = default;

    VarType elementType() const { return elementType_; }
    std::int32_t lowerBound() const { return lowerBound_; }
    std::uint32_t count() const;
    // lowerBound - 1 for an empty array.
    std::int64_t upperBound() const { return std::int64_t{lowerBound_} + count() - 1; }
    std::uint32_t elementSize() const;
    std::uint32_t lockCount() const { return locks_; }

    // The counterparts of SafeArrayAccessData / SafeArrayUnaccessData.
    Result<void*> accessData();
    Status unaccessData();

    // Typed access: T must match the element type (TypeMismatch otherwise).
    template <class T>
    Result<std::span<T>> access();

    // One element by index, converted to or from the element type.
    Result<Variant> get(std::int64_t index) const;
    Status put(std::int64_t index, const Variant& value);

    // Changes the element count; fails with ArrayLocked while accessed.
    Status resize(std::uint32_t count);

    bool operator==(const SafeArray& other) const;

  private:
    using Storage =
        std::variant<std::vector<std::int16_t>, std::vector<std::int32_t>, std::vector<double>>;

    SafeArray(VarType elementType, std::int32_t lowerBound, Storage storage);
    Result<std::size_t> offsetOf(std::int64_t index) const;
    void* data();

    template <class T>
    static constexpr VarType typeOf() {
        if constexpr (std::is_same_v<T, std::int16_t>) {
            return VarType::Int16;
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            return VarType::Int32;
        } else {
            static_assert(std::is_same_v<T, double>, "Int16, Int32 or Double elements");
            return VarType::Double;
        }
    }

    VarType elementType_ = VarType::Int16;
    std::int32_t lowerBound_ = 0;
    std::uint32_t locks_ = 0;
    Storage storage_;
};

template <class T>
Result<SafeArray> SafeArray::fromValues(std::span<const T> values, std::int32_t lowerBound) {
    if (values.size() > UINT32_MAX) {
        return Error::OutOfMemory;
    }
    auto array = create(typeOf<T>(), static_cast<std::uint32_t>(values.size()), lowerBound);
    if (!array) {
        return array;
    }
    auto& elements = std::get<std::vector<T>>(array->storage_);
    std::copy(values.begin(), values.end(), elements.begin());
    return array;
}

template <class T>
Result<std::span<T>> SafeArray::access() {
    if (typeOf<std::remove_const_t<T>>() != elementType_) {
        return Error::TypeMismatch;
    }
    auto raw = accessData();
    if (!raw) {
        return raw.error();
    }
    return std::span<T>(static_cast<T*>(*raw), count());
}

// Keeps an array's data accessed while it lives:
//   auto data = ArrayAccess<double>::of(*variant.array());
//   if (data) { for (double v : data->values()) ... }
template <class T>
class ArrayAccess {
  public:
    static Result<ArrayAccess> of(SafeArray& array) {
        auto span = array.access<T>();
        if (!span) {
            return span.error();
        }
        return ArrayAccess(array, *span);
    }

    ArrayAccess(ArrayAccess&& other) noexcept
        : array_(std::exchange(other.array_, nullptr)), values_(other.values_) {}
    ArrayAccess& operator=(ArrayAccess&&) = delete;
    ArrayAccess(const ArrayAccess&) = delete;
    ArrayAccess& operator=(const ArrayAccess&) = delete;
    ~ArrayAccess() {
        if (array_ != nullptr) {
            (void)array_->unaccessData();
        }
    }

    std::span<T> values() const { return values_; }

  private:
    ArrayAccess(SafeArray& array, std::span<T> values) : array_(&array), values_(values) {}

    SafeArray* array_;
    std::span<T> values_;
};

}  // namespace brennix::com
