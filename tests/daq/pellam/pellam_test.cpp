#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "daq/pellam/pellam_ctrl.h"
#include "daq/pellam/pellam_library.h"
#include "drivers/dorv/dorv_library.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/class_registry.h"
#include "tests/daq/pellam/hardware_fixture.h"

namespace brennix::daq::testing {
namespace {

using pellam::CPellamCtrl;
using ::testing::ElementsAre;

class AnalogOutput : public HardwareControlTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(drivers::vexa::reload(), 1);
        ASSERT_EQ(drivers::senu::reload(), 1);
        ASSERT_EQ(drivers::dorv::reload(), 1);
    }

    std::shared_ptr<CPellamCtrl> opened(const std::string& key, std::uint32_t base,
                                        std::uint32_t irq = 0) {
        addDevice(key, base, irq);
        auto control = com::createControl<CPellamCtrl>();
        std::int32_t number = std::stoi(key.substr(0, 3));
        EXPECT_TRUE(control->put("DeviceNumber", com::Variant(number)));
        EXPECT_TRUE(control->OpenDevice());
        messages.clear();
        return control;
    }

    static void setChannel(CPellamCtrl& control, std::int16_t channel) {
        ASSERT_TRUE(control.put("Channel", com::Variant(channel)));
    }
};

TEST_F(AnalogOutput, AVexaChannelReceivesTheRawValue) {
    auto control = opened("000@Brax-VexaL", kVexaBase);
    setChannel(*control, 1);
    auto written = control->call("RawOutput", {com::Variant(std::int16_t{2048})});
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->toBool().value());
    EXPECT_EQ(machine.simulator().analogBoardAt(kVexaBase)->analogOutput(1), 2048);
    EXPECT_EQ(control->errorCode(), 0);
}

TEST_F(AnalogOutput, TheSenuOutputIgnoresTheChannel) {
    auto control = opened("000@Brax-Senu", kSenuBase);
    setChannel(*control, 1);
    EXPECT_TRUE(control->RawOutput(1000));
    EXPECT_EQ(machine.simulator().analogBoardAt(kSenuBase)->analogOutput(0), 1000);
}

TEST_F(AnalogOutput, TheDorvBoardGetsItsInterruptLineAtOpenAndWritesItsChannel) {
    auto control = opened("000@Brax-Dorv", kDorvBase, 5);
    EXPECT_EQ(control->device().device().m_irq, 5);
    setChannel(*control, 3);
    EXPECT_TRUE(control->RawOutput(0x234));
    EXPECT_EQ(machine.simulator().dorvBoardAt(kDorvBase)->analogOutput(3), 0x234);

    // The driver keeps interrupt lines apart: a second card on line 5 is
    // refused, which only happens when the line reached it.
    addDevice("001@Brax-Dorv", kDorvBase + 0x10, 5);
    auto second = com::createControl<CPellamCtrl>();
    ASSERT_TRUE(second->put("DeviceNumber", com::Variant(std::int32_t{1})));
    EXPECT_FALSE(second->OpenDevice());
    EXPECT_NE(second->errorCode(), 0);
    EXPECT_THAT(texts(), ElementsAre("Initialize device failed."));
}

TEST_F(AnalogOutput, OutsideBoardsReceiveChannelAndSignExtendedValue) {
    auto quem = opened("000@Brax-Quem", 0x240);
    setChannel(*quem, 1);
    EXPECT_TRUE(quem->RawOutput(1234));
    EXPECT_THAT(argumentsOf("W_Quem_DA"), ElementsAre(1, 1234));

    auto fenq = opened("001@Brax-Fenq", 0x250);
    setChannel(*fenq, 0);
    // -1 reaches the driver as -1; what it makes of it is its own affair.
    bool written = fenq->RawOutput(-1);
    auto records = calls().callsTo("W_Fenq_DA");
    ASSERT_EQ(records.size(), 1U);
    EXPECT_THAT(records[0].arguments, ElementsAre(0, -1));
    EXPECT_EQ(fenq->errorCode(), records[0].result);
    EXPECT_EQ(written, records[0].result == 0);
}

TEST_F(AnalogOutput, UbrixResultsAreTakenAsSuccess) {
    auto control = opened("000@ISA-Ubrix", 0);
    setChannel(*control, 1);
    ASSERT_TRUE(outside::simulation().failNext("_ubri_DA", 11));
    EXPECT_TRUE(control->RawOutput(77));
    EXPECT_EQ(control->errorCode(), 0);
    EXPECT_THAT(argumentsOf("_ubri_DA"), ElementsAre(1, 77));
    EXPECT_TRUE(texts().empty());
}

TEST_F(AnalogOutput, ADriverFailureIsReportedWithItsCode) {
    auto control = opened("000@Brax-Quem", 0x240);
    ASSERT_TRUE(outside::simulation().failNext("W_Quem_DA", 11));
    EXPECT_FALSE(control->RawOutput(5));
    EXPECT_EQ(control->errorCode(), 11);
    EXPECT_THAT(texts(), ElementsAre("D/A input data errror"));
}

