// The Chart's one member table: ids, defaults, range tests, persistence and
// type information all come from here.

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "chart/control/chart_codes.h"
#include "chart/control/chart_ctrl.h"
#include "chart/control/chart_messages.h"
#include "chart/control/persisted_order.h"

namespace brennix::chart {
namespace {

using C = CChartCtrl;
using com::Bounds;
using com::Prop;

const auto kEnumPlotMode = std::make_shared<const com::Enumeration>(com::Enumeration{
    "enumPlotMode",
    {{PM_Overlaid, "PM_Overlaid", "Overlaid"}, {PM_Stacked, "PM_Stacked", "Stacked"}}});

const auto kEnumUpdateMode =
    std::make_shared<const com::Enumeration>(com::Enumeration{"enumUpdateMode",
                                                              {{UM_Strip, "UM_Strip", "Strip"},
                                                               {UM_Scope, "UM_Scope", "Scope"},
                                                               {UM_Sweep, "UM_Sweep", "Sweep"}}});

Bounds<std::int16_t> shortRange(std::int16_t low, std::int16_t high, std::int16_t reset,
                                std::string_view message) {
    return {low, high, reset, std::string(message)};
}

Prop<C, std::int16_t> lineStyle(std::size_t plot) {
    return {.bounds = shortRange(LS_Solid, LS_Dot, LS_Solid, text::kLineStyle[plot]),
            .codes = codes::lineStyle()};
}
Prop<C, std::int16_t> lineWidth(std::size_t /*plot*/) {
    return {.def = 0};
}
Prop<C, std::int16_t> pointStyle(std::size_t /*plot*/) {
    return {.bounds = shortRange(PS_None, PS_Cross, PS_None, text::kPointStyle),
            .codes = codes::pointStyle()};
}
Prop<C, std::int16_t> interp(std::size_t /*plot*/) {
    return {.bounds = shortRange(IP_Direct, IP_YX, IP_Direct, text::kInterp),
            .codes = codes::interp()};
}
Prop<C, std::int16_t> fillBase(std::size_t /*plot*/) {
    return {.bounds = shortRange(FB_None, FB_PlusInfinity, FB_None, text::kFillBase),
            .codes = codes::fillBase()};
}
Prop<C, gfx::ColorRef> lineColor(std::size_t /*plot*/) {
    return {.def = gfx::rgb(255, 0, 255)};
}
Prop<C, gfx::ColorRef> pointColor(std::size_t /*plot*/) {
    return {.def = gfx::rgb(255, 255, 0)};
}
Prop<C, gfx::ColorRef> fillColor(std::size_t /*plot*/) {
    return {.def = gfx::rgb(255, 128, 0)};
}

}  // namespace

template <auto Field, std::size_t... I>
void CChartCtrl::addPlotFamily(com::TableBuilder<CChartCtrl>& builder, const char* name,
                               com::Prop<CChartCtrl, PlotField<Field>> (*options)(std::size_t),
                               std::index_sequence<I...>) {
    (builder.property(name + std::to_string(I + 1), &C::plotValue<I, Field>,
                      &C::setPlotValue<I, Field>, options(I)),
     ...);
}

const com::MemberTable& CChartCtrl::table() {
    static const com::MemberTable members = [] {
        constexpr auto kPlotIndices = std::make_index_sequence<kPlots>{};
        com::TableBuilder<C> b("Chart");
        b.stock(com::Stock::BackColor)
            .stock(com::Stock::Caption)
            .stock(com::Stock::Font)
            .stock(com::Stock::ForeColor)
            .stock(com::Stock::Refresh)
            .stock(com::Stock::AboutBox)
            .property("BkColor", &C::m_bkColor, {.defaultFrom = &C::backColor})
            .property("PlotNum", &C::m_plotNum,
                      {.def = 1,
                       .bounds = shortRange(1, kPlots, 1, text::kPlotNum),
                       .changed = &C::syncHistory})
            .property("PlotAreaColor", &C::m_plotAreaColor, {.def = gfx::rgb(0, 0, 0)})
            .property("PlotMode", &C::m_plotMode,
                      {.def = PM_Overlaid,
                       .bounds = shortRange(PM_Overlaid, PM_Stacked, PM_Overlaid, text::kPlotMode),
                       .enumeration = kEnumPlotMode})
            .property("UpdateMode", &C::m_updateMode,
                      {.def = UM_Strip, .changed = &C::syncHistory, .enumeration = kEnumUpdateMode})
            .property("HistoryLength", &C::m_historyLength,
                      {.def = 1024,
                       .bounds = Bounds<std::int32_t>{1024, 1048575, 1024,
                                                      std::string(text::kHistoryLength)},
                       .changed = &C::syncHistory})
            .property("Format", &C::m_format, {.def = 0})
            .property("FormatClass", &C::m_formatClass,
                      {.def = 0,
                       .bounds = shortRange(0, 5, 0, text::kFormatClass),
                       .codes = codes::formatClass()})
            .property("XAxisFormat", &C::m_xAxisFormat, {.def = 0})
            .property("XAxisFormatClass", &C::m_xAxisFormatClass,
                      {.def = 0,
                       .bounds = shortRange(0, 2, 0, text::kXAxisFormatClass),
                       .codes = codes::xAxisFormatClass()})
            .property("TimeInterval", &C::m_timeInterval, {.def = 1})
            .property("TimeBase0", &C::m_timeBase0, {.def = 1})
            .property("TimeBase1", &C::m_timeBase1, {.def = 1})
            .property("TimeBase2", &C::m_timeBase2, {.def = 1})
            .property("YSpacingMinor", &C::m_ySpacingMinor,
                      {.def = 2, .bounds = shortRange(1, 50, 2, text::kYSpacingMinor)})
            .property("YSpacingMajor", &C::m_ySpacingMajor,
                      {.def = 10, .bounds = shortRange(1, 100, 10, text::kYSpacingMajor)})
            .property("YMajorTickMark", &C::m_yMajorTickMark, {.def = true})
            .property("YMajorTickColor", &C::m_yMajorTickColor, {.def = 0})
            .property("YMinorTickMark", &C::m_yMinorTickMark, {.def = true})
            .property("YMinorTickColor", &C::m_yMinorTickColor, {.def = 0})
            .property("ScaleMaximum", &C::m_scaleMaximum, {.def = 10.0})
            .property("ScaleMinimum", &C::m_scaleMinimum, {.def = 0.0})
            .property("YTickLeft", &C::m_yTickLeft, {.def = true})
            .property("YTickRight", &C::m_yTickRight, {.def = false})
            .property("YLabelLeft", &C::m_yLabelLeft, {.def = true})
            .property("YLabelRight", &C::m_yLabelRight, {.def = false})
            .property("XTickBottom", &C::m_xTickBottom, {.def = true})
            .property("XTickAbove", &C::m_xTickAbove, {.def = false})
            .property("XLabelAbove", &C::m_xLabelAbove, {.def = false})
            .property("XLabelBottom", &C::m_xLabelBottom, {.def = true})
            .property("XMajorTickMark", &C::m_xMajorTickMark, {.def = true})
            .property("XMinorTickMark", &C::m_xMinorTickMark, {.def = true})
            .property("XMajorTickColor", &C::m_xMajorTickColor, {.def = 0})
            .property("XMinorTickColor", &C::m_xMinorTickColor, {.def = 0})
            .property("YLabelColor", &C::m_yLabelColor, {.def = 0})
            .property("YGridMajor", &C::m_yGridMajor, {.def = false})
            .property("YGridMinor", &C::m_yGridMinor, {.def = false})
            .property("YGridMajorColor", &C::m_yGridMajorColor, {.def = gfx::rgb(255, 0, 0)})
            .property("YGridMinorColor", &C::m_yGridMinorColor, {.def = gfx::rgb(0, 255, 0)})
            .property("XGridMajor", &C::m_xGridMajor, {.def = false})
            .property("XGridMinor", &C::m_xGridMinor, {.def = false})
            .property("XGridMajorColor", &C::m_xGridMajorColor, {.def = gfx::rgb(0, 0, 255)})
            .property("XGridMinorColor", &C::m_xGridMinorColor, {.def = gfx::rgb(0, 255, 255)})
            .property("StartNum", &C::startNum, &C::setStartNum,
                      {.def = 0, .changed = &C::startNumChanged})
            .property("ViewNum", &C::m_viewNum,
                      {.def = 100,
                       .bounds = Bounds<std::int32_t>{1, std::numeric_limits<std::int32_t>::max(),
                                                      1, std::string(text::kViewNum)},
                       .changed = &C::syncHistory})
            .property("XSpacingMajor", &C::m_xSpacingMajor,
                      {.def = 4, .bounds = shortRange(1, 100, 4, text::kXSpacingMajor)})
            .property("XSpacingMinor", &C::m_xSpacingMinor,
                      {.def = 2, .bounds = shortRange(1, 50, 2, text::kXSpacingMinor)})
            .property("XLabelColor", &C::m_xLabelColor, {.def = 0});
        addPlotFamily<&PlotStyle::LineStyle>(b, "LineStyle", &lineStyle, kPlotIndices);
        addPlotFamily<&PlotStyle::LineWidth>(b, "LineWidth", &lineWidth, kPlotIndices);
        addPlotFamily<&PlotStyle::PointStyle>(b, "PointStyle", &pointStyle, kPlotIndices);
        addPlotFamily<&PlotStyle::Interp>(b, "Interp", &interp, kPlotIndices);
        addPlotFamily<&PlotStyle::FillBase>(b, "FillBase", &fillBase, kPlotIndices);
        addPlotFamily<&PlotStyle::LineColor>(b, "LineColor", &lineColor, kPlotIndices);
        addPlotFamily<&PlotStyle::PointColor>(b, "PointColor", &pointColor, kPlotIndices);
        addPlotFamily<&PlotStyle::FillColor>(b, "FillColor", &fillColor, kPlotIndices);
        b.method("InitControl", &C::InitControl)
            .method("ReleaseControl", &C::ReleaseControl)
            .method("ClearCharts", &C::ClearCharts)
            .method("ResetControl", &C::ResetControl)
            .method("PlotCharts", &C::PlotCharts, {"Data"})
            .stockEvents();

        b.persistOrder(persistedOrder(PersistedSet::Chart));
        return b.build();
    }();
    return members;
}

const com::MemberTable& CChartCtrl::members() const {
    return table();
}

}  // namespace brennix::chart
