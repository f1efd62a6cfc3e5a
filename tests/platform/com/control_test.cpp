#include <gtest/gtest.h>

#include <memory>

#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/gfx/recording_canvas.h"
#include "platform/hw/clock.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::com::testing {
namespace {

struct Fired {
    DispId id;
    std::vector<Variant> args;
};

class SampleEvents : public ::testing::Test {
  protected:
    std::shared_ptr<FunctionSink> recorder(std::vector<Fired>& into) {
        return std::make_shared<FunctionSink>([&into](DispId id, std::span<Variant> args) {
            into.push_back({id, {args.begin(), args.end()}});
        });
    }

    std::shared_ptr<CSampleCtrl> control = createControl<CSampleCtrl>();
    std::vector<Fired> first;
    std::vector<Fired> second;
};

TEST_F(SampleEvents, AnEventReachesEverySinkWithItsArguments) {
    control->advise(recorder(first));
    control->advise(recorder(second));
    std::array<std::int16_t, 3> samples{10, 20, 30};
    auto data = SafeArray::fromValues<std::int16_t>(samples);
    ASSERT_TRUE(data.ok());
    ASSERT_TRUE(control->fireDone(3, Variant(*data)).ok());
    for (const auto* sink : {&first, &second}) {
        ASSERT_EQ(sink->size(), 1U);
        EXPECT_EQ((*sink)[0].id, 1);
        EXPECT_EQ((*sink)[0].args[0], Variant(std::int32_t{3}));
        ASSERT_NE((*sink)[0].args[1].array(), nullptr);
        EXPECT_EQ(*(*sink)[0].args[1].array()->get(2), Variant(std::int16_t{30}));
    }
}

TEST_F(SampleEvents, ADisconnectedSinkHearsNothingMore) {
    auto cookie = control->advise(recorder(first));
    control->advise(recorder(second));
    ASSERT_TRUE(control->unadvise(cookie).ok());
    EXPECT_EQ(control->unadvise(cookie).error(), Error::NoConnection);
    EXPECT_EQ(control->unadvise(0).error(), Error::NoConnection);
    ASSERT_TRUE(control->fireDone(1, Variant()).ok());
    EXPECT_TRUE(first.empty());
    EXPECT_EQ(second.size(), 1U);
    EXPECT_EQ(control->advise(nullptr), 0U);
}

TEST_F(SampleEvents, ASinkMayDisconnectItselfWhileTheEventRuns) {
    std::uint32_t cookie = 0;
    int calls = 0;
    cookie = control->advise(std::make_shared<FunctionSink>([&](DispId, std::span<Variant>) {
        ++calls;
        EXPECT_TRUE(control->unadvise(cookie).ok());
    }));
    control->advise(recorder(second));
    ASSERT_TRUE(control->fireDone(1, Variant()).ok());
    ASSERT_TRUE(control->fireDone(2, Variant()).ok());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(second.size(), 2U);
}

TEST_F(SampleEvents, ArgumentsThatDoNotMatchTheEventAreRefused) {
    control->advise(recorder(first));
    EXPECT_EQ(control->fireWithArgs({Variant(1.0)}).error(), Error::BadArgCount);
    EXPECT_TRUE(first.empty());
}

TEST_F(SampleEvents, PressAndReleaseOverTheControlFireMouseEventsAndClick) {
    control->advise(recorder(first));
    control->mouseDown(MouseButton::Left, kShift, 10, 12);
    control->mouseMove(1, 0, 11, 13);
    control->mouseUp(MouseButton::Left, 0, 11, 13);
    ASSERT_EQ(first.size(), 4U);
    EXPECT_EQ(first[0].id, -605);
    EXPECT_EQ(first[0].args,
              (std::vector<Variant>{Variant(std::int16_t{1}), Variant(std::int16_t{1}),
                                    Variant(std::int32_t{10}), Variant(std::int32_t{12})}));
    EXPECT_EQ(first[1].id, -606);
    EXPECT_EQ(first[2].id, -607);
    EXPECT_EQ(first[3].id, -600);
}

TEST_F(SampleEvents, AReleaseOutsideTheControlOrOfAnotherButtonIsNoClick) {
    control->advise(recorder(first));
    gfx::Size size = control->extentPixels();
    control->mouseDown(MouseButton::Left, 0, 5, 5);
    control->mouseUp(MouseButton::Left, 0, size.cx + 3, 5);
    control->mouseDown(MouseButton::Right, 0, 5, 5);
    control->mouseUp(MouseButton::Right, 0, 5, 5);
    control->mouseUp(MouseButton::Left, 0, 5, 5);
    for (const auto& f : first) {
        EXPECT_NE(f.id, -600);
    }
    EXPECT_EQ(first.size(), 5U);
}

TEST_F(SampleEvents, KeyEventsLetTheSinkChangeTheKey) {
    control->advise(std::make_shared<FunctionSink>([](DispId id, std::span<Variant> args) {
        if (id == -603) {
            args[0] = Variant(std::int16_t{'A'});
        }
        if (id == -602) {
            args[0] = Variant(std::int16_t{0});
        }
    }));
    control->advise(recorder(first));
    std::int16_t key = 'a';
    control->keyPress(key);
    EXPECT_EQ(key, 'A');
    std::int16_t code = 13;
    control->keyDown(code, kCtrl);
    EXPECT_EQ(code, 0);
    control->keyUp(code, 0);
    ASSERT_EQ(first.size(), 3U);
    EXPECT_EQ(first[1].args[1], Variant(std::int16_t{kCtrl}));
    control->doubleClick(MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(first.back().id, -601);
}

TEST_F(SampleEvents, ADisabledControlIgnoresInput) {
    control->advise(recorder(first));
    ASSERT_TRUE(control->put("Enabled", Variant(false)).ok());
    control->mouseDown(MouseButton::Left, 0, 1, 1);
    control->mouseUp(MouseButton::Left, 0, 1, 1);
    std::int16_t key = 'x';
    control->keyPress(key);
    EXPECT_TRUE(first.empty());
}

class ControlBase : public ::testing::Test {
  protected:
    void SetUp() override { site.attach(*control); }
    std::shared_ptr<hw::VirtualClock> time = std::make_shared<hw::VirtualClock>();
    hw::ScopedClock scopedClock{time};
    HeadlessSite site;
    std::shared_ptr<CSampleCtrl> control = createControl<CSampleCtrl>();
    MessageRecorder messages;
};

TEST_F(ControlBase, ColoursAreTranslatedForDrawing) {
    EXPECT_EQ(control->translateColor(0x00FF00FF), 0x00FF00FFU);
    EXPECT_EQ(control->translateColor(gfx::systemColorRef(gfx::SystemColor::ButtonShadow)),
              gfx::rgb(128, 128, 128));
    EXPECT_EQ(control->translateColor(0x800000FFU), gfx::rgb(0, 0, 0));
    EXPECT_EQ(control->translateColor(0x02FF0000U), gfx::rgb(0, 0, 0));
}

TEST_F(ControlBase, StockColoursStartFromTheAmbientProperties) {
    HeadlessSite designer;
    designer.ambientProperties().backColor = 0x00C0FFEE;
    designer.ambientProperties().userMode = false;
    auto other = std::make_shared<CSampleCtrl>();
    designer.attach(*other);
    other->resetToDefaults();
    EXPECT_EQ(other->backColor(), 0x00C0FFEEU);
    EXPECT_FALSE(other->ambientUserMode());
    EXPECT_TRUE(control->ambientUserMode());
    EXPECT_EQ(control->backColor(), gfx::systemColorRef(gfx::SystemColor::ButtonFace));
}

TEST_F(ControlBase, AttachingToASiteCreatesTheWindowOnce) {
    EXPECT_EQ(control->windowsCreated(), 1);
    site.attach(*control);
    EXPECT_EQ(control->windowsCreated(), 1);
    int before = site.invalidations();
    site.ambientProperties().userMode = false;
    control->ambientChanged();
    EXPECT_FALSE(control->ambientUserMode());
    EXPECT_EQ(site.invalidations(), before + 1);
}

TEST_F(ControlBase, ExtentsConvertBetweenHundredthsOfAMillimetreAndPixels) {
    EXPECT_EQ(hiMetricToPixels({2540, 1270}, 96), (gfx::Size{96, 48}));
    EXPECT_EQ(pixelsToHiMetric({290, 100}, 96), (gfx::Size{7673, 2646}));
    EXPECT_EQ(hiMetricToPixels(pixelsToHiMetric({290, 100}, 96), 96), (gfx::Size{290, 100}));
    EXPECT_EQ(mulDiv(-5, 1, 2), -3);
    EXPECT_EQ(mulDiv(7, 1, 0), 0);
}

TEST_F(ControlBase, TheExtentHandlerShapesWhatTheHostProposes) {
    // The sample keeps its height at half its width.
    gfx::Size applied = control->setExtent(pixelsToHiMetric({300, 100}, 96));
    EXPECT_EQ(hiMetricToPixels(applied, 96), (gfx::Size{300, 150}));
    EXPECT_EQ(control->extentPixels(), (gfx::Size{300, 150}));
    // Same width, new height: the width follows.
    control->setExtent(pixelsToHiMetric({300, 80}, 96));
    EXPECT_EQ(control->extentPixels(), (gfx::Size{160, 80}));
    EXPECT_GT(site.invalidations(), 0);
}

TEST_F(ControlBase, AControlAsksItsContainerForAnExtent) {
    ASSERT_TRUE(control->requestExtent({2000, 4400}));
    ASSERT_EQ(site.extentRequests().size(), 1U);
    EXPECT_EQ(site.extentRequests()[0], control->extent());
    EXPECT_EQ(control->extentPixels().cy * 2, control->extentPixels().cx);
    control->setSite(nullptr);
    EXPECT_FALSE(control->requestExtent({1000, 1000}));
}

TEST_F(ControlBase, WindowTimersTickOnVirtualTime) {
    ASSERT_TRUE(control->put("Interval", Variant(std::int32_t{250})).ok());
    EXPECT_EQ(*control->call("StartTimer"), Variant(true));
    EXPECT_EQ(site.timerPeriod(*control, 1), 250U);
    time->advance(249'000);
    EXPECT_EQ(site.runDueTimers(), 0U);
    time->advance(1'000);
    EXPECT_EQ(site.runDueTimers(), 1U);
    // Ticks that are late coalesce into one.
    time->advance(1'000'000);
    EXPECT_EQ(site.runDueTimers(), 1U);
    EXPECT_EQ(control->ticks(), 2);
    ASSERT_TRUE(control->call("StopTimer").ok());
    EXPECT_FALSE(site.timerArmed(*control, 1));
    time->advance(1'000'000);
    EXPECT_EQ(site.runDueTimers(), 0U);
    EXPECT_EQ(control->ticks(), 2);
}

TEST_F(ControlBase, TimersEndWithTheirControl) {
    ASSERT_TRUE(control->call("StartTimer").ok());
    ASSERT_TRUE(site.timerArmed(*control, 1));
    const Control* gone = control.get();
    control.reset();
    EXPECT_FALSE(site.timerArmed(*gone, 1));
    time->advance(5'000'000);
    EXPECT_EQ(site.runDueTimers(), 0U);
}

TEST_F(ControlBase, ControlsOutlivingTheirSiteAreLetGo) {
    auto survivor = createControl<CSampleCtrl>();
    {
        HeadlessSite shortLived;
        shortLived.attach(*survivor);
        ASSERT_TRUE(survivor->call("StartTimer").ok());
    }
    EXPECT_EQ(survivor->site(), nullptr);
    ASSERT_TRUE(survivor->put("PlotNum", Variant(std::int16_t{2})).ok());
}

TEST_F(ControlBase, RefreshAndAboutBoxAreStockMethods) {
    ASSERT_TRUE(control->call("Refresh").ok());
    EXPECT_EQ(site.paints(), 1);
    ASSERT_TRUE(control->call(-552).ok());
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0], (Message{"SAMPLE Control, Version 1.0",
                                               "About SAMPLE Control", MessageOwner::Control}));
}

TEST_F(ControlBase, DrawingOutsideAPaintLandsOnTheWindowAtOnce) {
    gfx::RecordingCanvas window({100, 50});
    site.setCanvas(&window);
    control->markCorner();
    ASSERT_EQ(window.calls().size(), 1U);
    EXPECT_EQ(window.calls()[0].points[0], (gfx::Point{99, 49}));
    EXPECT_EQ(site.windowDraws(), 1);
    EXPECT_EQ(site.paints(), 0);
}

TEST_F(ControlBase, WithoutAWindowToDrawOnTheControlAsksForARepaint) {
    const int before = site.invalidations();
    control->markCorner();
    EXPECT_EQ(site.invalidations(), before + 1);
    EXPECT_EQ(site.windowDraws(), 0);

    auto alone = createControl<CSampleCtrl>();
    alone->markCorner();  // no site: nothing to draw on, nothing to tell
}

}  // namespace
}  // namespace brennix::com::testing
