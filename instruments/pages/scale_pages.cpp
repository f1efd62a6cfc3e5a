#include "instruments/pages/scale_pages.h"

#include <cstdlib>
#include <string>

#include "instruments/scale/label_format.h"

namespace brennix::instruments {
namespace {

using namespace com::pages;
using com::Variant;

constexpr double kDoubleLimit = 1.7e308;

std::string pointerName(int n, const char* member) {
    return "Pointer" + std::to_string(n) + member;
}

std::int16_t asShort(const Variant& v) {
    auto n = v.toInt16();
    return n ? *n : std::int16_t{0};
}

// A typed number, or nothing while the text is not one.
std::optional<double> asNumber(const Variant& v) {
    if (v.type() != com::VarType::String) {
        auto d = v.toDouble();
        return d ? std::optional<double>(*d) : std::nullopt;
    }
    const std::string text = *v.toString();
    char* end = nullptr;
    const double d = std::strtod(text.c_str(), &end);
    if (text.empty() || end == nullptr || *end != '\0')
        return std::nullopt;
    return d;
}

}  // namespace

CPrpNumeric::CPrpNumeric() : PropertyPage("Numeric") {
    add(rangedField("ScaleMinimum", "Minimum:", -kDoubleLimit, kDoubleLimit, false));
    add(rangedField("ScaleMaximum", "Maximum:", -kDoubleLimit, kDoubleLimit, false));
    add(checkField("Inverse", "Inverse"));
}

CPrpTicks::CPrpTicks() : PropertyPage("Ticks") {
    add(checkField("TickLeftAbove", "Above/Left"));
    add(checkField("TickRightBottom", "Below/Right"));
    add(checkField("MajorTickMark", "Major"));
    add(checkField("MinorTickMark", "Minor"));
    add(checkField("TickLabelLeftAbove", "Above/Left"));
    add(checkField("TickLabelRightBottom", "Below/Right"));
    add(radioField("Spacing", "Tick Spacing", {"Automatic", "Number of Division", "By Units"}));
    add(rangedField("SpacingMajor", "Major:", 1, 100));
    add(rangedField("SpacingMinor", "Minor:", 1, 100));
    add(rangedField("SpacingBase", "Base:", -32768, 32767));
    add(colorField("MajorTickColor", "Major Tick Color:"));
    add(colorField("MinorTickColor", "Minor Tick Color:"));
}

CPrpFormat::CPrpFormat() : PropertyPage("Format") {
    std::vector<std::string> classes;
    for (std::string_view name : formatClassNames())
        classes.emplace_back(name);
    add(listField("FormatClass", "Format Class:", std::move(classes)));
    add(listField("Format", "Format:", {}));
    Field& sample = add(rangedField("", kSample, -kDoubleLimit, kDoubleLimit, false));
    sample.value = Variant(1234.5678);
    add(textField("", kExample));
}

void CPrpFormat::opened() {
    refill();
    showExample();
}

void CPrpFormat::fieldChanged(Field& changed) {
    if (changed.property == "FormatClass")
        refill();
    showExample();
}

void CPrpFormat::refill() {
    Field& list = *field("Format");
    list.entries.clear();
    for (std::string_view entry : formatEntries(asShort(field("FormatClass")->value))) {
        list.entries.emplace_back(entry);
    }
}

void CPrpFormat::showExample() {
    Field& example = *field(kExample);
    const auto sample = asNumber(field(kSample)->value);
    example.value = sample ? Variant(formatLabel(*sample, asShort(field("FormatClass")->value),
                                                 asShort(field("Format")->value)))
                           : Variant("");
}

CPrpPointer::CPrpPointer() : PropertyPage("Pointer") {
    add(listField("FillStyle", "Fill:", {"None", "Fill to Maximum", "Fill to Minimum"}));
    add(colorField("FillColor", "Fill Color:"));
    std::vector<std::string> buttons;
    for (int n = 1; n <= 8; ++n)
        buttons.push_back("Pointer" + std::to_string(n));
    Field& selector = add(radioField("", kSelector, std::move(buttons)));
    selector.value = Variant(std::int32_t{0});
    add(rangedField("", kValue, -kDoubleLimit, kDoubleLimit, false));
    add(checkField("", kVisible));
    add(colorField("", kColor));
    for (int n = 1; n <= 8; ++n) {
        for (const char* member : {"Value", "Visible", "Color"}) {
            Field& bound = add(textField(pointerName(n, member), ""));
            bound.kind = FieldKind::HiddenEdit;
            bound.hidden = true;
        }
    }
}

int CPrpPointer::selected() const {
    auto n = field(kSelector)->value.toInt32();
    return n && *n >= 0 && *n < 8 ? *n + 1 : 1;
}

void CPrpPointer::opened() {
    showPointer();
}

void CPrpPointer::showPointer() {
    const int n = selected();
    field(kValue)->value = field(pointerName(n, "Value"))->value;
    field(kVisible)->value = field(pointerName(n, "Visible"))->value;
    field(kColor)->value = field(pointerName(n, "Color"))->value;
}

void CPrpPointer::fieldChanged(Field& changed) {
    if (changed.label == kSelector) {
        showPointer();
        return;
    }
    const int n = selected();
    if (changed.label == kValue) {
        // Text that is not a number stays in the editor; apply refuses it.
        if (auto v = asNumber(changed.value))
            field(pointerName(n, "Value"))->value = Variant(*v);
    } else if (changed.label == kVisible) {
        field(pointerName(n, "Visible"))->value = changed.value;
    } else if (changed.label == kColor) {
        field(pointerName(n, "Color"))->value = changed.value;
    }
}

CValuePairs::CValuePairs() : PropertyPage("Value Pairs") {}

CPointers::CPointers() : PropertyPage("Pointer") {
    add(textField("Style", "Style:"));
}

}  // namespace brennix::instruments
