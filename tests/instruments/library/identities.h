#pragma once
// Every class of the library as a host names it, one row per class.

#include <vector>

namespace brennix::instruments::testing {

struct Identity {
    const char* progId;
    const char* alias;  // the type-library alias; empty where there is none
    const char* typeName;
    const char* className;
};

inline const std::vector<Identity>& identities() {
    static const std::vector<Identity> rows{
        // Scale instruments.
        {"PANELMOOR.KnobCtrl.1", "PANELMOORLib.Knob", "Knob", "Knob"},
        {"PANELMOOR.SlideCtrl.1", "PANELMOORLib.Slide", "Slide", "Slide"},
        {"Panelmoor.Pointer", "", "Pointer", "Pointer"},
        // Displays.
        {"PANELMOOR.E7SegmentCtrl.1", "PANELMOORLib.E7Segment", "7Segment", "7Segment"},
        {"PANELMOOR.BooleanCtrl.1", "PANELMOORLib.Boolean", "Boolean", "Boolean"},
    };
    return rows;
}

}  // namespace brennix::instruments::testing
