#include "chart/pages/chart_pages.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "chart/control/property_pages.h"
#include "chart/control/trendwick_library.h"
#include "chart/labels/format_lists.h"
#include "chart/labels/value_text.h"

namespace brennix::chart {
namespace {

using namespace com::pages;
using com::Variant;

constexpr double kDoubleLimit = 1.7e308;

short asShort(const Variant& v) {
    auto n = v.toInt16();
    return n ? *n : short{0};
}

}  // namespace

CChartPropPage::CChartPropPage() : PropertyPage("Chart") {
    add(textField("Caption", "Caption:"));
    add(colorField("ForeColor", "ForeColor:"));
    add(colorField("BkColor", "BkColor:"));
    add(colorField("PlotAreaColor", "PlotAreaColor:"));
    add(rangedField("PlotNum", "PlotNum:", 1, 8));
    add(listField("PlotMode", "PlotMode:", {"Overlaid", "Stacked"}));
    add(listField("UpdateMode", "UpdateMode:", {"Strip", "Scope", "Sweep"}));
    add(rangedField("HistoryLength", "HistoryLength:", 1024, 1048575));
}

CGraphPropPage::CGraphPropPage() : PropertyPage("Graph") {
    add(textField("Caption", "Caption:"));
    add(colorField("ForeColor", "ForeColor:"));
    add(colorField("BkColor", "BkColor:"));
    add(colorField("PlotAreaColor", "PlotAreaColor:"));
    add(rangedField("PlotNum", "PlotNum:", 1, 8));
}

CPrpXAxis::CPrpXAxis() : PropertyPage("X-Axis") {
    add(rangedField("ViewNum", "ViewNum:", 1, 2147483640));
    add(textField("StartNum", "StartNum:"));
}

CPrpYAxis::CPrpYAxis() : PropertyPage("Y-Axis") {
    add(rangedField("ScaleMaximum", "Maximum:", -kDoubleLimit, kDoubleLimit, false));
    add(rangedField("ScaleMinimum", "Minimum:", -kDoubleLimit, kDoubleLimit, false));
}

CPrpTicks::CPrpTicks(char axis) : PropertyPage(axis == 'X' ? "X-AxisTicks" : "Y-AxisTicks") {
    const std::string a(1, axis);
    const bool x = axis == 'X';
    add(checkField(a + (x ? "TickAbove" : "TickLeft"), x ? "Above" : "Left"));
    add(checkField(a + (x ? "TickBottom" : "TickRight"), x ? "Bottom" : "Right"));
    add(checkField(a + (x ? "LabelAbove" : "LabelLeft"), x ? "Above" : "Left"));
    add(checkField(a + (x ? "LabelBottom" : "LabelRight"), x ? "Bottom" : "Right"));
    add(checkField(a + "MajorTickMark", "Major Tick"));
    add(checkField(a + "MinorTickMark", "Minor Tick"));
    add(rangedField(a + "SpacingMajor", "Major:", 1, 100));
    add(rangedField(a + "SpacingMinor", "Minor:", 1, 50));
    add(checkField(a + "GridMajor", "Major Grid"));
    add(checkField(a + "GridMinor", "Minor Grid"));
    for (const char* colour :
         {"GridMajorColor", "GridMinorColor", "MajorTickColor", "MinorTickColor", "LabelColor"}) {
        add(colorField(a + colour, colour));
    }
}

CPrpFormat::CPrpFormat() : PropertyPage("Y-Axis Format") {
    std::vector<std::string> classes;
    for (std::string_view name : yFormatClassNames())
        classes.emplace_back(name);
    add(listField("FormatClass", "Format Class:", std::move(classes), FieldKind::ListBox));
    add(listField("Format", "Format:", {}, FieldKind::ListBox));
    Field& value = add(rangedField("", kValue, -kDoubleLimit, kDoubleLimit, false));
    value.value = Variant(0.0);
    add(textField("", kSample));
}

void CPrpFormat::opened() {
    refill(false);
    showSample();
}

void CPrpFormat::fieldChanged(Field& changed) {
    if (changed.property == "FormatClass")
        refill(true);
    showSample();
}

void CPrpFormat::refill(bool classChanged) {
    Field& list = *field("Format");
    list.entries.clear();
    const auto moment = classChanged ? ListMoment::ClassChanged : ListMoment::PageOpened;
    for (std::string_view name : yFormatNames(asShort(field("FormatClass")->value), moment)) {
        list.entries.emplace_back(name);
    }
}

void CPrpFormat::showSample() {
    const Variant& typed = field(kValue)->value;
    std::optional<double> value;
    if (typed.type() == com::VarType::String) {
        const std::string text = *typed.toString();
        char* end = nullptr;
        const double d = std::strtod(text.c_str(), &end);
        if (!text.empty() && end != nullptr && *end == '\0')
            value = d;
    } else if (auto d = typed.toDouble()) {
        value = *d;
    }
    field(kSample)->value = value
                                ? Variant(ValueToText(*value, {asShort(field("FormatClass")->value),
                                                               asShort(field("Format")->value)}))
                                : Variant("");
}

CPrpPlots::CPrpPlots() : PropertyPage("Plots") {
    const std::vector<std::string> widths{"1", "2", "3", "4", "5"};
    for (int n = 1; n <= 8; ++n) {
        const std::string plot = std::to_string(n);
        const std::string row = "Plot " + plot + ": ";
        add(listField("LineStyle" + plot, row + "Line Style", {"SOLID", "DASH", "DOT"}));
        add(listField("LineWidth" + plot, row + "Line Width", widths));
        add(listField("PointStyle" + plot, row + "Point Style",
                      {"None", "Empty square", "Solid sauare", "Empty diamond", "Solid diamond",
                       "Empty circle", "Solid circle", "X", "Cross"}));
        add(listField("Interp" + plot, row + "Interp", {"Direct Connect", "XY", "YX"}));
        add(listField("FillBase" + plot, row + "Fill Base",
                      {"None", "Fill to 0.0", "Fill to - Infinity", "Fill to + Infinity"}));
        add(colorField("LineColor" + plot, row + "Line Color"));
        add(colorField("PointColor" + plot, row + "Point Color"));
        add(colorField("FillColor" + plot, row + "Fill Color"));
    }
}

namespace {

constexpr short kNumberClass = 0;
constexpr short kTimeClass = 1;
constexpr short kDateClass = 2;

std::int32_t baseValue(const Field& f) {
    if (auto n = f.value.toInt32())
        return *n;
    if (auto text = f.value.toString())
        return std::atoi(text->c_str());
    return 0;
}

}  // namespace

CPrpXFormat::CPrpXFormat() : PropertyPage("X-Axis Format") {
    std::vector<std::string> classes;
    for (std::string_view name : xFormatClassNames())
        classes.emplace_back(name);
    add(listField("XAxisFormatClass", "Format Class:", std::move(classes), FieldKind::ListBox));
    add(listField("XAxisFormat", "Format:", {}, FieldKind::ListBox));
    add(rangedField("TimeInterval", "TimeInterval:", 1, 2147483647));
    add(rangedField("TimeBase0", "TimeBase0:", 0, 3000));
    add(rangedField("TimeBase1", "TimeBase1:", 0, 64));
    add(rangedField("TimeBase2", "TimeBase2:", 0, 64));
    Field picker;
    picker.kind = FieldKind::DateTime;
    picker.label = kPicker;
    add(std::move(picker));
}

void CPrpXFormat::opened() {
    refill(false);
    showPicker();
}

void CPrpXFormat::fieldChanged(Field& changed) {
    if (changed.property == "XAxisFormatClass") {
        refill(true);
        showPicker();
    } else if (changed.label == kPicker) {
        pickerChanged();
    }
}

void CPrpXFormat::refill(bool classChanged) {
    Field& list = *field("XAxisFormat");
    list.entries.clear();
    const auto moment = classChanged ? ListMoment::ClassChanged : ListMoment::PageOpened;
    for (std::string_view name : xFormatNames(asShort(field("XAxisFormatClass")->value), moment))
        list.entries.emplace_back(name);
}

// The picker starts from the base fields, where they make a time or a date.
void CPrpXFormat::showPicker() {
    Field& picker = *field(kPicker);
    const short xClass = asShort(field("XAxisFormatClass")->value);
    const std::int32_t b0 = baseValue(*field("TimeBase0"));
    const std::int32_t b1 = baseValue(*field("TimeBase1"));
    const std::int32_t b2 = baseValue(*field("TimeBase2"));
    char text[64];
    if (xClass == kTimeClass) {
        picker.displayFormat = "hh':'mm':'ss";
        const bool valid = b0 >= 0 && b0 < 24 && b1 >= 0 && b1 < 60 && b2 >= 0 && b2 < 60;
        std::snprintf(text, sizeof text, "2000-01-01 %02d:%02d:%02d", valid ? b0 : 0,
                      valid ? b1 : 0, valid ? b2 : 0);
    } else if (xClass == kDateClass) {
        picker.displayFormat = "yyyy'/'MM'/'dd";
        const bool valid = b0 >= 1 && b0 <= 3000 && b1 >= 1 && b1 <= 12 && b2 >= 1 && b2 <= 31;
        std::snprintf(text, sizeof text, "%04d-%02d-%02d 00:00:00", valid ? b0 : 2000,
                      valid ? b1 : 1, valid ? b2 : 1);
    } else {
        picker.displayFormat.clear();
        std::snprintf(text, sizeof text, "2000-01-01 00:00:00");
    }
    picker.value = Variant(std::string(text));
}

void CPrpXFormat::pickerChanged() {
    const short xClass = asShort(field("XAxisFormatClass")->value);
    if (xClass == kNumberClass)
        return;
    auto text = field(kPicker)->value.toString();
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!text || std::sscanf(text->c_str(), "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour,
                             &minute, &second) != 6)
        return;
    const bool time = xClass == kTimeClass;
    field("TimeBase0")->value = Variant(static_cast<std::int16_t>(time ? hour : year));
    field("TimeBase1")->value = Variant(static_cast<std::int16_t>(time ? minute : month));
    field("TimeBase2")->value = Variant(static_cast<std::int16_t>(time ? second : day));
}

