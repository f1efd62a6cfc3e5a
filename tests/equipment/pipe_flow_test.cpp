// The blinking of a pipe: its window timer, the tick guard and the flow
// colour that alternates on every paint.

#include <gtest/gtest.h>

#include "platform/com/headless_site.h"
#include "platform/com/property_exchange.h"
#include "platform/hw/clock.h"
#include "tests/equipment/equipment_fixture.h"
#include "tests/equipment/equipment_kinds.h"

namespace brennix::equipment::testing {
namespace {

constexpr gfx::ColorRef kRed = 0x0000FF;
constexpr gfx::ColorRef kDarkRed = 0x00007F;

class PipeFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pipe->put("PipeStyle", com::Variant(std::int16_t{4})).ok());
        ASSERT_TRUE(pipe->put("PipeColor", com::Variant::fromColor(kRed)).ok());
        site.attach(*pipe);
        site.clearRecords();
    }

    // The body colour of one paint.
    gfx::ColorRef paintedBody() {
        const auto calls = recordSymbol(*pipe, {0, 0, 38, 15});
        return calls.empty() ? 0xFFFFFFFF : calls.front().brush.color;
    }
    void advanceMs(std::uint64_t ms) { time->advance(ms * 1000); }

    std::shared_ptr<hw::VirtualClock> time = std::make_shared<hw::VirtualClock>();
    hw::ScopedClock scopedClock{time};
    com::HeadlessSite site;
    std::shared_ptr<CPipeCtrl> pipe = com::createControl<CPipeCtrl>();
};

TEST_F(PipeFlow, TwoConsecutivePaintsShowRedAndDarkRed) {
    EXPECT_EQ(paintedBody(), kRed);
    EXPECT_EQ(paintedBody(), kDarkRed);
    EXPECT_EQ(paintedBody(), kRed);
}

TEST_F(PipeFlow, ThePipeBlinksFromTheMomentItIsShown) {
    EXPECT_EQ(site.timerPeriod(*pipe, CPipeCtrl::kFlowTimer), 1000U);
    advanceMs(999);
    EXPECT_EQ(site.runDueTimers(), 0U);
    advanceMs(1);
    EXPECT_EQ(site.runDueTimers(), 1U);
    EXPECT_EQ(site.invalidations(), 1);
    advanceMs(1000);
    site.runDueTimers();
    EXPECT_EQ(site.invalidations(), 2);
}

