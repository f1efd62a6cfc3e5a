#include <gtest/gtest.h>

#include "platform/com/event_sink.h"
#include "tests/instruments/knob/knob_fixture.h"

namespace brennix::instruments::testing {
namespace {

class KnobMouse : public KnobTest {
  protected:
    void SetUp() override {
        KnobTest::SetUp();
        paint();
    }
};

TEST_F(KnobMouse, DraggingTheNeedleToTheTopSetsValueToFive) {
    press(at(30, 240));
    ASSERT_EQ(knob->grabbedPointer(), 0);
    drag(at(30, 90));
    EXPECT_NEAR(knob->value(), 5.0, 1e-4);
    EXPECT_NEAR(knob->pointers()[0].value, 5.0, 1e-4);
    release(at(30, 90));
    EXPECT_FALSE(knob->grabbedPointer().has_value());
    drag(at(30, 0));
    EXPECT_NEAR(knob->value(), 5.0, 1e-4);
}

TEST_F(KnobMouse, AHostReadingValueInMouseMoveSeesTheDraggedValue) {
    std::vector<double> seen;
    knob->advise(std::make_shared<com::FunctionSink>([&](com::DispId id, std::span<com::Variant>) {
        if (id == static_cast<com::DispId>(com::StockEvent::MouseMove)) {
            seen.push_back(*knob->get("Value")->toDouble());
        }
    }));
    press(at(30, 240));
    drag(at(30, 90));
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_NEAR(seen[0], 5.0, 1e-4);
}

TEST_F(KnobMouse, AnInverseKnobDraggedToTheTopAlsoGivesTheMiddle) {
    set(*knob, "Inverse", true);
    set(*knob, "Pointer1Value", 10.0);
    press(at(30, 240));
    ASSERT_EQ(knob->grabbedPointer(), 0);
    drag(at(30, 0));
    EXPECT_NEAR(knob->value(), 10 - 10 * (4 * kP / 3) / (5 * kP / 3), 1e-3);
}

TEST_F(KnobMouse, APressSixDegreesFromEveryNeedleGrabsNothing) {
    set(*knob, "Pointer2Visible", true);
    set(*knob, "Pointer2Value", 5.0);
    for (double degrees : {246.0, 234.0, 96.0, 84.0}) {
        press(at(30, degrees));
        EXPECT_FALSE(knob->grabbedPointer().has_value()) << degrees;
        drag(at(30, 150));
        EXPECT_EQ(knob->pointers()[0].value, 0.0);
        EXPECT_EQ(knob->pointers()[1].value, 5.0);
        release(at(30, 150));
    }
    press(at(30, 244));
    EXPECT_EQ(knob->grabbedPointer(), 0);
}

TEST_F(KnobMouse, APressOutsideTheNeedlesReachGrabsNothing) {
    const int reach = knob->dial().needleRadius();
    press(at(reach + 1, 240));
    EXPECT_FALSE(knob->grabbedPointer().has_value());
    press(at(reach - 2, 240));
    EXPECT_EQ(knob->grabbedPointer(), 0);
}

TEST_F(KnobMouse, OfTwoNeedlesOnOneValueTheLowerNumberedIsGrabbed) {
    set(*knob, "Pointer3Visible", true);
    set(*knob, "Pointer3Value", 6.0);
    set(*knob, "Pointer2Visible", true);
    set(*knob, "Pointer2Value", 6.0);
    press(at(30, 240 - 0.6 * 300));
    EXPECT_EQ(knob->grabbedPointer(), 1);
}

TEST_F(KnobMouse, AHiddenNeedleIsGrabbedButNotMovedAndShieldsTheOneAboveIt) {
    set(*knob, "Pointer1Visible", false);
    set(*knob, "Pointer1Value", 4.0);
    set(*knob, "Pointer2Visible", true);
    set(*knob, "Pointer2Value", 4.0);
    set(*knob, "Value", 4.0);
    press(at(30, 240 - 0.4 * 300));
    EXPECT_EQ(knob->grabbedPointer(), 0);
    drag(at(30, 90));
    EXPECT_EQ(knob->pointers()[0].value, 4.0);
    EXPECT_EQ(knob->pointers()[1].value, 4.0);
    EXPECT_EQ(knob->value(), 4.0);
}

TEST_F(KnobMouse, DraggingIntoTheGapAtTheBottomLeavesTheValue) {
    press(at(30, 240));
    drag(at(30, 200));
    const double before = knob->value();
    drag(at(30, 270));
    EXPECT_EQ(knob->value(), before);
    drag(at(30, 255));
    EXPECT_EQ(knob->value(), before);
}

TEST_F(KnobMouse, ARightButtonPressGrabsNothing) {
    knob->mouseDown(com::MouseButton::Right, 0, at(30, 240).x, at(30, 240).y);
    EXPECT_FALSE(knob->grabbedPointer().has_value());
}

TEST(KnobBeforeItsFirstPaint, HasNothingToHit) {
    auto knob = make<CKnobCtrl>({110, 110});
    knob->mouseDown(com::MouseButton::Left, 0, 30, 80);
    EXPECT_FALSE(knob->grabbedPointer().has_value());
}

TEST_F(KnobMouse, ADragStepRedrawsNeedlesFillScaleAndDigitBoxOnTheWindow) {
    com::HeadlessSite site;
    gfx::RecordingCanvas window(size);
    site.setCanvas(&window);
    site.attach(*knob);
    site.clearRecords();
    press(at(30, 240));
    drag(at(30, 90));
    EXPECT_EQ(site.windowDraws(), 1);
    EXPECT_EQ(site.invalidations(), 0);
    const auto calls = window.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_NE(calls.front().kind, gfx::CallKind::FillRect);  // no background cleared
    const Dial& d = knob->dial();
    bool needleUp = false;
    for (const auto& [from, to] : linesIn(calls, 0)) {
        needleUp = needleUp || (to == d.centre && from.x == d.centre.x && from.y < d.centre.y);
    }
    EXPECT_TRUE(needleUp);
    const auto t = texts(calls);
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back(), "4");  // the digit box, last: %d of 4.99...
}

TEST_F(KnobMouse, WithoutAWindowToDrawOnADragStepAsksForARepaint) {
    com::HeadlessSite site;
    site.attach(*knob);
    site.clearRecords();
    press(at(30, 240));
    drag(at(30, 90));
    EXPECT_EQ(site.windowDraws(), 0);
    EXPECT_EQ(site.invalidations(), 1);
}

}  // namespace
}  // namespace brennix::instruments::testing
