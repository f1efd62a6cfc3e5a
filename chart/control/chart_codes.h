#pragma once
// What the codes of the chart controls' coded properties mean, for the
// member tables (these properties are short integers with no enumeration in
// the type information). Labels are those of the property pages.

#include <memory>
#include <vector>

#include "chart/render/plot_style.h"
#include "platform/com/member.h"

namespace brennix::chart::codes {

inline std::shared_ptr<const com::Enumeration> codeList(const char* name,
                                                        std::vector<com::EnumValue> values) {
    return std::make_shared<const com::Enumeration>(com::Enumeration{name, std::move(values)});
}

inline const std::shared_ptr<const com::Enumeration>& lineStyle() {
    static const auto e = codeList("LineStyle", {{LS_Solid, "LS_Solid", "SOLID: a solid line"},
                                                 {LS_Dash, "LS_Dash", "DASH: a dashed line"},
                                                 {LS_Dot, "LS_Dot", "DOT: a dotted line"}});
    return e;
}

inline const std::shared_ptr<const com::Enumeration>& pointStyle() {
    static const auto e =
        codeList("PointStyle", {{PS_None, "PS_None", "None: no marker"},
                                {PS_EmptySquare, "PS_EmptySquare", "Empty square"},
                                {PS_SolidSquare, "PS_SolidSquare", "Solid square"},
                                {PS_EmptyDiamond, "PS_EmptyDiamond", "Empty diamond"},
                                {PS_SolidDiamond, "PS_SolidDiamond", "Solid diamond"},
                                {PS_EmptyCircle, "PS_EmptyCircle", "Empty circle"},
                                {PS_SolidCircle, "PS_SolidCircle", "Solid circle"},
                                {PS_X, "PS_X", "X: a diagonal cross"},
                                {PS_Cross, "PS_Cross", "Cross: an upright cross"}});
    return e;
}

inline const std::shared_ptr<const com::Enumeration>& interp() {
    static const auto e = codeList(
        "Interp", {{IP_Direct, "IP_Direct", "Direct Connect: a straight line from point to point"},
                   {IP_XY, "IP_XY", "XY: a step, horizontal first"},
                   {IP_YX, "IP_YX", "YX: a step, vertical first"}});
    return e;
}

inline const std::shared_ptr<const com::Enumeration>& fillBase() {
    static const auto e =
        codeList("FillBase", {{FB_None, "FB_None", "None: no fill"},
                              {FB_Zero, "FB_Zero", "Fill to 0.0: down or up to the zero line"},
                              {FB_MinusInfinity, "FB_MinusInfinity",
                               "Fill to - Infinity: to the top edge (the bottom edge when "
                               "ScaleMaximum is not above ScaleMinimum)"},
                              {FB_PlusInfinity, "FB_PlusInfinity",
                               "Fill to + Infinity: to the bottom edge (the top edge when "
                               "ScaleMaximum is not above ScaleMinimum)"}});
    return e;
}

inline const std::shared_ptr<const com::Enumeration>& formatClass() {
    static const auto e = codeList("FormatClass", {{0, "Number", "Number"},
                                                   {1, "Scientific", "Scientific"},
                                                   {2, "SymbolicEngineer", "Symbolic Engineer"},
                                                   {3, "Percentage", "Percentage"},
                                                   {4, "Currency", "Currency"},
                                                   {5, "Scaling", "Scaling"}});
    return e;
}

inline const std::shared_ptr<const com::Enumeration>& xAxisFormatClass() {
    static const auto e = codeList("XAxisFormatClass", {{0, "Number", "Number: sample numbers"},
                                                        {1, "Time", "Time: times of day"},
                                                        {2, "Date", "Date: dates"}});
    return e;
}

}  // namespace brennix::chart::codes