TEST_F(PipeFlow, StopTimerFreezesThePhaseButAnotherRepaintStillTogglesIt) {
    EXPECT_EQ(paintedBody(), kRed);
    ASSERT_TRUE(pipe->call("StopTimer").ok());
    EXPECT_FALSE(site.timerArmed(*pipe, CPipeCtrl::kFlowTimer));
    advanceMs(10'000);
    EXPECT_EQ(site.runDueTimers(), 0U);
    EXPECT_EQ(site.invalidations(), 0);
    EXPECT_FALSE(pipe->fullPhaseNext());
    // A host that repaints for another reason still flips the colour.
    EXPECT_EQ(paintedBody(), kDarkRed);
    EXPECT_EQ(paintedBody(), kRed);
    // Stopping twice is harmless.
    ASSERT_TRUE(pipe->call("StopTimer").ok());
}

TEST_F(PipeFlow, SettingIntervalWhileStoppedStartsTheTimerAgain) {
    ASSERT_TRUE(pipe->call("StopTimer").ok());
    ASSERT_TRUE(pipe->put("Interval", com::Variant(std::int32_t{250})).ok());
    EXPECT_EQ(site.timerPeriod(*pipe, CPipeCtrl::kFlowTimer), 250U);
    EXPECT_TRUE(pipe->isModified());
    site.clearRecords();
    advanceMs(250);
    EXPECT_EQ(site.runDueTimers(), 1U);
    EXPECT_EQ(site.invalidations(), 1);
}

TEST_F(PipeFlow, StartTimerReArmsWithTheIntervalReplacingARunningTimer) {
    advanceMs(600);
    ASSERT_TRUE(pipe->call("StartTimer").ok());
    // The period starts over: 600 + 1000 ms, not 1000 ms.
    advanceMs(400);
    EXPECT_EQ(site.runDueTimers(), 0U);
    advanceMs(600);
    EXPECT_EQ(site.runDueTimers(), 1U);
    EXPECT_EQ(pipe->call("StartTimer")->type(), com::VarType::Empty);
}

TEST_F(PipeFlow, ALoadedIntervalTakesOverTheRunningTimer) {
    auto other = com::createControl<CPipeCtrl>();
    ASSERT_TRUE(other->put("Interval", com::Variant(std::int32_t{40})).ok());
    ASSERT_TRUE(com::PropertyExchange::load(*pipe, com::PropertyExchange::save(*other)).ok());
    EXPECT_EQ(site.timerPeriod(*pipe, CPipeCtrl::kFlowTimer), 40U);
}

TEST_F(PipeFlow, AStoppedPipeStaysStoppedWhenPropertiesAreLoaded) {
    ASSERT_TRUE(pipe->call("StopTimer").ok());
    pipe->resetToDefaults();
    EXPECT_FALSE(site.timerArmed(*pipe, CPipeCtrl::kFlowTimer));
}

TEST_F(PipeFlow, TheTimerEndsWithTheWindow) {
    const CPipeCtrl* gone = pipe.get();
    pipe.reset();
    EXPECT_FALSE(site.timerArmed(*gone, CPipeCtrl::kFlowTimer));
    advanceMs(5000);
    EXPECT_EQ(site.runDueTimers(), 0U);
}

TEST_F(PipeFlow, ANegativeIntervalTicksAsFastAsTheSiteAllows) {
    ASSERT_TRUE(pipe->put("Interval", com::Variant(std::int32_t{-5})).ok());
    EXPECT_EQ(site.timerPeriod(*pipe, CPipeCtrl::kFlowTimer), 1U);
}

// A container whose invalidation delivers the pipe's next tick at once, and
// whose timers can be refused.
class EagerSite final : public com::Site {
  public:
    com::Ambient ambient() const override { return {}; }
    void invalidate(com::Control& control, const std::optional<gfx::Rect>&) override {
        ++invalidations;
        if (reenter) {
            control.timerTick(CPipeCtrl::kFlowTimer);
        }
    }
    void updateNow(com::Control&) override {}
    bool setTimer(com::Control&, std::uint32_t, std::uint32_t) override {
        ++timerRequests;
        return armTimers;
    }
    void killTimer(com::Control&, std::uint32_t) override {}
    bool requestExtent(com::Control&, gfx::Size) override { return true; }
    void detach(com::Control&) override {}

    bool reenter = false;
    bool armTimers = true;
    int invalidations = 0;
    int timerRequests = 0;
};

TEST(PipeTick, ATickArrivingWhileTheLastIsHandledDoesNotInvalidateAgain) {
    EagerSite site;
    auto pipe = com::createControl<CPipeCtrl>();
    site.reenter = true;
    pipe->setSite(&site);
    pipe->timerTick(CPipeCtrl::kFlowTimer);
    EXPECT_EQ(site.invalidations, 1);
    // The guard is down again for the next tick.
    pipe->timerTick(CPipeCtrl::kFlowTimer);
    EXPECT_EQ(site.invalidations, 2);
    pipe->setSite(nullptr);
}

TEST(PipeTick, ATimerThatCannotBeArmedIsIgnored) {
    EagerSite site;
    site.armTimers = false;
    auto pipe = com::createControl<CPipeCtrl>();
    pipe->setSite(&site);
    EXPECT_EQ(site.timerRequests, 1);
    ASSERT_TRUE(pipe->call("StartTimer").ok());
    ASSERT_TRUE(pipe->put("Interval", com::Variant(std::int32_t{10})).ok());
    EXPECT_EQ(site.timerRequests, 3);
    // Not running, so loading does not try again; painting still blinks.
    pipe->resetToDefaults();
    EXPECT_EQ(site.timerRequests, 3);
    const auto first = recordSymbol(*pipe, {0, 0, 38, 38});
    const auto second = recordSymbol(*pipe, {0, 0, 38, 38});
    EXPECT_NE(first.front().brush.color, second.front().brush.color);
    pipe->setSite(nullptr);
}

TEST(PipeTick, APipeWithoutAWindowCanStillBeStartedAndStopped) {
    auto pipe = com::createControl<CPipeCtrl>();
    EXPECT_TRUE(pipe->call("StartTimer").ok());
    EXPECT_TRUE(pipe->call("StopTimer").ok());
    pipe->timerTick(CPipeCtrl::kFlowTimer);
}

TEST(PipeTick, ASystemColourFlowsBetweenItsValueAndHalfOfIt) {
    auto pipe = com::createControl<CPipeCtrl>();
    ASSERT_TRUE(pipe->put("PipeStyle", com::Variant(std::int16_t{5})).ok());
    ASSERT_TRUE(pipe->put("PipeColor", com::Variant::fromColor(
                                           gfx::systemColorRef(gfx::SystemColor::ButtonFace)))
                    .ok());
    const gfx::ColorRef face = *gfx::systemColorValue(15);
    EXPECT_EQ(recordSymbol(*pipe, {0, 0, 15, 38}).front().brush.color, face);
    EXPECT_EQ(recordSymbol(*pipe, {0, 0, 15, 38}).front().brush.color, (face >> 1) & 0x7F7F7FU);
}

}  // namespace
}  // namespace brennix::equipment::testing
