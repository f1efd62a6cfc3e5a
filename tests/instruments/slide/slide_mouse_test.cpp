#include <gtest/gtest.h>

#include "platform/com/event_sink.h"
#include "tests/instruments/slide/slide_fixture.h"

namespace brennix::instruments::testing {
namespace {

class SlideMouse : public SlideTest {
  protected:
    void SetUp() override {
        SlideTest::SetUp();
        t = tube();
    }
    int heightOf(double v) { return t.heightOf(slide->range(), v); }
    Tube t;
};

TEST_F(SlideMouse, DraggingPointerOneUpTheTubeRaisesValue) {
    press(t.middle, heightOf(0));
    ASSERT_EQ(slide->grabbedPointer(), 0);
    drag(t.middle, (t.top + t.bottom) / 2);
    EXPECT_NEAR(slide->value(), 5.0, 0.1);
    EXPECT_EQ(slide->pointers()[0].value, slide->value());
    release(t.middle, (t.top + t.bottom) / 2);
    EXPECT_FALSE(slide->grabbedPointer().has_value());
}

TEST_F(SlideMouse, DraggingAboveTheTopKeepsTheLastValueInRange) {
    press(t.middle, heightOf(0));
    drag(t.middle, t.top + 10);
    const double last = slide->value();
    EXPECT_GT(last, 9.0);
    drag(t.middle, t.top - 30);
    EXPECT_EQ(slide->value(), last);
    drag(t.middle, t.bottom + 40);
    EXPECT_EQ(slide->value(), last);
}

TEST_F(SlideMouse, OnAnInverseSlideDraggingUpwardLowersTheValue) {
    set(*slide, "Inverse", true);
    set(*slide, "Pointer1Value", 10.0);
    press(t.middle, heightOf(10));
    ASSERT_EQ(slide->grabbedPointer(), 0);
    drag(t.middle, heightOf(10) - 60);
    const double first = slide->value();
    EXPECT_LT(first, 10.0);
    drag(t.middle, heightOf(10) - 120);
    EXPECT_LT(slide->value(), first);
}

TEST_F(SlideMouse, APressBesideTheColumnOrFourPixelsOffABarGrabsNothing) {
    press(t.middle + t.half, heightOf(0));
    EXPECT_FALSE(slide->grabbedPointer().has_value());
    press(t.middle, heightOf(0) - 4);
    EXPECT_FALSE(slide->grabbedPointer().has_value());
    press(t.middle, heightOf(0) - 3);
    EXPECT_EQ(slide->grabbedPointer(), 0);
}

TEST_F(SlideMouse, AHiddenBarIsGrabbedButNotMovedAndShieldsTheOneAboveIt) {
    set(*slide, "Pointer1Visible", false);
    set(*slide, "Pointer1Value", 4.0);
    set(*slide, "Pointer2Visible", true);
    set(*slide, "Pointer2Value", 4.0);
    press(t.middle, heightOf(4));
    EXPECT_EQ(slide->grabbedPointer(), 0);
    drag(t.middle, heightOf(8));
    EXPECT_EQ(slide->pointers()[0].value, 4.0);
    EXPECT_EQ(slide->pointers()[1].value, 4.0);
    EXPECT_EQ(slide->value(), 4.0);
}

TEST_F(SlideMouse, AHostReadingValueInMouseMoveSeesTheDraggedValue) {
    std::vector<double> seen;
    slide->advise(std::make_shared<com::FunctionSink>([&](com::DispId id, std::span<com::Variant>) {
        if (id == static_cast<com::DispId>(com::StockEvent::MouseMove)) {
            seen.push_back(*slide->get("Value")->toDouble());
        }
    }));
    press(t.middle, heightOf(0));
    drag(t.middle, heightOf(6));
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_NEAR(seen[0], 6.0, 0.1);
}

TEST_F(SlideMouse, ADragStepRedrawsTheColumnBarsAndDigitBoxOnTheWindow) {
    com::HeadlessSite site;
    gfx::RecordingCanvas window(size);
    site.setCanvas(&window);
    site.attach(*slide);
    site.clearRecords();
    press(t.middle, heightOf(0));
    drag(t.middle, heightOf(6));
    EXPECT_EQ(site.windowDraws(), 1);
    EXPECT_EQ(site.invalidations(), 0);
    const auto calls = window.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, gfx::CallKind::FillRect);
    EXPECT_EQ(calls.front().rect.left, t.middle - t.half + 1);  // the column, not the background
    EXPECT_EQ(texts(calls), (std::vector<std::string>{slide->valueText()}));
    EXPECT_NE(slide->valueText(), "0");
}

TEST_F(SlideMouse, ADisabledSlideIgnoresThePress) {
    set(*slide, "Enabled", false);
    press(t.middle, heightOf(0));
    EXPECT_FALSE(slide->grabbedPointer().has_value());
}

}  // namespace
}  // namespace brennix::instruments::testing
