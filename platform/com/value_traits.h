#pragma once
// How each C++ member type maps to a property type and to and from a Variant.

#include <cstdint>
#include <string>
#include <type_traits>

#include "platform/com/font_object.h"
#include "platform/com/member.h"
#include "platform/gfx/color.h"

namespace brennix::com {

template <class T>
struct ValueTraits;

template <>
struct ValueTraits<std::int16_t> {
    static constexpr PropType type = PropType::Int16;
    static Result<std::int16_t> from(const Variant& v) { return v.toInt16(); }
    static Variant to(std::int16_t v) { return Variant(v); }
};

template <>
struct ValueTraits<std::int32_t> {
    static constexpr PropType type = PropType::Int32;
    static Result<std::int32_t> from(const Variant& v) { return v.toInt32(); }
    static Variant to(std::int32_t v) { return Variant(v); }
};

// gfx::ColorRef: every 32-bit unsigned member is a colour.
template <>
struct ValueTraits<std::uint32_t> {
    static constexpr PropType type = PropType::Color;
    static Result<std::uint32_t> from(const Variant& v) { return v.toColor(); }
    static Variant to(std::uint32_t v) { return Variant::fromColor(v); }
};

template <>
struct ValueTraits<double> {
    static constexpr PropType type = PropType::Double;
    static Result<double> from(const Variant& v) { return v.toDouble(); }
    static Variant to(double v) { return Variant(v); }
};

template <>
struct ValueTraits<bool> {
    static constexpr PropType type = PropType::Bool;
    static Result<bool> from(const Variant& v) { return v.toBool(); }
    static Variant to(bool v) { return Variant(v); }
};

template <>
struct ValueTraits<std::string> {
    static constexpr PropType type = PropType::String;
    static Result<std::string> from(const Variant& v) { return v.toString(); }
    static Variant to(const std::string& v) { return Variant(v); }
};

template <>
struct ValueTraits<gfx::Font> {
    static constexpr PropType type = PropType::Font;
    static Result<gfx::Font> from(const Variant& v) { return fontFromVariant(v); }
    static Variant to(const gfx::Font& v) { return fontToVariant(v); }
};

template <>
struct ValueTraits<Variant> {
    static constexpr PropType type = PropType::Variant;
    static Result<Variant> from(const Variant& v) { return v; }
    static Variant to(const Variant& v) { return v; }
};

template <>
struct ValueTraits<void> {
    static constexpr PropType type = PropType::Void;
};

}  // namespace brennix::com
