#include "chart/pages/chart_pages.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "chart/control/property_pages.h"
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
        }
    }
    return models;
}

com::Status registerTrendwickPages(PageRegistry& registry) {
    for (PageClass& page : trendwickPageModels()) {
        if (com::Status s = registry.add(std::move(page)); !s.ok())
            return s;
    }
    return com::ok();
}

}  // namespace brennix::chart
