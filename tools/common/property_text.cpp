#include "tools/common/property_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/com/member_table.h"
#include "platform/gfx/color.h"

namespace brennix::tools {
namespace {

std::optional<long long> integerFrom(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    unsigned long long n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        n > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
        return std::nullopt;
    }
    return negative ? -static_cast<long long>(n) : static_cast<long long>(n);
}

std::optional<double> realFrom(std::string_view text) {
    if (auto n = integerFrom(text)) {
        return static_cast<double>(*n);
    }
    const std::string copy(text);
    char* end = nullptr;
    const double v = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() ||
        std::isspace(static_cast<unsigned char>(copy.front())) != 0) {
        return std::nullopt;
    }
    return v;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<std::uint32_t> colorFrom(std::string_view text) {
    if (text.size() == 7 && text.front() == '#') {
        if (auto n = integerFrom("0x" + std::string(text.substr(1)))) {
            const auto v = static_cast<std::uint32_t>(*n);
            return gfx::rgb(static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                            static_cast<std::uint8_t>(v));
        }
        return std::nullopt;
    }
    if (auto n = integerFrom(text); n && *n >= std::numeric_limits<std::int32_t>::min() &&
                                    *n <= std::numeric_limits<std::uint32_t>::max()) {
        return static_cast<std::uint32_t>(*n);
    }
    return std::nullopt;
}

// Shorts, longs and coded values: the number, or a value name.
TextValue integer(const com::Member& m, std::string_view text) {
    for (const auto* list : {m.enumeration.get(), m.codes.get()}) {
        if (list == nullptr) {
            continue;
        }
        for (const auto& v : list->values) {
            if (com::equalsIgnoringCase(v.name, text)) {
                return {com::Variant(v.value), {}};
            }
        }
    }
    auto n = integerFrom(text);
    if (!n) {
        return {std::nullopt,
                m.name + " takes a whole number" +
                    (m.enumeration || m.codes ? std::string(" or a value name") : "") + ", not \"" +
                    std::string(text) + "\""};
    }
    // The property's own conversion reports an overflow.
    if (*n >= std::numeric_limits<std::int32_t>::min() &&
        *n <= std::numeric_limits<std::int32_t>::max()) {
        return {com::Variant(static_cast<std::int32_t>(*n)), {}};
    }
    return {com::Variant(static_cast<double>(*n)), {}};
}

TextValue valueOfType(const com::Member& m, com::PropType type, std::string_view text) {
    using com::PropType;
    switch (type) {
        case PropType::Int16:
        case PropType::Int32:
            return integer(m, text);
        case PropType::Double:
            if (auto v = realFrom(text)) {
                return {com::Variant(*v), {}};
            }
            return {std::nullopt, m.name + " takes a number, not \"" + std::string(text) + "\""};
        case PropType::Bool: {
            const std::string t = lower(text);
            if (t == "true" || t == "yes" || t == "1" || t == "-1") {
                return {com::Variant(true), {}};
            }
            if (t == "false" || t == "no" || t == "0") {
                return {com::Variant(false), {}};
            }
            return {std::nullopt,
                    m.name + " takes true or false, not \"" + std::string(text) + "\""};
        }
        case PropType::Color:
            if (auto c = colorFrom(text)) {
                return {com::Variant::fromColor(*c), {}};
            }
            return {std::nullopt, m.name + " takes a colour as #rrggbb or a number, not \"" +
                                      std::string(text) + "\""};
        case PropType::String:
            return {com::Variant(std::string(text)), {}};
        case PropType::Variant: {
            std::vector<double> values;
            std::string_view rest = text;
            while (true) {
                const auto comma = rest.find(',');
                auto v = realFrom(rest.substr(0, comma));
                if (!v) {
                    return {std::nullopt, m.name + " takes numbers separated by commas, not \"" +
                                              std::string(text) + "\""};
                }
                values.push_back(*v);
                if (comma == std::string_view::npos) {
                    break;
                }
                rest.remove_prefix(comma + 1);
            }
            auto array = com::SafeArray::fromValues<double>(values);
            if (!array) {
                return {std::nullopt, m.name + ": " + std::string(com::errorText(array.error()))};
            }
            return {com::Variant(std::move(*array)), {}};
        }
        case PropType::Font:
        case PropType::Void:
            break;
    }
    return {std::nullopt, m.name + " cannot be given as text"};
}

}  // namespace

TextValue propertyValueFromText(const com::Member& property, std::string_view text) {
    return valueOfType(property, property.type, text);
}

TextArguments argumentsFromText(const com::Member& method, std::string_view text) {
    std::vector<com::Variant> values;
    if (method.params.empty()) {
        if (!text.empty()) {
            return {std::nullopt, method.name + " takes no arguments"};
        }
        return {values, {}};
    }
    std::string_view rest = text;
    for (std::size_t i = 0; i < method.params.size(); ++i) {
        const auto semicolon = rest.find(';');
        const std::string_view part = rest.substr(0, semicolon);
        com::Member param;
        param.name = method.name + " argument " + method.params[i].name;
        TextValue v = valueOfType(param, method.params[i].type, part);
        if (!v.value) {
            return {std::nullopt, v.error};
        }
        values.push_back(std::move(*v.value));
        if (semicolon == std::string_view::npos) {
            if (i + 1 != method.params.size()) {
                return {std::nullopt, method.name + " takes " +
                                          std::to_string(method.params.size()) +
                                          " arguments, separated by ';'"};
            }
            break;
        }
        rest.remove_prefix(semicolon + 1);
        if (i + 1 == method.params.size()) {
            return {std::nullopt, method.name + " takes " + std::to_string(method.params.size()) +
                                      " argument" + (method.params.size() == 1 ? "" : "s")};
        }
    }
    return {values, {}};
}

}  // namespace brennix::tools
