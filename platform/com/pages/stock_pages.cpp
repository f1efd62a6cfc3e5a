#include "platform/com/pages/stock_pages.h"

#include <cstdlib>
#include <memory>

#include "platform/com/automation_object.h"

namespace brennix::com::pages {
namespace {

constexpr const char* kFontMembers[] = {"Name", "Size", "Bold", "Italic"};
constexpr const char* kFontLabels[] = {"Font:", "Size:", "Bold", "Italic"};

// The control's published, writable properties of that type, in table order.
std::vector<std::string> propertiesOfType(std::span<Dispatch* const> controls, PropType type) {
    std::vector<std::string> names;
    const auto* object =
        controls.empty() ? nullptr : dynamic_cast<const AutomationObject*>(controls.front());
    if (object == nullptr)
        return names;
    for (const Member* m : object->members().published()) {
        if (m->kind == MemberKind::Property && m->type == type && !m->readOnly)
            names.push_back(m->name);
    }
    return names;
}

std::size_t selectedIndex(const Field& list) {
    auto n = list.value.toInt32();
    return n && *n >= 0 && static_cast<std::size_t>(*n) < list.entries.size()
               ? static_cast<std::size_t>(*n)
               : 0;
}

Field hidden(Field f) {
    f.hidden = true;
    return f;
}

template <class Page>
PageClass stockClass(std::string_view classId, const char* progId, const char* title) {
    return {std::string(classId), progId, title, [] { return std::make_unique<Page>(); }};
}

}  // namespace

CStockColorPage::CStockColorPage() : PropertyPage("Color") {}

void CStockColorPage::opening(std::span<Dispatch* const> controls) {
    const std::vector<std::string> names = propertiesOfType(controls, PropType::Color);
    clearFields();
    Field& list = add(listField("", kProperty, names));
    list.value = Variant(std::int32_t{0});
    add(colorField("", kColor));
    for (const std::string& name : names)
        add(hidden(colorField(name, name)));
}

void CStockColorPage::opened() {
    showSelected();
}

void CStockColorPage::showSelected() {
    const Field& list = *field(kProperty);
    Field& shown = *field(kColor);
    shown.enabled = !list.entries.empty();
    if (shown.enabled)
        shown.value = field(list.entries[selectedIndex(list)])->value;
}

void CStockColorPage::fieldChanged(Field& changed) {
    const Field& list = *field(kProperty);
    if (changed.label == kProperty) {
        showSelected();
    } else if (changed.label == kColor && !list.entries.empty()) {
        field(list.entries[selectedIndex(list)])->value = changed.value;
    }
}

CStockFontPage::CStockFontPage() : PropertyPage("Font") {}

void CStockFontPage::opening(std::span<Dispatch* const> controls) {
    properties_ = propertiesOfType(controls, PropType::Font);
    clearFields();
    Field& list = add(listField("", kProperty, properties_));
    list.value = Variant(std::int32_t{0});
    add(textField("", kFontLabels[0]));
    add(rangedField("", kFontLabels[1], 1, 1000, false));
    add(checkField("", kFontLabels[2]));
    add(checkField("", kFontLabels[3]));
    for (const std::string& name : properties_) {
        for (const char* member : kFontMembers)
            add(hidden(textField(name + "." + member, "")));
    }
}

void CStockFontPage::opened() {
    showSelected();
}

void CStockFontPage::showSelected() {
    const Field& list = *field(kProperty);
    for (std::size_t i = 0; i < 4; ++i) {
        Field& shown = *field(kFontLabels[i]);
        shown.enabled = !properties_.empty();
        if (shown.enabled)
            shown.value = field(properties_[selectedIndex(list)] + "." + kFontMembers[i])->value;
    }
}

void CStockFontPage::fieldChanged(Field& changed) {
    if (changed.label == kProperty) {
        showSelected();
        return;
    }
    if (properties_.empty())
        return;
    const std::string& selected = properties_[selectedIndex(*field(kProperty))];
    for (std::size_t i = 0; i < 4; ++i) {
        if (changed.label != kFontLabels[i])
            continue;
        Variant value = changed.value;
        if (i == 1 && value.type() == VarType::String) {
            // Text that is not a number stays in the editor; apply refuses it.
            const std::string text = *value.toString();
            char* end = nullptr;
            const double size = std::strtod(text.c_str(), &end);
            if (text.empty() || end == nullptr || *end != '\0')
                return;
            value = Variant(size);
        }
        field(selected + "." + kFontMembers[i])->value = std::move(value);
    }
}

Result<Variant> CStockFontPage::readProperty(Dispatch& control, const Field& f) {
    const auto dot = f.property.rfind('.');
    if (dot == std::string::npos)
        return control.get(f.property);
    auto font = control.get(std::string_view(f.property).substr(0, dot));
    if (!font)
        return font.error();
    auto object = font->toDispatch();
    if (!object || !*object)
        return Error::TypeMismatch;
    return (*object)->get(std::string_view(f.property).substr(dot + 1));
}

// The control hands out a copy of its font: the copy is changed and put back
// whole, so the control's change handling runs.
Status CStockFontPage::writeProperty(Dispatch& control, const Field& f, const Variant& value) {
    const auto dot = f.property.rfind('.');
    if (dot == std::string::npos)
        return control.put(f.property, value);
    const std::string_view property = std::string_view(f.property).substr(0, dot);
    auto font = control.get(property);
    if (!font)
        return font.error();
    auto object = font->toDispatch();
    if (!object || !*object)
        return Error::TypeMismatch;
    if (Status s = (*object)->put(std::string_view(f.property).substr(dot + 1), value); !s.ok())
        return s;
    return control.put(property, Variant(*object));
}

std::vector<PageClass> stockPageClasses() {
    return {stockClass<CStockColorPage>(kStockColorPageId, "StdColorPage", "Color"),
            stockClass<CStockFontPage>(kStockFontPageId, "StdFontPage", "Font")};
}

Status registerStockPages(PageRegistry& registry) {
    for (PageClass& page : stockPageClasses()) {
        if (Status s = registry.add(std::move(page)); !s.ok())
            return s;
    }
    return ok();
}

}  // namespace brennix::com::pages
