#pragma once
// The C++ side of the classes Designer places: a compiled form (uic) names
// a control by its class ("Chart") and an enumerated value by its class
// ("Chart::UM_Scope"). The header this writes declares, for every class of
// the catalogue, a TypedControlWidget subclass of that name with the
// class's enumerations.

#include <QString>

namespace brennix::qt {

// The header's text for the classes registered now.
QString formClassesHeader();

}  // namespace brennix::qt
