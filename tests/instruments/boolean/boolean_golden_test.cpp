// Boolean groups of eight buttons as a person sees them, in a row and in a
// column, some pressed.

#include <gtest/gtest.h>

#include "instruments/boolean/boolean_ctrl.h"
#include "tests/instruments/instrument_fixture.h"

namespace brennix::instruments::testing {
namespace {

std::shared_ptr<CBooleanCtrl> group(std::int16_t orientation) {
    auto control = make<CBooleanCtrl>();
    EXPECT_TRUE(control->put("BtnNum", com::Variant(std::int16_t{8})).ok());
    EXPECT_TRUE(control->put("Orientation", com::Variant(orientation)).ok());
    EXPECT_TRUE(control->put("Distance", com::Variant(std::int32_t{3})).ok());
    EXPECT_TRUE(control->put("Value", com::Variant(std::int32_t{0xA5})).ok());
    EXPECT_TRUE(control->put("Caption", com::Variant("Port A")).ok());
    return control;
}

TEST(BooleanGolden, EightButtonsInARowWithButtonZeroOnTheRight) {
    auto control = group(0);
    expectMatchesGolden(renderWindow(*control, {400, 60}), "boolean-row.png");
}

TEST(BooleanGolden, EightButtonsInAColumnWithButtonZeroAtTheBottom) {
    auto control = group(1);
    expectMatchesGolden(renderWindow(*control, {60, 400}), "boolean-column.png");
}

}  // namespace
}  // namespace brennix::instruments::testing
