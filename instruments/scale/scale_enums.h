#pragma once
// The enumerations the scale properties publish.

#include <memory>

#include "platform/com/member.h"

namespace brennix::instruments {

// "By Units" (2) is offered by the tick page but is no member.
inline const std::shared_ptr<const com::Enumeration>& spacingEnumeration() {
    static const auto e = std::make_shared<const com::Enumeration>(com::Enumeration{
        "enumSpacing", {{0, "SP_Auto", "0 - SP_Auto"}, {1, "SP_Divide", "1 - SP_Divide"}}});
    return e;
}

inline const std::shared_ptr<const com::Enumeration>& fillStyleEnumeration() {
    static const auto e = std::make_shared<const com::Enumeration>(
        com::Enumeration{"enumFillStyle",
                         {{0, "FS_None", "0 - FS_None"},
                          {1, "FS_FillToMaximum", "1 - FS_FillToMaximum"},
                          {2, "FS_FillToMinimum", "2 - FS_FillToMinimum"}}});
    return e;
}

// What the label formatter makes of each class; the Format property picks
// the variant. Any other class gives empty labels.
inline const std::shared_ptr<const com::Enumeration>& formatClassCodes() {
    static const auto e = std::make_shared<const com::Enumeration>(com::Enumeration{
        "FormatClass",
        {{0, "Number",
          "Number: a whole number (Format 0) or three or six decimals (1 to 4; 2 and 4 without "
          "trailing zeros)"},
         {1, "Scientific", "Scientific: mantissa and exponent"},
         {2, "SymbolicEngineer",
          "Symbolic Engineer: six decimals and a unit, by Format V, Hz, A, g, l or Deg"},
         {3, "Percentage",
          "Percentage: the value, or by Format the value times 100, with two or six decimals "
          "and a percent sign"},
         {4, "Currency", "Currency: a dollar sign and a whole number, or two decimals (Format 1)"},
         {5, "Scaling",
          "Scaling: six decimals of the value scaled or offset by Format (times 0.01, 0.1, 100 "
          "or 1000, (v + 1) times 100, v times 100 less 100, plus 1000, plus 150)"}}});
    return e;
}

}  // namespace brennix::instruments
