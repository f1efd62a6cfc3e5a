#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "daq/sarnet/sarnet_ctrl.h"
#include "daq/sarnet/sarnet_library.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/class_registry.h"
#include "tests/daq/pellam/hardware_fixture.h"

namespace brennix::daq::testing {
namespace {

using sarnet::CSarnetCtrl;
using ::testing::ElementsAre;

class PulseOutput : public HardwareControlTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(drivers::vexa::reload(), 1);
        ASSERT_EQ(drivers::olmi::reload(), 1);
    }

    std::shared_ptr<CSarnetCtrl> open(const std::string& key, std::uint32_t base = 0x240) {
        return openControl<CSarnetCtrl>(key, base);
    }
    static void put(CSarnetCtrl& control, const char* name, com::Variant value) {
        ASSERT_TRUE(control.put(name, std::move(value)));
    }
    const sim::CounterChip& counters(std::uint32_t base) {
        return machine.simulator().analogBoardAt(static_cast<hw::PortAddress>(base))->counters();
    }
};

TEST_F(PulseOutput, AVexaSquareWaveRunsAtThePulseWidthUntilStopped) {
    auto control = open("000@Brax-VexaL", kVexaBase);
    put(*control, "PulseWidth", com::Variant(std::int32_t{100}));
    EXPECT_TRUE(control->call("EnablePulseOut", {com::Variant(true)})->toBool().value());
    EXPECT_EQ(counters(kVexaBase).counter(0).mode, 3U);
    EXPECT_EQ(counters(kVexaBase).counter(0).reload, 100U);
    EXPECT_TRUE(control->EnablePulseOut(false));
    // Stopping parks the counter in mode 0.
    EXPECT_EQ(counters(kVexaBase).counter(0).mode, 0U);
    EXPECT_EQ(control->errorCode(), 0);
}

TEST_F(PulseOutput, SeveralCounterBoardsGetTheChannel) {
    auto kilp = open("000@Brax-Kilp");
    put(*kilp, "Channel", com::Variant(std::int16_t{2}));
    put(*kilp, "PulseWidth", com::Variant(std::int32_t{50}));
    EXPECT_TRUE(kilp->EnablePulseOut(true));
    EXPECT_THAT(argumentsOf("W_Kilp_Timer_Start"), ElementsAre(2, 3, 50));
    EXPECT_TRUE(kilp->EnablePulseOut(false));
    EXPECT_THAT(argumentsOf("W_Kilp_Timer_Stop"), ElementsAre(2));

    auto nilb = open("001@Brax-Nilb", 0x260);
    put(*nilb, "Channel", com::Variant(std::int16_t{1}));
    EXPECT_TRUE(nilb->EnablePulseOut(true));
    EXPECT_THAT(argumentsOf("W_Nilb_Timer_Start"), ElementsAre(1, 3, 4));
}

TEST_F(PulseOutput, OneCounterBoardsRefuseAnotherChannelBeforeAnyCall) {
    auto control = open("000@Brax-Fenq");
    put(*control, "Channel", com::Variant(std::int16_t{1}));
    EXPECT_FALSE(control->EnablePulseOut(true));
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Only one timer", "Start timer error"));
    EXPECT_TRUE(calls().callsTo("W_Fenq_TIMER_Start").empty());
    // Stop ignores the channel.
    messages.clear();
    EXPECT_TRUE(control->EnablePulseOut(false));
    EXPECT_EQ(calls().callsTo("W_Fenq_TIMER_Stop").size(), 1U);
}

TEST_F(PulseOutput, DriverFailuresCarryTheirCodes) {
    auto control = open("000@Brax-Kilp");
    ASSERT_TRUE(outside::simulation().failNext("W_Kilp_Timer_Start", 19));
    EXPECT_FALSE(control->EnablePulseOut(true));
    EXPECT_EQ(control->errorCode(), 19);
    ASSERT_TRUE(outside::simulation().failNext("W_Kilp_Timer_Stop", 20));
    EXPECT_FALSE(control->EnablePulseOut(false));
    EXPECT_EQ(control->errorCode(), 20);
    EXPECT_THAT(texts(), ElementsAre("Start timer error", "Stop timer error"));
}

class PulseOutputRefusals : public PulseOutput {};

TEST_F(PulseOutputRefusals, PulseWidthAndChannelOutsideTheirRangesAreRefused) {
    auto control = com::createControl<CSarnetCtrl>();
    put(*control, "PulseWidth", com::Variant(std::int32_t{0}));
    put(*control, "PulseWidth", com::Variant(std::int32_t{-5}));
    EXPECT_EQ(control->pulseWidth(), 4);
    put(*control, "Channel", com::Variant(std::int16_t{6}));
    put(*control, "Channel", com::Variant(std::int16_t{5}));
    EXPECT_EQ(control->channel(), 5);
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("PulseWidth must larger than 0",
                                     "PulseWidth must larger than 0", "Invalid Channel"));
}

TEST_F(PulseOutputRefusals, ABoardOutsideTheColumnIsRefusedAtOpen) {
    addDevice("000@Brax-Senu", kSenuBase);
    auto control = com::createControl<CSarnetCtrl>();
    put(*control, "DeviceNumber", com::Variant(std::int32_t{0}));
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Invalid board type", "Initialize device failed."));
}

class SarnetClass : public PulseOutput {};

TEST_F(SarnetClass, MembersCarryTheirNumbersAndPersistInOrder) {
    auto control = com::createControl<CSarnetCtrl>();
    const std::vector<std::pair<std::string, com::DispId>> ids{
        {"DeviceNumber", 1}, {"ErrorCode", 2},      {"PulseWidth", 3}, {"Channel", 4},
        {"OpenDevice", 5},   {"EnablePulseOut", 6}, {"AboutBox", -552}};
    for (const auto& [name, id] : ids) {
        EXPECT_EQ(control->idOfName(name).value(), id) << name;
    }
    std::vector<std::string> order;
    for (const auto& entry : CSarnetCtrl::table().persisted()) {
        order.push_back(entry.name);
    }
    EXPECT_THAT(order, ElementsAre("DeviceNumber", "Channel", "PulseWidth", "ErrorCode"));
    EXPECT_EQ(control->get("PulseWidth")->toInt32().value(), 4);
}

TEST_F(SarnetClass, IsCreatedByItsProgrammaticIdentifier) {
    com::ClassRegistry registry;
    ASSERT_TRUE(sarnet::library().registerServer(registry));
    auto control = registry.create("SARNET.SarnetCtrl.1");
    ASSERT_TRUE(control);
    EXPECT_TRUE(registry.create("SARNETLib.Sarnet"));
    EXPECT_NE(dynamic_cast<CSarnetCtrl*>(control->get()), nullptr);
    ASSERT_TRUE((*control)->call("AboutBox"));
    EXPECT_EQ(messages.messages().back().caption, "About Sarnet Control");
}

}  // namespace
}  // namespace brennix::daq::testing
