#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "daq/tolvan/tolvan_ctrl.h"
#include "daq/tolvan/tolvan_library.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/class_registry.h"
#include "platform/com/property_exchange.h"
#include "tests/daq/pellam/hardware_fixture.h"

namespace brennix::daq::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using tolvan::CTolvanCtrl;

class Counter : public HardwareControlTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(drivers::vexa::reload(), 1);
        ASSERT_EQ(drivers::olmi::reload(), 1);
    }

    std::shared_ptr<CTolvanCtrl> open(const std::string& key, std::uint32_t base = 0x240) {
        return openControl<CTolvanCtrl>(key, base);
    }
    static void put(CTolvanCtrl& control, const char* name, com::Variant value) {
        ASSERT_TRUE(control.put(name, std::move(value)));
    }
    static std::int32_t counterValue(CTolvanCtrl& control) {
        return control.get("CounterValue")->toInt32().value();
    }
    const sim::CounterChip& counters(std::uint32_t base) {
        return machine.simulator().analogBoardAt(static_cast<hw::PortAddress>(base))->counters();
    }
};

TEST_F(Counter, ANilbCounterIsStartedReadAndStoppedOnItsChannel) {
    auto control = open("000@Brax-Nilb");
    put(*control, "Channel", com::Variant(std::int16_t{2}));
    put(*control, "PresetValue", com::Variant(std::int32_t{1000}));
    EXPECT_TRUE(control->call("EnableCounter", {com::Variant(true)})->toBool().value());
    EXPECT_THAT(argumentsOf("W_Nilb_Timer_Start"), ElementsAre(2, 0, 1000));

    machine.clock().advance(5000);
    std::int32_t read = counterValue(*control);
    auto reads = calls().callsTo("W_Nilb_Timer_Read");
    ASSERT_EQ(reads.size(), 1U);
    EXPECT_THAT(reads[0].arguments, ElementsAre(2));
    EXPECT_THAT(reads[0].outputs, ElementsAre(read));
    EXPECT_LT(read, 1000);

    machine.clock().advance(5000);
    EXPECT_TRUE(control->EnableCounter(false));
    auto stops = calls().callsTo("W_Nilb_Timer_Stop");
    ASSERT_EQ(stops.size(), 1U);
    EXPECT_THAT(stops[0].arguments, ElementsAre(2));
    EXPECT_EQ(control->storedCounterValue(), stops[0].outputs.at(0));
    EXPECT_LT(control->storedCounterValue(), read);
}

TEST_F(Counter, TheOlmiCounterRefusesAnotherChannelOnlyAtStart) {
    auto control = open("000@Brax-Olmi", kOlmiBase);
    put(*control, "Channel", com::Variant(std::int16_t{1}));
    std::size_t writes = machine.journal().writes().size();
    EXPECT_FALSE(control->EnableCounter(true));
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre(" Only 1 timer", "Start Timer error"));
    EXPECT_EQ(machine.journal().writes().size(), writes);

    // Read and stop still reach the single counter.
    put(*control, "Channel", com::Variant(std::int16_t{0}));
    put(*control, "PresetValue", com::Variant(std::int32_t{500}));
    ASSERT_TRUE(control->EnableCounter(true));
    EXPECT_EQ(counters(kOlmiBase).counter(0).reload, 500U);
    put(*control, "Channel", com::Variant(std::int16_t{1}));
    machine.clock().advance(100);
    EXPECT_LT(counterValue(*control), 500);
    EXPECT_EQ(control->errorCode(), 0);
    EXPECT_TRUE(control->EnableCounter(false));
}

TEST_F(Counter, AVexaCounterIsLoadedWithThePresetInModeZero) {
    auto control = open("000@Brax-VexaL", kVexaBase);
    put(*control, "PresetValue", com::Variant(std::int32_t{0}));
    EXPECT_TRUE(control->EnableCounter(true));
    EXPECT_EQ(counters(kVexaBase).counter(0).mode, 0U);
    EXPECT_EQ(counters(kVexaBase).counter(0).reload, 65536U);
}

TEST_F(Counter, CounterValueBeforeOpenDeviceIsTheStoredValue) {
    addDevice("000@Brax-Kilp", 0x240);
    auto control = com::createControl<CTolvanCtrl>();
    ASSERT_TRUE(com::PropertyExchange::load(*control, R"({"version": "1.0", "properties": {
        "CounterValue": {"type": "long", "value": 42}}})"));
    put(*control, "DeviceNumber", com::Variant(std::int32_t{0}));
    EXPECT_EQ(counterValue(*control), 42);
    EXPECT_TRUE(calls().records().empty());
}

