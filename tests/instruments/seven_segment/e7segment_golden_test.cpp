// Seven-segment displays as a person sees them: signed, five digits, the
// unused segments dim, upright and slanted.

#include <gtest/gtest.h>

#include "instruments/seven_segment/e7segment_ctrl.h"
#include "tests/instruments/instrument_fixture.h"

namespace brennix::instruments::testing {
namespace {

std::shared_ptr<CE7SegmentCtrl> display(double value, gfx::ColorRef fore, bool declined) {
    auto control = make<CE7SegmentCtrl>();
    EXPECT_TRUE(control->put("DigitNumber", com::Variant(std::int16_t{5})).ok());
    EXPECT_TRUE(control->put("Value", com::Variant(value)).ok());
    EXPECT_TRUE(control->put("Declined", com::Variant(declined)).ok());
    EXPECT_TRUE(control->put("ForeColor", com::Variant::fromColor(fore)).ok());
    EXPECT_TRUE(control->put("BackColor", com::Variant::fromColor(gfx::rgb(16, 16, 16))).ok());
    return control;
}

TEST(E7SegmentGolden, ASignedFiveDigitDisplayWithItsUnusedSegmentsDim) {
    auto control = display(-27.5, gfx::rgb(255, 40, 30), false);
    expectMatchesGolden(renderWindow(*control, {300, 80}), "e7segment-upright.png");
}

TEST(E7SegmentGolden, TheSameDisplaySlanted) {
    auto control = display(436.09, gfx::rgb(60, 255, 90), true);
    expectMatchesGolden(renderWindow(*control, {300, 80}), "e7segment-slanted.png");
}

}  // namespace
}  // namespace brennix::instruments::testing
