#include "platform/com/pages/property_page.h"

#include <cmath>
#include <cstdio>

#include "platform/gfx/raster_canvas.h"

namespace brennix::com::pages {
namespace {

bool numeric(const Variant& v) {
    const VarType t = v.type();
    return t == VarType::Int16 || t == VarType::Int32 || t == VarType::Double || t == VarType::Bool;
}

bool iequals(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string number(double v, bool integer) {
    char buffer[64];
    if (integer) {
        std::snprintf(buffer, sizeof buffer, "%.0f", v);
    } else {
        std::snprintf(buffer, sizeof buffer, "%g", v);
    }
    return buffer;
}

// A ranged field's value as a number, or nothing when it is not one.
std::optional<double> numberIn(const Field& field) {
    if (numeric(field.value))
        return field.value.toDouble().value();
    auto text = field.value.toString();
    if (!text)
        return std::nullopt;
    const std::string& s = *text;
    if (s.empty())
        return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    while (end != nullptr && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == nullptr || *end != '\0' || !std::isfinite(v))
        return std::nullopt;
    return v;
}

}  // namespace

bool Field::changed() const {
    if (!bound() || kind == FieldKind::Button)
        return false;
    if (numeric(value) && numeric(original)) {
        return value.toDouble().value() != original.toDouble().value();
    }
    return !(value == original);
}

std::string rangeMessage(const NumericRange& range) {
    return std::string(range.integer ? "Please enter an integer between "
                                     : "Please enter a number between ") +
           number(range.minimum, range.integer) + " and " + number(range.maximum, range.integer) +
           ".";
}

Field* PropertyPage::field(std::string_view name) {
    for (Field& f : fields_) {
        if (iequals(f.property, name))
            return &f;
    }
    for (Field& f : fields_) {
        if (f.label == name)
            return &f;
    }
    return nullptr;
}

const Field* PropertyPage::field(std::string_view name) const {
    return const_cast<PropertyPage*>(this)->field(name);
}

Field& PropertyPage::add(Field field) {
    fields_.push_back(std::move(field));
    return fields_.back();
}

void PropertyPage::open(Dispatch& control) {
    Dispatch* one[] = {&control};
    open(one);
}

void PropertyPage::open(std::span<Dispatch* const> controls) {
    opening(controls);
    for (Field& f : fields_) {
        if (!f.bound() || f.kind == FieldKind::Button)
            continue;
        Result<Variant> read = controls.empty() ? Result<Variant>(Error::MemberNotFound)
                                                : readProperty(*controls.front(), f);
        if (read) {
            f.value = *read;
            f.enabled = true;
        } else {
            f.value = Variant();
            f.enabled = false;
        }
        f.original = f.value;
    }
    opened();
}

void PropertyPage::setValue(std::string_view name, Variant value) {
    Field* f = field(name);
    if (f == nullptr)
        return;
    f->value = std::move(value);
    fieldChanged(*f);
}

void PropertyPage::press(std::string_view name) {
    for (Field& f : fields_) {
        if (f.kind == FieldKind::Button && f.label == name) {
            buttonPressed(f);
            return;
        }
    }
}

Result<Variant> PropertyPage::readProperty(Dispatch& control, const Field& field) {
    return control.get(field.property);
}

Status PropertyPage::writeProperty(Dispatch& control, const Field& field, const Variant& value) {
    return control.put(field.property, value);
}

bool PropertyPage::dirty() const {
    for (const Field& f : fields_) {
        if (f.enabled && f.changed())
            return true;
    }
    return false;
}

ApplyOutcome PropertyPage::apply(Dispatch& control) {
    Dispatch* one[] = {&control};
    return apply(one);
}

ApplyOutcome PropertyPage::apply(std::span<Dispatch* const> controls) {
    // Unbound ranged fields (a sample value) are checked too: the page refuses
    // to close over a value it cannot hold.
    for (const Field& f : fields_) {
        if (!f.range || !f.enabled)
            continue;
        const auto v = numberIn(f);
        if (!v || *v < f.range->minimum || *v > f.range->maximum ||
            (f.range->integer && std::floor(*v) != *v)) {
            ApplyOutcome refused;
            refused.refused = true;
            refused.message = rangeMessage(*f.range);
            return refused;
        }
    }
    ApplyOutcome outcome;
    for (Field& f : fields_) {
        if (!f.enabled || !f.changed())
            continue;
        Variant put = f.value;
        if (f.range && !numeric(put)) {
            const double v = *numberIn(f);
            put = f.range->integer ? Variant(static_cast<std::int32_t>(v)) : Variant(v);
        }
        bool allWritten = true;
        for (Dispatch* control : controls) {
            Status s = writeProperty(*control, f, put);
            if (!s.ok()) {
                allWritten = false;
                if (outcome.status.ok())
                    outcome.status = s;
            }
        }
        if (allWritten && !controls.empty()) {
            // What the control holds now: a change handler may have reset it.
            auto back = readProperty(*controls.front(), f);
            f.value = back ? *back : f.value;
            f.original = f.value;
        }
    }
    return outcome;
}

namespace {

Field make(FieldKind kind, std::string property, std::string label) {
    Field f;
    f.kind = kind;
    f.property = std::move(property);
    f.label = std::move(label);
    return f;
}

}  // namespace

Field textField(std::string property, std::string label) {
    return make(FieldKind::TextEdit, std::move(property), std::move(label));
}

Field rangedField(std::string property, std::string label, double minimum, double maximum,
                  bool integer) {
    Field f = textField(std::move(property), std::move(label));
    f.range = NumericRange{minimum, maximum, integer};
    return f;
}

Field checkField(std::string property, std::string label) {
    return make(FieldKind::CheckBox, std::move(property), std::move(label));
}

Field listField(std::string property, std::string label, std::vector<std::string> entries,
                FieldKind kind) {
    Field f = make(kind, std::move(property), std::move(label));
    f.entries = std::move(entries);
    return f;
}

Field radioField(std::string property, std::string label, std::vector<std::string> buttons) {
    return listField(std::move(property), std::move(label), std::move(buttons),
                     FieldKind::RadioGroup);
}

Field colorField(std::string property, std::string label) {
    return make(FieldKind::ColorField, std::move(property), std::move(label));
}

gfx::Bitmap renderEntryPicture(const Field& field, std::size_t entry, gfx::Size size) {
    if (!field.entryPicture || size.cx <= 0 || size.cy <= 0)
        return {};
    gfx::RasterCanvas canvas(size);
    field.entryPicture(canvas, gfx::Rect{0, 0, size.cx, size.cy}, entry);
    return canvas.bitmap();
}

}  // namespace brennix::com::pages
