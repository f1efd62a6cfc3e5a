#include "tools/brennix-reference/reference_pages.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

#include "platform/com/font_object.h"
#include "platform/gfx/color.h"

namespace brennix::reference {
namespace {

using com::Member;
using com::MemberKind;
using com::PropType;

constexpr const char* kGenerated =
    "<!-- Written by brennix-reference from the member tables; do not edit. Regenerate with\n"
    "     cmake --build build --target reference-docs -->\n";

std::string number(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
        return std::to_string(static_cast<long long>(v));
    }
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, v);
    return ec == std::errc() ? std::string(text, end) : std::string("?");
}

// A table cell holds no line break and no bar.
std::string cell(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '|') {
            out += "\\|";
        } else if (c == '\n') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::string code(const std::string& text) {
    return "`" + text + "`";
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

const com::Enumeration* valueList(const Member& m) {
    return m.enumeration ? m.enumeration.get() : m.codes.get();
}

std::string typeOf(const Member& m) {
    std::string type(com::propTypeName(m.type));
    if (m.enumeration) {
        type += " (" + code(m.enumeration->name) + ")";
    } else if (m.codes) {
        type += " (codes: " + code(m.codes->name) + ")";
    }
    return type;
}

std::string paramsOf(const std::vector<com::Param>& params) {
    if (params.empty()) {
        return "none";
    }
    std::string text;
    for (const auto& p : params) {
        if (!text.empty()) {
            text += ", ";
        }
        text += code(p.name) + " " + std::string(com::propTypeName(p.type)) +
                (p.byRef ? " (by reference)" : "");
    }
    return text;
}

std::string identityLine(const DocumentedLibrary& library, const com::ClassEntry& entry) {
    std::string text = code(entry.progId);
    if (const std::string alias = entry.typeLibraryAlias(); !alias.empty()) {
        text += " (also " + code(alias) + ")";
    }
    text += ", in " + code("lib" + library.name + ".so") + "; class identifier " +
            code(entry.classId) + ", type name " + quoted(entry.typeName);
    if (!entry.dispatchName.empty()) {
        text += "; dispatch interface " + code(entry.dispatchName) + ", events " +
                code(entry.eventsName);
    }
    return text + ".\n";
}

// Where each member is persisted, by member index: its persisted names.
std::map<std::size_t, std::vector<std::string>> persistedNames(const com::MemberTable& table) {
    std::map<std::size_t, std::vector<std::string>> names;
    for (const auto& entry : table.persisted()) {
        names[entry.member].push_back(entry.name);
    }
    return names;
}

void propertiesSection(std::ostream& out, const com::Control& control) {
    const com::MemberTable& table = control.members();
    const auto persisted = persistedNames(table);
    out << "## Properties\n\n"
        << "| Id | Name | Type | Default | Valid values | Notes |\n"
        << "|---:|---|---|---|---|---|\n";
    for (std::size_t i = 0; i < table.members().size(); ++i) {
        const Member& m = table.member(i);
        if (m.kind != MemberKind::Property || m.visibility == com::Visibility::Internal) {
            continue;
        }
        std::vector<std::string> notes;
        if (m.id < 0) {
            notes.emplace_back("stock");
        }
        if (m.readOnly) {
            notes.emplace_back("read-only");
        }
        if (m.visibility == com::Visibility::Unlisted) {
            notes.emplace_back("by name only, not in the type information");
        }
        if (auto it = persisted.find(i); it == persisted.end()) {
            notes.emplace_back("not persisted");
        } else if (it->second.size() != 1 || it->second.front() != m.name) {
            std::string names;
            for (const auto& n : it->second) {
                names += (names.empty() ? "" : ", ") + code(n);
            }
            notes.push_back("persisted as " + names);
        }
        std::string noteText;
        for (const auto& n : notes) {
            noteText += (noteText.empty() ? "" : "; ") + n;
        }
        const std::string def = m.defaultValue ? describeValue(m, m.defaultValue(control)) : "";
        out << "| " << m.id << " | " << code(m.name) << " | " << cell(typeOf(m)) << " | "
            << cell(def) << " | " << cell(describeRange(m)) << " | " << cell(noteText) << " |\n";
    }
    out << "\n";
}

void valueListsSection(std::ostream& out, const com::MemberTable& table) {
    std::set<const com::Enumeration*> seen;
    std::vector<const com::Enumeration*> lists;
    std::map<const com::Enumeration*, std::vector<std::string>> users;
    for (const Member& m : table.members()) {
        if (m.kind != MemberKind::Property) {
            continue;
        }
        if (const com::Enumeration* list = valueList(m)) {
            if (seen.insert(list).second) {
                lists.push_back(list);
            }
            users[list].push_back(m.name);
        }
    }
    if (lists.empty()) {
        return;
    }
    out << "## Enumerations and codes\n\n";
    for (const com::Enumeration* list : lists) {
        const auto& names = users[list];
        out << "### " << list->name << "\n\n";
        out << (names.size() == 1 ? "Values of " : "Values of each of ");
        for (std::size_t i = 0; i < names.size(); ++i) {
            out << (i == 0 ? "" : ", ") << code(names[i]);
        }
        out << ".\n\n| Value | Name | Meaning |\n|---:|---|---|\n";
        for (const auto& v : list->values) {
            out << "| " << v.value << " | " << code(v.name) << " | " << cell(v.label) << " |\n";
        }
        out << "\n";
    }
}

void methodsSection(std::ostream& out, const com::MemberTable& table) {
    out << "## Methods\n\n";
    bool any = false;
    for (const Member& m : table.members()) {
        if (m.kind != MemberKind::Method) {
            continue;
        }
        if (!any) {
            out << "| Id | Name | Parameters | Returns | Notes |\n|---:|---|---|---|---|\n";
            any = true;
        }
        std::string notes = m.id < 0 ? "stock" : "";
        if (m.visibility == com::Visibility::Unlisted) {
            notes += (notes.empty() ? "" : "; ") + std::string("by name only");
        }
        out << "| " << m.id << " | " << code(m.name) << " | " << cell(paramsOf(m.params)) << " | "
            << (m.type == PropType::Void ? "nothing" : std::string(com::propTypeName(m.type)))
            << " | " << notes << " |\n";
    }
    out << (any ? "\n" : "None.\n\n");
}

void eventsSection(std::ostream& out, const com::MemberTable& table) {
    out << "## Events\n\n";
    bool any = false;
    for (const Member& m : table.members()) {
        if (m.kind != MemberKind::Event) {
            continue;
        }
        if (!any) {
            out << "| Id | Name | Parameters |\n|---:|---|---|\n";
            any = true;
        }
        out << "| " << m.id << " | " << code(m.name) << " | " << cell(paramsOf(m.params)) << " |\n";
    }
    out << (any ? "\n" : "None.\n\n");
}

void persistedSection(std::ostream& out, const com::Control& control) {
    const com::MemberTable& table = control.members();
    out << "## Persisted values\n\n";
    if (table.persisted().empty()) {
        out << "None.\n\n";
        return;
    }
    out << "Saved and loaded by name, in this order, under the property-set version 1.0; a "
           "missing value loads its default.\n\n"
        << "| # | Name | Type | Default |\n|---:|---|---|---|\n";
    int n = 1;
    for (const auto& entry : table.persisted()) {
        const Member& m = table.member(entry.member);
        const std::string def =
            entry.defaultValue ? describeValue(m, entry.defaultValue(control)) : std::string();
        out << "| " << n++ << " | " << code(entry.name) << " | "
            << std::string(com::propTypeName(m.type))
            << (m.visibility == com::Visibility::Internal ? " (internal)" : "") << " | "
            << cell(def) << " |\n";
    }
    out << "\n";
}

void pagesSection(std::ostream& out, const DocumentedClass& documented) {
    out << "## Property pages\n\n";
    if (documented.pages.empty()) {
        out << "None listed; a host shows the properties on one general page.\n\n";
        return;
    }
    out << "The pages of the control's property sheet, in order.\n\n"
        << "| # | Page | Identifier | Class identifier |\n|---:|---|---|---|\n";
    int n = 1;
    for (const DocumentedPage& page : documented.pages) {
        out << "| " << n++ << " | " << cell(page.title) << " | "
            << (page.progId.empty() ? std::string("the host's own") : code(page.progId)) << " | "
            << code(page.classId) << " |\n";
    }
    out << "\n";
}

// The system colours the controls use by default, by index.
const char* systemColourName(std::uint32_t index) {
    switch (index) {
        case 5:
            return "window";
        case 8:
            return "window text";
        case 15:
            return "button face";
        case 16:
            return "button shadow";
        case 20:
            return "button highlight";
        case 21:
            return "3-D dark shadow";
        case 22:
            return "3-D light";
        default:
            return nullptr;
    }
}

std::string title(const com::ClassEntry& entry) {
    const std::string coclass = entry.coclassName();
    return coclass.empty() ? entry.typeName : coclass;
}

}  // namespace

