#include "qt/sheet/table_pages.h"

#include <cstdint>
#include <limits>

namespace brennix::qt {
namespace {

using namespace com::pages;

bool editable(const com::Member& m) {
    return m.kind == com::MemberKind::Property && !m.readOnly && !m.name.empty();
}

// The drop-down's index is the value, so only an enumeration 0, 1, 2...
bool countsFromZero(const com::Enumeration& e) {
    for (std::size_t i = 0; i < e.values.size(); ++i) {
        if (e.values[i].value != static_cast<std::int16_t>(i))
            return false;
    }
    return !e.values.empty();
}

}  // namespace

StockColorPage::StockColorPage(const com::MemberTable& members) : PropertyPage("Color") {
    for (const com::Member* m : members.published()) {
        if (editable(*m) && m->type == com::PropType::Color)
            add(colorField(m->name, m->name + ":"));
    }
}

MemberTablePage::MemberTablePage(std::string title, const com::MemberTable& members)
    : PropertyPage(std::move(title)) {
    for (const com::Member* m : members.published()) {
        if (!editable(*m))
            continue;
        const std::string label = m->name + ":";
        if (m->enumeration != nullptr && countsFromZero(*m->enumeration)) {
            std::vector<std::string> entries;
            for (const com::EnumValue& v : m->enumeration->values)
                entries.push_back(v.label.empty() ? v.name : v.label);
            add(listField(m->name, label, std::move(entries)));
            continue;
        }
        switch (m->type) {
            case com::PropType::Bool:
                add(checkField(m->name, m->name));
                break;
            case com::PropType::Color:
                add(colorField(m->name, label));
                break;
            case com::PropType::Int16:
                add(rangedField(m->name, label, std::numeric_limits<std::int16_t>::min(),
                                std::numeric_limits<std::int16_t>::max()));
                break;
            case com::PropType::Int32:
                add(rangedField(m->name, label, std::numeric_limits<std::int32_t>::min(),
                                std::numeric_limits<std::int32_t>::max()));
                break;
            case com::PropType::Double:
            case com::PropType::String:
                add(textField(m->name, label));
                break;
            case com::PropType::Font:
            case com::PropType::Variant:
            case com::PropType::Void:
                break;
        }
    }
}

}  // namespace brennix::qt