class AnalogOutputRefusals : public AnalogOutput {};

TEST_F(AnalogOutputRefusals, WritingBeforeOpenDeviceIsRefused) {
    addDevice("000@Brax-Quem", 0x240);
    auto control = com::createControl<CPellamCtrl>();
    ASSERT_TRUE(control->put("DeviceNumber", com::Variant(std::int32_t{0})));
    EXPECT_FALSE(control->RawOutput(5));
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Device not open"));
    EXPECT_TRUE(calls().callsTo("W_Quem_DA").empty());
}

TEST_F(AnalogOutputRefusals, ANegativeChannelIsRefusedAndTheOldOneKept) {
    auto control = com::createControl<CPellamCtrl>();
    setChannel(*control, 2);
    ASSERT_TRUE(control->put("Channel", com::Variant(std::int16_t{-3})));
    EXPECT_EQ(control->channel(), 2);
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Channel can't smaller than 0"));
    // No upper bound: the driver decides.
    setChannel(*control, 300);
    EXPECT_EQ(control->channel(), 300);
}

TEST_F(AnalogOutputRefusals, ABoardOutsideTheColumnFailsInitial) {
    addDevice("000@Brax-Kilp", 0x240);
    auto control = com::createControl<CPellamCtrl>();
    ASSERT_TRUE(control->put("DeviceNumber", com::Variant(std::int32_t{0})));
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("Invalid board number", "Initialize device failed."));
    EXPECT_TRUE(calls().records().empty());
}

TEST_F(AnalogOutputRefusals, ALongDeviceNumberHasThePellamWording) {
    auto control = com::createControl<CPellamCtrl>();
    ASSERT_TRUE(control->put("DeviceNumber", com::Variant(std::int32_t{1000})));
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_THAT(texts(), ElementsAre("device number length can't larger than 3",
                                     "Read device initialize parameters from Registry error"));
}

class PellamClass : public AnalogOutput {};

TEST_F(PellamClass, MembersCarryTheirNumbersAndPersistInOrder) {
    auto control = com::createControl<CPellamCtrl>();
    EXPECT_EQ(control->idOfName("ErrorCode").value(), 1);
    EXPECT_EQ(control->idOfName("Channel").value(), 2);
    EXPECT_EQ(control->idOfName("DeviceNumber").value(), 3);
    EXPECT_EQ(control->idOfName("OpenDevice").value(), 4);
    EXPECT_EQ(control->idOfName("RawOutput").value(), 5);
    EXPECT_EQ(control->idOfName("AboutBox").value(), -552);
    std::vector<std::string> order;
    for (const auto& entry : CPellamCtrl::table().persisted()) {
        order.push_back(entry.name);
    }
    EXPECT_THAT(order, ElementsAre("Channel", "DeviceNumber", "ErrorCode"));
    EXPECT_EQ(control->get("DeviceNumber")->toInt32().value(), -1);
    // The host may clear ErrorCode.
    EXPECT_TRUE(control->put("ErrorCode", com::Variant(std::int32_t{0})));
}

TEST_F(PellamClass, TheAboutBoxNamesTheControl) {
    auto control = com::createControl<CPellamCtrl>();
    ASSERT_TRUE(control->call("AboutBox"));
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].caption, "About Pellam Control");
    EXPECT_EQ(messages.messages()[0].text, "Pellam Control, Version 1.0");
}

TEST_F(PellamClass, IsCreatedByItsProgrammaticIdentifier) {
    com::ClassRegistry registry;
    ASSERT_TRUE(pellam::library().registerServer(registry));
    auto control = registry.create("PELLAM.PellamCtrl.1");
    ASSERT_TRUE(control);
    EXPECT_TRUE(registry.create("PELLAMLib.Pellam"));
    EXPECT_NE(dynamic_cast<CPellamCtrl*>(control->get()), nullptr);
}

TEST_F(PellamClass, IsRefusedWhileTheDorvDriverCouldNotAttach) {
    com::ClassRegistry registry;
    ASSERT_TRUE(pellam::library().registerServer(registry));
    machine.simulator().setDeviceAvailable(sim::kDorvAcquisitionDevice, false);
    ASSERT_EQ(drivers::dorv::reload(), 0);
    messages.clear();
    EXPECT_FALSE(registry.create("PELLAM.PellamCtrl.1"));
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_THAT(messages.messages()[0].text, ::testing::HasSubstr("Dorv"));
    machine.simulator().setDeviceAvailable(sim::kDorvAcquisitionDevice, true);
    ASSERT_EQ(drivers::dorv::reload(), 1);
    EXPECT_TRUE(registry.create("PELLAM.PellamCtrl.1"));
}

}  // namespace
}  // namespace brennix::daq::testing