std::string pageName(const com::ClassEntry& entry) {
    std::string name = entry.progId;
    if (name.size() > 2 && name.compare(name.size() - 2, 2, ".1") == 0) {
        name.resize(name.size() - 2);
    }
    return name + ".md";
}

std::string describeValue(const Member& m, const com::Variant& value) {
    switch (m.type) {
        case PropType::Int16:
        case PropType::Int32: {
            auto v = value.toInt32();
            if (!v) {
                return "";
            }
            std::string text = std::to_string(*v);
            if (const com::Enumeration* list = valueList(m)) {
                if (const auto* e = list->find(static_cast<std::int16_t>(*v))) {
                    text += " (" + code(e->name) + ")";
                }
            }
            return text;
        }
        case PropType::Double: {
            auto v = value.toDouble();
            return v ? number(*v) : "";
        }
        case PropType::Bool: {
            auto v = value.toBool();
            return v ? (*v ? "true" : "false") : "";
        }
        case PropType::Color: {
            auto v = value.toColor();
            if (!v) {
                return "";
            }
            char text[48];
            if (gfx::namesSystemColor(*v)) {
                const char* name = systemColourName(*v & 0xFFU);
                std::snprintf(text, sizeof text, "system colour %u", *v & 0xFFU);
                if (name != nullptr) {
                    return std::string(text) + " (" + name + ")";
                }
            } else {
                std::snprintf(text, sizeof text, "#%02X%02X%02X", *v & 0xFFU, (*v >> 8) & 0xFFU,
                              (*v >> 16) & 0xFFU);
            }
            return text;
        }
        case PropType::String: {
            auto v = value.toString();
            return v ? (v->empty() ? std::string("empty") : quoted(*v)) : "";
        }
        case PropType::Font: {
            auto f = com::fontFromVariant(value);
            if (!f) {
                return "";
            }
            return f->face + " " + number(f->points) + " pt" + (f->bold ? " bold" : "") +
                   (f->italic ? " italic" : "");
        }
        case PropType::Variant:
        case PropType::Void:
            break;
    }
    return "";
}

