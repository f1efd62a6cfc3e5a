#pragma once
// What the Chart and the Graph share of their per-plot properties: the type
// of a field reached through a member pointer, and the defaults and range
// tests of the eight plot families (LineStyle1 .. FillColor8).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "chart/control/chart_codes.h"
#include "chart/control/chart_messages.h"
#include "chart/render/plot_style.h"
#include "platform/com/table_builder.h"

namespace brennix::chart {

namespace detail {
template <class T>
struct FieldTypeOf;
template <class T, class S>
struct FieldTypeOf<T S::*> {
    using type = T;
};
}  // namespace detail

// The type of the field a member pointer names.
template <auto Field>
using FieldType = typename detail::FieldTypeOf<decltype(Field)>::type;

template <class C>
struct PlotProperties {
    using Short = com::Prop<C, std::int16_t>;
    using Colour = com::Prop<C, gfx::ColorRef>;

    static com::Bounds<std::int16_t> range(std::int16_t low, std::int16_t high,
                                           std::string_view message) {
        return {low, high, low, std::string(message)};
    }
    static Short lineStyle(std::string_view message) {
        return {.bounds = range(LS_Solid, LS_Dot, message), .codes = codes::lineStyle()};
    }
    static Short lineWidth() { return {.def = 0}; }
    static Short pointStyle() {
        return {.bounds = range(PS_None, PS_Cross, text::kPointStyle),
                .codes = codes::pointStyle()};
    }
    static Short interp() {
        return {.bounds = range(IP_Direct, IP_YX, text::kInterp), .codes = codes::interp()};
    }
    static Short fillBase() {
        return {.bounds = range(FB_None, FB_PlusInfinity, text::kFillBase),
                .codes = codes::fillBase()};
    }
    static Colour lineColor() { return {.def = PlotStyle{}.LineColor}; }
    static Colour pointColor() { return {.def = PlotStyle{}.PointColor}; }
    static Colour fillColor() { return {.def = PlotStyle{}.FillColor}; }
};

// The names of the eight families in their persisted order.
inline constexpr std::string_view kPlotFamilies[] = {"LineStyle",  "LineWidth", "PointStyle",
                                                     "Interp",     "FillBase",  "LineColor",
                                                     "PointColor", "FillColor"};

}  // namespace brennix::chart
