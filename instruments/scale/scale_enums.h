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

}  // namespace brennix::instruments
