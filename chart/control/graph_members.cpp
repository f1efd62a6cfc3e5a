// The Graph's one member table: ids, defaults, range tests, persistence and
// type information all come from here. Names, types and defaults are the
// Chart's; the ids and a few range tests are the Graph's own.

#include <cstdint>
#include <string>

#include "chart/control/chart_messages.h"
#include "chart/control/graph_ctrl.h"
#include "chart/control/graph_messages.h"
#include "chart/control/persisted_order.h"

namespace brennix::chart {
namespace {

using C = CGraphCtrl;
using A = ChartAppearance;
using P = PlotProperties<C>;

com::Bounds<std::int16_t> shortRange(std::int16_t low, std::int16_t high, std::int16_t reset,
                                     std::string_view message) {
    return {low, high, reset, std::string(message)};
}

}  // namespace

template <auto Field>
void CGraphCtrl::field(com::TableBuilder<CGraphCtrl>& builder, const char* name,
                       com::Prop<CGraphCtrl, FieldType<Field>> options) {
    builder.property(name, &C::look<Field>, &C::setLook<Field>, std::move(options));
}

template <auto Outer, auto Inner>
void CGraphCtrl::field(com::TableBuilder<CGraphCtrl>& builder, const char* name,
                       com::Prop<CGraphCtrl, FieldType<Inner>> options) {
    builder.property(name, &C::lookIn<Outer, Inner>, &C::setLookIn<Outer, Inner>,
                     std::move(options));
}

template <auto Field, std::size_t... I>
void CGraphCtrl::addPlotFamily(com::TableBuilder<CGraphCtrl>& builder, const char* name,
                               const com::Prop<CGraphCtrl, FieldType<Field>>& options,
                               std::index_sequence<I...>) {
    (builder.property(name + std::to_string(I + 1), &C::plotValue<I, Field>,
                      &C::setPlotValue<I, Field>, options),
     ...);
}

const com::MemberTable& CGraphCtrl::table() {
    static const com::MemberTable members = [] {
        constexpr auto kPlotIndices = std::make_index_sequence<kPlots>{};
        com::TableBuilder<C> b("Graph");
        b.stock(com::Stock::BackColor)
            .stock(com::Stock::Caption)
            .stock(com::Stock::Font)
            .stock(com::Stock::ForeColor)
            .stock(com::Stock::Refresh)
            .stock(com::Stock::AboutBox);
        field<&A::PlotNum>(b, "PlotNum",
                           {.def = 1, .bounds = shortRange(1, kPlots, 1, text::kPlotNum)});
        field<&A::PlotAreaColor>(b, "PlotAreaColor", {.def = gfx::rgb(0, 0, 0)});
        field<&A::BkColor>(b, "BkColor", {.defaultFrom = &C::backColor});
        field<&A::XFormat, &XLabelFormat::format>(b, "XAxisFormat", {.def = 0});
        field<&A::XFormat, &XLabelFormat::formatClass>(
            b, "XAxisFormatClass",
            {.def = 0,
             .bounds = shortRange(0, 2, 0, text::kXAxisFormatClass),
             .codes = codes::xAxisFormatClass()});
        field<&A::XFormat, &XLabelFormat::timeInterval>(b, "TimeInterval", {.def = 1});
        field<&A::XFormat, &XLabelFormat::timeBase0>(b, "TimeBase0", {.def = 1});
        field<&A::XFormat, &XLabelFormat::timeBase1>(b, "TimeBase1", {.def = 1});
        field<&A::XFormat, &XLabelFormat::timeBase2>(b, "TimeBase2", {.def = 1});
        field<&A::YSpacingMajor>(
            b, "YSpacingMajor",
            {.def = 10, .bounds = shortRange(1, 100, 10, text::kYSpacingMajor)});
        field<&A::YSpacingMinor>(b, "YSpacingMinor",
                                 {.def = 2, .bounds = shortRange(1, 50, 2, text::kYSpacingMinor)});
        field<&A::YMajorTickMark>(b, "YMajorTickMark", {.def = true});
        field<&A::YMajorTickColor>(b, "YMajorTickColor", {.def = 0});
        field<&A::YMinorTickMark>(b, "YMinorTickMark", {.def = true});
        field<&A::YMinorTickColor>(b, "YMinorTickColor", {.def = 0});
        field<&A::ScaleMaximum>(b, "ScaleMaximum", {.def = 10.0});
        field<&A::ScaleMinimum>(b, "ScaleMinimum", {.def = 0.0});
        field<&A::YTickLeft>(b, "YTickLeft", {.def = true});
        field<&A::YTickRight>(b, "YTickRight", {.def = false});
        field<&A::YLabelLeft>(b, "YLabelLeft", {.def = true});
        field<&A::YLabelRight>(b, "YLabelRight", {.def = false});
        field<&A::XTickAbove>(b, "XTickAbove", {.def = false});
        field<&A::XTickBottom>(b, "XTickBottom", {.def = true});
        field<&A::XLabelAbove>(b, "XLabelAbove", {.def = false});
        field<&A::XLabelBottom>(b, "XLabelBottom", {.def = true});
        field<&A::XMajorTickMark>(b, "XMajorTickMark", {.def = true});
        field<&A::XMinorTickMark>(b, "XMinorTickMark", {.def = true});
        field<&A::XMajorTickColor>(b, "XMajorTickColor", {.def = 0});
        field<&A::XMinorTickColor>(b, "XMinorTickColor", {.def = 0});
        field<&A::YLabelColor>(b, "YLabelColor", {.def = 0});
        field<&A::YGridMajor>(b, "YGridMajor", {.def = false});
        field<&A::YGridMinor>(b, "YGridMinor", {.def = false});
        field<&A::YGridMajorColor>(b, "YGridMajorColor", {.def = gfx::rgb(255, 0, 0)});
        field<&A::YGridMinorColor>(b, "YGridMinorColor", {.def = gfx::rgb(0, 255, 0)});
        // The Graph has no range test here: other classes give empty labels.
        field<&A::YFormat, &YLabelFormat::formatClass>(b, "FormatClass",
                                                       {.def = 0, .codes = codes::formatClass()});
        field<&A::YFormat, &YLabelFormat::format>(b, "Format", {.def = 0});
        field<&A::XGridMajor>(b, "XGridMajor", {.def = false});
        field<&A::XGridMinor>(b, "XGridMinor", {.def = false});
        field<&A::XGridMajorColor>(b, "XGridMajorColor", {.def = gfx::rgb(0, 0, 255)});
        field<&A::XGridMinorColor>(b, "XGridMinorColor", {.def = gfx::rgb(0, 255, 255)});
        b.property("ViewNum", &C::m_viewNum, {.def = 100})
            .property("StartNum", &C::m_startNum, {.def = 0});
        field<&A::XSpacingMajor>(b, "XSpacingMajor",
                                 {.def = 4, .bounds = shortRange(1, 100, 4, text::kXSpacingMajor)});
        field<&A::XSpacingMinor>(b, "XSpacingMinor",
                                 {.def = 2, .bounds = shortRange(1, 50, 2, text::kXSpacingMinor)});
        field<&A::XLabelColor>(b, "XLabelColor", {.def = 0});
        addPlotFamily<&PlotStyle::LineStyle>(b, "LineStyle", P::lineStyle(text::kGraphLineStyle),
                                             kPlotIndices);
        addPlotFamily<&PlotStyle::LineWidth>(b, "LineWidth", P::lineWidth(), kPlotIndices);
        addPlotFamily<&PlotStyle::PointStyle>(b, "PointStyle", P::pointStyle(), kPlotIndices);
        addPlotFamily<&PlotStyle::Interp>(b, "Interp", P::interp(), kPlotIndices);
        addPlotFamily<&PlotStyle::FillBase>(b, "FillBase", P::fillBase(), kPlotIndices);
        addPlotFamily<&PlotStyle::LineColor>(b, "LineColor", P::lineColor(), kPlotIndices);
        addPlotFamily<&PlotStyle::PointColor>(b, "PointColor", P::pointColor(), kPlotIndices);
        addPlotFamily<&PlotStyle::FillColor>(b, "FillColor", P::fillColor(), kPlotIndices);
        b.method("PlotGraphs", &C::PlotGraphs, {"Data"})
            .method("ClearGraphs", &C::ClearGraphs)
            .stockEvents();
        b.persistOrder(persistedOrder(PersistedSet::Graph));
        return b.build();
    }();
    return members;
}

const com::MemberTable& CGraphCtrl::members() const {
    return table();
}

}  // namespace brennix::chart
