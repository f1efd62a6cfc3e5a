#pragma once
// Values between Qt and the controls' dispatch: a QVariant becomes the
// com::Variant a member expects, and a member's value becomes the QVariant
// Qt shows (colours as QColor, fonts as QFont, arrays as lists).

#include <QVariant>

#include "platform/com/member.h"
#include "platform/com/variant.h"

namespace brennix::qt {

// The QVariant of a value read from a member of this type.
QVariant toQVariant(const com::Variant& value, com::PropType type = com::PropType::Variant);

// The value to hand a member of this type. Enumerated members also take the
// enumeration's value names ("UM_Scope"); colours take QColor, "#rrggbb"
// and 32-bit numbers; lists of numbers become arrays of doubles. TypeMismatch
// for anything else.
com::Result<com::Variant> toComVariant(const QVariant& value, const com::Member& member);
com::Result<com::Variant> toComVariant(const QVariant& value,
                                       com::PropType type = com::PropType::Variant,
                                       const com::Enumeration* enumeration = nullptr);

// The Qt type a property of this type is shown as (QMetaType ids).
int qtTypeOf(com::PropType type);

}  // namespace brennix::qt
