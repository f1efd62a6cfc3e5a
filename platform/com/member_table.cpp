#include "platform/com/member_table.h"

#include <iostream>

namespace brennix::com {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view propTypeName(PropType type) {
    switch (type) {
        case PropType::Int16:
            return "short";
        case PropType::Int32:
            return "long";
        case PropType::Double:
            return "double";
        case PropType::Bool:
            return "boolean";
        case PropType::String:
            return "string";
        case PropType::Color:
            return "colour";
        case PropType::Font:
            return "font";
        case PropType::Variant:
            return "variant";
        case PropType::Void:
            return "void";
    }
    return "unknown";
}

const EnumValue* Enumeration::find(std::int16_t value) const {
    for (const auto& v : values) {
        if (v.value == value) {
            return &v;
        }
    }
    return nullptr;
}

MemberTable::MemberTable(std::string className, std::vector<Member> members,
                         std::vector<PersistEntry> persisted)
    : className_(std::move(className)),
      members_(std::move(members)),
      persisted_(std::move(persisted)) {
    check();
    for (const auto& problem : problems_) {
        std::cerr << "member table " << className_ << ": " << problem << '\n';
    }
}

void MemberTable::check() {
    for (std::size_t i = 0; i < members_.size(); ++i) {
        for (std::size_t j = i + 1; j < members_.size(); ++j) {
            const auto& a = members_[i];
            const auto& b = members_[j];
            bool sameSpace = (a.kind == MemberKind::Event) == (b.kind == MemberKind::Event);
            if (sameSpace && (a.id == b.id || equalsIgnoringCase(a.name, b.name))) {
                problems_.push_back("duplicate member " + b.name);
            }
        }
    }
    for (const auto& entry : persisted_) {
        if (entry.member >= members_.size()) {
            problems_.push_back("persisted value without a member: " + entry.name);
        } else if (members_[entry.member].type == PropType::Variant) {
            problems_.push_back("variant properties are not persisted: " + entry.name);
        }
    }
}

const Member* MemberTable::find(DispId id) const {
    for (const auto& m : members_) {
        if (m.id == id && m.kind != MemberKind::Event && m.visibility != Visibility::Internal) {
            return &m;
        }
    }
    return nullptr;
}

const Member* MemberTable::find(std::string_view name) const {
    for (const auto& m : members_) {
        if (m.kind != MemberKind::Event && m.visibility != Visibility::Internal &&
            equalsIgnoringCase(m.name, name)) {
            return &m;
        }
    }
    return nullptr;
}

const Member* MemberTable::findEvent(DispId id) const {
    for (const auto& m : members_) {
        if (m.id == id && m.kind == MemberKind::Event) {
            return &m;
        }
    }
    return nullptr;
}

const Member* MemberTable::findEvent(std::string_view name) const {
    for (const auto& m : members_) {
        if (m.kind == MemberKind::Event && equalsIgnoringCase(m.name, name)) {
            return &m;
        }
    }
    return nullptr;
}

std::vector<const Member*> MemberTable::published() const {
    std::vector<const Member*> result;
    for (const auto& m : members_) {
        if (m.visibility == Visibility::Published) {
            result.push_back(&m);
        }
    }
    return result;
}

}  // namespace brennix::com