std::string describeRange(const Member& m) {
    std::string text;
    if (m.range) {
        const com::ValueRange& r = *m.range;
        if (r.low && r.high) {
            text = number(*r.low) + " to " + number(*r.high);
        } else if (r.low) {
            text = number(*r.low) + " or more";
        } else if (r.high) {
            text = number(*r.high) + " or less";
        }
        if (r.outside == com::ValueRange::Outside::Reset) {
            text += "; outside: " + quoted(r.message) + ", then " +
                    (r.reset ? number(*r.reset) : std::string("?"));
        } else {
            text += "; outside: refused with " + quoted(r.message);
        }
    }
    if (const com::Enumeration* list = valueList(m); list != nullptr && !m.range) {
        text = "see " + code(list->name);
    }
    return text;
}

std::string classPage(const DocumentedLibrary& library, const DocumentedClass& documented) {
    const com::ClassEntry& entry = *documented.entry;
    const com::Control& control = *documented.instance;
    const com::MemberTable& table = control.members();
    std::ostringstream out;
    out << kGenerated << "\n# " << title(entry) << "\n\n" << identityLine(library, entry) << "\n";
    out << "Ids are dispatch identifiers: properties and methods numbered from 1 in table "
           "order, events apart, stock members with their negative ids. Defaults are those of a "
           "new control in a container with the default ambient properties.\n\n";
    propertiesSection(out, control);
    valueListsSection(out, table);
    methodsSection(out, table);
    eventsSection(out, table);
    pagesSection(out, documented);
    persistedSection(out, control);
    return out.str();
}

std::map<std::string, std::string> referencePages(const std::vector<DocumentedLibrary>& libraries) {
    std::map<std::string, std::string> pages;
    std::ostringstream index;
    index << kGenerated << "\n# Control reference\n\n"
          << "Every control of the suite with its properties, methods, events and persisted "
             "values, as its member table declares them.\n\n"
          << "| Library | Control | Identifier |\n|---|---|---|\n";
    for (const DocumentedLibrary& library : libraries) {
        for (const DocumentedClass& c : library.classes) {
            const std::string page = pageName(*c.entry);
            pages[page] = classPage(library, c);
            index << "| " << code("lib" + library.name + ".so") << " | [" << title(*c.entry) << "]("
                  << page << ") | " << code(c.entry->progId) << " |\n";
        }
    }
    bool pagesHeading = false;
    for (const DocumentedLibrary& library : libraries) {
        if (library.library == nullptr || library.library->pageClasses().empty()) {
            continue;
        }
        if (!pagesHeading) {
            index << "\n## Property page classes\n\n"
                  << "The page classes a library registers with its controls.\n";
            pagesHeading = true;
        }
        index << "\n### " << code("lib" + library.name + ".so")
              << "\n\n| Page | Identifier | Class identifier |\n|---|---|---|\n";
        for (const com::PageClassEntry& page : library.library->pageClasses()) {
            index << "| " << cell(page.typeName) << " | " << code(page.progId) << " | "
                  << code(page.classId) << " |\n";
        }
    }
    pages["README.md"] = index.str();
    return pages;
}

}  // namespace brennix::reference
