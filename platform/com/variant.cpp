#include "platform/com/variant.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/com/dispatch.h"
#include "platform/com/member_table.h"

namespace brennix::com {
namespace {

// Leading and trailing blanks are allowed around a number, nothing else.
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

Result<double> parseNumber(std::string_view text) {
    auto s = trimmed(text);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
    }
    double value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) {
        return ec == std::errc::result_out_of_range ? Error::Overflow : Error::TypeMismatch;
    }
    return value;
}

// Any value that has a numeric reading, as a double.
Result<double> numeric(const Variant& v, bool allowString) {
    switch (v.type()) {
        case VarType::Empty:
            return 0.0;
        case VarType::Int16:
            return static_cast<double>(*v.toInt16());
        case VarType::Int32:
            return static_cast<double>(*v.toInt32());
        case VarType::Double:
            return *v.toDouble();
        case VarType::Bool:
            return *v.toBool() ? -1.0 : 0.0;
        case VarType::String:
            if (allowString) {
                return parseNumber(*v.toString());
            }
            return Error::TypeMismatch;
        default:
            return Error::TypeMismatch;
    }
}

template <class T>
Result<T> integral(double value, double lowest, double highest) {
    if (std::isnan(value)) {
        return Error::Overflow;
    }
    // Round half to even, as the platform does.
    double rounded = std::nearbyint(value);
    if (rounded < lowest || rounded > highest) {
        return Error::Overflow;
    }
    return static_cast<T>(rounded);
}

std::string formatDouble(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, end);
}

}  // namespace

std::string_view varTypeName(VarType type) {
    switch (type) {
        case VarType::Empty:
            return "empty";
        case VarType::Int16:
            return "short";
        case VarType::Int32:
            return "long";
        case VarType::Double:
            return "double";
        case VarType::Bool:
            return "boolean";
        case VarType::String:
            return "string";
        case VarType::Dispatch:
            return "dispatch";
        case VarType::Array:
            return "array";
    }
    return "unknown";
}

Result<std::int16_t> Variant::toInt16() const {
    if (auto* v = std::get_if<std::int16_t>(&value_)) {
        return *v;
    }
    auto n = numeric(*this, true);
    if (!n) {
        return n.error();
    }
    return integral<std::int16_t>(*n, std::numeric_limits<std::int16_t>::min(),
                                  std::numeric_limits<std::int16_t>::max());
}

Result<std::int32_t> Variant::toInt32() const {
    if (auto* v = std::get_if<std::int32_t>(&value_)) {
        return *v;
    }
    auto n = numeric(*this, true);
    if (!n) {
        return n.error();
    }
    return integral<std::int32_t>(*n, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max());
}

Result<std::uint32_t> Variant::toColor() const {
    if (auto* v = std::get_if<std::int32_t>(&value_)) {
        return static_cast<std::uint32_t>(*v);
    }
    auto n = numeric(*this, true);
    if (!n) {
        return n.error();
    }
    auto wide = integral<std::int64_t>(*n, std::numeric_limits<std::int32_t>::min(),
                                       std::numeric_limits<std::uint32_t>::max());
    if (!wide) {
        return wide.error();
    }
    return static_cast<std::uint32_t>(*wide);
}

Result<double> Variant::toDouble() const {
    if (auto* v = std::get_if<double>(&value_)) {
        return *v;
    }
    return numeric(*this, true);
}

Result<bool> Variant::toBool() const {
    if (auto* v = std::get_if<bool>(&value_)) {
        return *v;
    }
    if (auto* s = std::get_if<std::string>(&value_)) {
        auto text = trimmed(*s);
        if (equalsIgnoringCase(text, "true")) {
            return true;
        }
        if (equalsIgnoringCase(text, "false")) {
            return false;
        }
    }
    auto n = numeric(*this, true);
    if (!n) {
        return n.error();
    }
    return *n != 0.0;
}

Result<std::string> Variant::toString() const {
    switch (type()) {
        case VarType::Empty:
            return std::string();
        case VarType::Int16:
            return std::to_string(std::get<std::int16_t>(value_));
        case VarType::Int32:
            return std::to_string(std::get<std::int32_t>(value_));
        case VarType::Double:
            return formatDouble(std::get<double>(value_));
        case VarType::Bool:
            return std::string(std::get<bool>(value_) ? "True" : "False");
        case VarType::String:
            return std::get<std::string>(value_);
        default:
            return Error::TypeMismatch;
    }
}

Result<std::shared_ptr<Dispatch>> Variant::toDispatch() const {
    if (auto* d = std::get_if<std::shared_ptr<Dispatch>>(&value_)) {
        return *d;
    }
    return Error::TypeMismatch;
}

Result<Variant> Variant::changeType(VarType target) const {
    auto wrap = [](auto result) -> Result<Variant> {
        if (!result) {
            return result.error();
        }
        return Variant(*result);
    };
    switch (target) {
        case VarType::Empty:
            return Variant();
        case VarType::Int16:
            return wrap(toInt16());
        case VarType::Int32:
            return wrap(toInt32());
        case VarType::Double:
            return wrap(toDouble());
        case VarType::Bool:
            return wrap(toBool());
        case VarType::String:
            return wrap(toString());
        case VarType::Dispatch:
            return wrap(toDispatch());
        case VarType::Array:
            if (type() == VarType::Array) {
                return *this;
            }
            return Error::TypeMismatch;
    }
    return Error::TypeMismatch;
}

Status Variant::clear() {
    if (auto* a = array(); a != nullptr && a->lockCount() > 0) {
        return Error::ArrayLocked;
    }
    value_ = std::monostate{};
    return ok();
}

}  // namespace brennix::com
