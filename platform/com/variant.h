#pragma once
// The value type that crosses every dispatch call: empty, 16- and 32-bit
// integers, double, boolean, string, a dispatch pointer or an array.
// Conversions follow the platform's rules: numbers round half to even when
// they become integers, true is -1, and an impossible conversion is an error
// (TypeMismatch, or Overflow for a number out of range), never a guess.

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "platform/com/result.h"
#include "platform/com/safe_array.h"
#include "platform/com/var_type.h"

namespace brennix::com {

class Dispatch;

class Variant {
  public:
    Variant() = default;
    Variant(std::int16_t v) : value_(v) {}                                  // NOLINT
    Variant(std::int32_t v) : value_(v) {}                                  // NOLINT
    Variant(double v) : value_(v) {}                                        // NOLINT
    Variant(bool v) : value_(v) {}                                          // NOLINT
    Variant(std::string v) : value_(std::move(v)) {}                        // NOLINT
    Variant(std::string_view v) : value_(std::string(v)) {}                 // NOLINT
    Variant(const char* v) : value_(std::string(v != nullptr ? v : "")) {}  // NOLINT
    Variant(std::shared_ptr<Dispatch> v) : value_(std::move(v)) {}          // NOLINT
    Variant(SafeArray v) : value_(std::move(v)) {}                          // NOLINT
    // Other arithmetic types would convert silently to one of the above.
    template <class T>
    requires std::is_arithmetic_v<T> Variant(T)
    = delete;

    // A colour travels as a 32-bit integer holding its bit pattern.
    static Variant fromColor(std::uint32_t color) {
        return Variant(static_cast<std::int32_t>(color));
    }

    VarType type() const { return static_cast<VarType>(value_.index()); }
    bool isEmpty() const { return type() == VarType::Empty; }

    Result<std::int16_t> toInt16() const;
    Result<std::int32_t> toInt32() const;
    Result<double> toDouble() const;
    Result<bool> toBool() const;
    Result<std::string> toString() const;
    // Any integer from INT32_MIN to UINT32_MAX; negative values are bit patterns.
    Result<std::uint32_t> toColor() const;
    Result<std::shared_ptr<Dispatch>> toDispatch() const;

    // The counterpart of VariantChangeType.
    Result<Variant> changeType(VarType type) const;

    // Null unless the variant holds an array.
    const SafeArray* array() const { return std::get_if<SafeArray>(&value_); }
    SafeArray* array() { return std::get_if<SafeArray>(&value_); }

    // Empties the variant; an accessed array cannot be released (ArrayLocked).
    Status clear();

    bool operator==(const Variant& other) const { return value_ == other.value_; }

  private:
    std::variant<std::monostate, std::int16_t, std::int32_t, double, bool, std::string,
                 std::shared_ptr<Dispatch>, SafeArray>
        value_;
};

}  // namespace brennix::com