std::vector<PageClass> trendwickPageModels() {
    std::vector<PageClass> models;
    const auto add = [&models](const PropertyPageRef& ref, auto make) {
        models.push_back(
            {std::string(ref.classId), std::string(ref.progId), std::string(ref.caption), make});
    };
    for (const PropertyPageRef& ref : graphPropertyPages()) {
        if (ref.className == "CGraphPropPage")
            add(ref,
                [] { return std::unique_ptr<PropertyPage>(std::make_unique<CGraphPropPage>()); });
    }
    for (const PropertyPageRef& ref : chartPropertyPages()) {
        const std::string_view name = ref.className;
        if (name == "CChartPropPage") {
            add(ref,
                [] { return std::unique_ptr<PropertyPage>(std::make_unique<CChartPropPage>()); });
        } else if (name == "CPrpXAxis") {
            add(ref, [] { return std::unique_ptr<PropertyPage>(std::make_unique<CPrpXAxis>()); });
        } else if (name == "CPrpYAxis") {
            add(ref, [] { return std::unique_ptr<PropertyPage>(std::make_unique<CPrpYAxis>()); });
        } else if (name == "CPrpXTicks") {
            add(ref,
                [] { return std::unique_ptr<PropertyPage>(std::make_unique<CPrpTicks>('X')); });
        } else if (name == "CPrpYTicks") {
            add(ref,
                [] { return std::unique_ptr<PropertyPage>(std::make_unique<CPrpTicks>('Y')); });
        } else if (name == "CPrpFormat") {
            add(ref, [] { return std::unique_ptr<PropertyPage>(std::make_unique<CPrpFormat>()); });
        } else if (name == "CPrpPlots") {
            add(ref, [] { return std::unique_ptr<PropertyPage>(std::make_unique<CPrpPlots>()); });
        } else if (name == "CPrpXFormat") {
            add(ref, [] { return std::unique_ptr<PropertyPage>(std::make_unique<CPrpXFormat>()); });
        }
    }
    return models;
}

namespace {

std::vector<std::string> idsOf(std::span<const PropertyPageRef> pages) {
    std::vector<std::string> ids;
    for (const PropertyPageRef& ref : pages)
        ids.emplace_back(ref.classId);
    return ids;
}

}  // namespace

com::Status registerTrendwickPages(PageRegistry& registry) {
    for (PageClass& page : trendwickPageModels()) {
        if (com::Status s = registry.add(std::move(page)); !s.ok())
            return s;
    }
    if (com::Status s = registry.list(
            {std::string(kChartClassId), std::string(kChartProgId), idsOf(chartPropertyPages())});
        !s.ok())
        return s;
    return registry.list(
        {std::string(kGraphClassId), std::string(kGraphProgId), idsOf(graphPropertyPages())});
}

}  // namespace brennix::chart