TEST_F(Counter, SavingReadsNoCounterEvenWhileOpened) {
    auto control = open("000@Brax-Kilp");
    ASSERT_TRUE(control->EnableCounter(true));
    ASSERT_TRUE(control->EnableCounter(false));
    std::size_t before = calls().records().size();
    std::string saved = com::PropertyExchange::save(*control);
    EXPECT_EQ(calls().records().size(), before);
    EXPECT_THAT(saved, HasSubstr("\"CounterValue\""));
}

TEST_F(Counter, AFailedReadKeepsTheValueAndSaysSo) {
    auto control = open("000@Brax-Kilp");
    ASSERT_TRUE(outside::simulation().failNext("W_Kilp_Timer_Read", 20));
    EXPECT_EQ(counterValue(*control), 0);
    EXPECT_EQ(control->errorCode(), 20);
    ASSERT_TRUE(outside::simulation().failNext("W_Kilp_Timer_Stop", 20));
    EXPECT_FALSE(control->EnableCounter(false));
    EXPECT_EQ(control->storedCounterValue(), 0);
    EXPECT_THAT(texts(), ElementsAre("Timer read data error", "Stop Timer error"));
}

class CounterRefusals : public Counter {};

TEST_F(CounterRefusals, PresetValueMustFitSixteenBits) {
    auto control = com::createControl<CTolvanCtrl>();
    put(*control, "PresetValue", com::Variant(std::int32_t{65536}));
    put(*control, "PresetValue", com::Variant(std::int32_t{-1}));
    EXPECT_EQ(control->presetValue(), 65535);
    EXPECT_EQ(control->errorCode(), -1);
    put(*control, "PresetValue", com::Variant(std::int32_t{0}));
    EXPECT_EQ(control->presetValue(), 0);
    put(*control, "Channel", com::Variant(std::int16_t{-1}));
    EXPECT_EQ(control->channel(), 0);
    EXPECT_THAT(texts(),
                ElementsAre("invalid PresetValue", "invalid PresetValue", "Invalid Channel"));
}

TEST_F(CounterRefusals, CounterValueCannotBeSet) {
    auto control = com::createControl<CTolvanCtrl>();
    auto status = control->put("CounterValue", com::Variant(std::int32_t{5}));
    EXPECT_FALSE(status);
    EXPECT_EQ(control->storedCounterValue(), 0);
}

TEST_F(CounterRefusals, AFailedInitialHasTheCounterWording) {
    addDevice("000@Brax-Kilp", 0x10);  // a base the board refuses
    auto control = com::createControl<CTolvanCtrl>();
    put(*control, "DeviceNumber", com::Variant(std::int32_t{0}));
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_NE(control->errorCode(), 0);
    EXPECT_THAT(texts(), ElementsAre("Initialize device error."));
}

class TolvanClass : public Counter {};

TEST_F(TolvanClass, MembersCarryTheirNumbersAndPersistInOrder) {
    auto control = com::createControl<CTolvanCtrl>();
    const std::vector<std::pair<std::string, com::DispId>> ids{
        {"DeviceNumber", 1}, {"ErrorCode", 2},  {"PresetValue", 3},   {"CounterValue", 4},
        {"Channel", 5},      {"OpenDevice", 6}, {"EnableCounter", 7}, {"AboutBox", -552}};
    for (const auto& [name, id] : ids) {
        EXPECT_EQ(control->idOfName(name).value(), id) << name;
    }
    EXPECT_FALSE(control->idOfName("StoredCounterValue"));
    std::vector<std::string> order;
    for (const auto& entry : CTolvanCtrl::table().persisted()) {
        order.push_back(entry.name);
    }
    EXPECT_THAT(order,
                ElementsAre("DeviceNumber", "PresetValue", "CounterValue", "Channel", "ErrorCode"));
    EXPECT_TRUE(CTolvanCtrl::table().problems().empty());
}

TEST_F(TolvanClass, IsCreatedByItsProgrammaticIdentifier) {
    com::ClassRegistry registry;
    ASSERT_TRUE(tolvan::library().registerServer(registry));
    auto control = registry.create("TOLVAN.TolvanCtrl.1");
    ASSERT_TRUE(control);
    EXPECT_TRUE(registry.create("TOLVANLib.Tolvan"));
    EXPECT_NE(dynamic_cast<CTolvanCtrl*>(control->get()), nullptr);
    ASSERT_TRUE((*control)->call("AboutBox"));
    EXPECT_EQ(messages.messages().back().caption, "About Tolvan Control");
}

}  // namespace
}  // namespace brennix::daq::testing
