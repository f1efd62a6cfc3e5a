// Knobs as a person sees them (see instrument_fixture.h for rewriting).

#include <gtest/gtest.h>

#include "instruments/knob/knob_ctrl.h"
#include "tests/instruments/instrument_fixture.h"

namespace brennix::instruments::testing {
namespace {

TEST(KnobGolden, ADefaultKnob) {
    auto knob = make<CKnobCtrl>({200, 200});
    expectMatchesGolden(renderWindow(*knob, {200, 200}), "knob-default.png");
}

TEST(KnobGolden, AnInverseKnobWithThreePointersAndAFill) {
    auto knob = make<CKnobCtrl>({220, 240});
    set(*knob, "Caption", com::Variant(std::string("Flow")));
    set(*knob, "Inverse", true);
    set(*knob, "ScaleMaximum", 100.0);
    set(*knob, "FillStyle", 2);
    setColor(*knob, "FillColor", 0x00B000);
    set(*knob, "Pointer2Visible", true);
    set(*knob, "Pointer3Visible", true);
    setColor(*knob, "Pointer2Color", 0x0000FF);
    setColor(*knob, "Pointer3Color", 0xFF0000);
    set(*knob, "Pointer2Value", 80.0);
    set(*knob, "Pointer3Value", 25.0);
    set(*knob, "Pointer1Value", 60.0);
    expectMatchesGolden(renderWindow(*knob, {220, 240}), "knob-inverse-three-pointers.png");
}

}  // namespace
}  // namespace brennix::instruments::testing
