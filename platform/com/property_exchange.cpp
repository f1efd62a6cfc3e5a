#include "platform/com/property_exchange.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "platform/com/font_object.h"

namespace brennix::com {
namespace {

using Json = nlohmann::ordered_json;

Json toJson(PropType type, const Variant& value) {
    switch (type) {
        case PropType::Int16:
            return value.toInt16().valueOr(0);
        case PropType::Int32:
            return value.toInt32().valueOr(0);
        case PropType::Color:
            return value.toColor().valueOr(0);
        case PropType::Double:
            return value.toDouble().valueOr(0.0);
        case PropType::Bool:
            return value.toBool().valueOr(false);
        case PropType::String:
            return value.toString().valueOr({});
        case PropType::Font: {
            auto font = fontFromVariant(value).valueOr({});
            return Json{{"face", font.face},
                        {"points", font.points},
                        {"bold", font.bold},
                        {"italic", font.italic}};
        }
        default:
            return nullptr;
    }
}

template <class T>
std::optional<Variant> integer(const Json& j) {
    if (!j.is_number_integer()) {
        return std::nullopt;
    }
    if (j.is_number_unsigned()) {
        auto u = j.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<T>::max())) {
            return std::nullopt;
        }
        return Variant(static_cast<T>(u));
    }
    auto i = j.get<std::int64_t>();
    if (i < std::numeric_limits<T>::min() || i > std::numeric_limits<T>::max()) {
        return std::nullopt;
    }
    return Variant(static_cast<T>(i));
}

// The stored value as a Variant of the declared type, or nothing when it does
// not fit that type.
std::optional<Variant> fromJson(PropType type, const Json& j) {
    switch (type) {
        case PropType::Int16:
            return integer<std::int16_t>(j);
        case PropType::Int32:
            return integer<std::int32_t>(j);
        case PropType::Color:
            if (j.is_number_unsigned() && j.get<std::uint64_t>() <= 0xFFFFFFFFULL) {
                return Variant::fromColor(static_cast<std::uint32_t>(j.get<std::uint64_t>()));
            }
            return std::nullopt;
        case PropType::Double:
            if (j.is_number() && std::isfinite(j.get<double>())) {
                return Variant(j.get<double>());
            }
            return std::nullopt;
        case PropType::Bool:
            if (j.is_boolean()) {
                return Variant(j.get<bool>());
            }
            return std::nullopt;
        case PropType::String:
            if (j.is_string()) {
                return Variant(j.get<std::string>());
            }
            return std::nullopt;
        case PropType::Font: {
            if (!j.is_object()) {
                return std::nullopt;
            }
            auto face = j.find("face");
            auto points = j.find("points");
            auto bold = j.find("bold");
            auto italic = j.find("italic");
            if (face == j.end() || !face->is_string() || points == j.end() ||
                !points->is_number() || bold == j.end() || !bold->is_boolean() ||
                italic == j.end() || !italic->is_boolean()) {
                return std::nullopt;
            }
            double size = points->get<double>();
            if (!(size > 0.0 && size < 1000.0)) {
                return std::nullopt;
            }
            return fontToVariant(
                gfx::Font{face->get<std::string>(), size, bold->get<bool>(), italic->get<bool>()});
        }
        default:
            return std::nullopt;
    }
}

// "1.0", "1.2": any minor version of major version 1.
bool readableVersion(const Json& version) {
    if (!version.is_string()) {
        return false;
    }
    const auto& text = version.get_ref<const std::string&>();
    auto dot = text.find('.');
    if (dot == std::string::npos || text.substr(0, dot) != "1" || dot + 1 == text.size()) {
        return false;
    }
    for (std::size_t i = dot + 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string PropertyExchange::save(const AutomationObject& object) {
    const MemberTable& table = object.members();
    Json properties = Json::object();
    for (const auto& entry : table.persisted()) {
        const Member& m = table.member(entry.member);
        properties[entry.name] =
            Json{{"type", propTypeName(m.type)}, {"value", toJson(m.type, m.get(object))}};
    }
    Json document{
        {"class", table.className()}, {"version", kVersion}, {"properties", std::move(properties)}};
    // Text that is not valid UTF-8 is saved with replacement characters
    // rather than failing the save.
    return document.dump(2, ' ', false, Json::error_handler_t::replace);
}

Status PropertyExchange::load(AutomationObject& object, std::string_view text) {
    Json document = Json::parse(text.begin(), text.end(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return Error::MalformedDocument;
    }
    auto version = document.find("version");
    if (version == document.end()) {
        return Error::MalformedDocument;
    }
    if (!readableVersion(*version)) {
        return Error::UnsupportedVersion;
    }
    auto properties = document.find("properties");
    if (properties == document.end() || !properties->is_object()) {
        return Error::MalformedDocument;
    }

    // Read everything first, so a bad value changes nothing.
    const MemberTable& table = object.members();
    std::vector<std::optional<Variant>> staged;
    staged.reserve(table.persisted().size());
    for (const auto& entry : table.persisted()) {
        const Member& m = table.member(entry.member);
        auto stored = properties->find(entry.name);
        if (stored == properties->end()) {
            staged.emplace_back();
            continue;
        }
        auto type = stored->is_object() ? stored->find("type") : stored->end();
        auto value = stored->is_object() ? stored->find("value") : stored->end();
        if (type == stored->end() || value == stored->end() || !type->is_string() ||
            type->get<std::string>() != propTypeName(m.type)) {
            return Error::MalformedDocument;
        }
        auto converted = fromJson(m.type, *value);
        if (!converted) {
            return Error::MalformedDocument;
        }
        staged.push_back(std::move(converted));
    }

    // Defaults are evaluated in order: one may follow a value loaded before it.
    for (std::size_t i = 0; i < staged.size(); ++i) {
        const auto& entry = table.persisted()[i];
        const Member& m = table.member(entry.member);
        Variant value = staged[i] ? std::move(*staged[i]) : entry.defaultValue(object);
        (void)m.store(object, value);
    }
    object.propertiesLoaded();
    return ok();
}

void PropertyExchange::loadDefaults(AutomationObject& object) {
    const MemberTable& table = object.members();
    // Values outside the persisted set get their defaults too.
    for (std::size_t i = 0; i < table.members().size(); ++i) {
        const Member& m = table.member(i);
        bool persisted = false;
        for (const auto& entry : table.persisted()) {
            persisted = persisted || entry.member == i;
        }
        if (m.kind == MemberKind::Property && !persisted && m.defaultValue) {
            (void)m.store(object, m.defaultValue(object));
        }
    }
    for (const auto& entry : table.persisted()) {
        (void)table.member(entry.member).store(object, entry.defaultValue(object));
    }
    object.propertiesLoaded();
}

}  // namespace brennix::com
