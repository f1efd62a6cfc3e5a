#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "daq/orsino/orsino_library.h"
#include "outside/fenq.h"
#include "platform/com/class_registry.h"
#include "simulator/signal_source.h"
#include "tests/daq/orsino/orsino_fixture.h"

extern "C" int DllRegisterServer();

namespace brennix::daq::orsino::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::int32_t code(double volts) {
    return sim::codeForVolts(volts, -5.0, 5.0);
}

class OpeningADevice : public OrsinoTest {};

TEST_F(OpeningADevice, AHostCreatesTheControlByNameAndOpensTheSecondVexaAsCardOne) {
    ASSERT_EQ(DllRegisterServer(), 0);
    auto created = com::ClassRegistry::process().create("ORSINO.ORSINOCtrl.1");
    ASSERT_TRUE(created.ok());
    std::shared_ptr<com::Control> host = *created;
    ASSERT_TRUE(host->put("DeviceNumber", std::int32_t{kSecondVexa}).ok());
    EXPECT_EQ(host->call("OpenDevice")->toBool().valueOr(false), true);
    EXPECT_EQ(host->get("ErrorCode")->toInt32().valueOr(-9), 0);
    // Card 1 at 0x340 is the current Vexa card: its channel 3 holds -2 V.
    EXPECT_EQ(host->call("RawInput", {std::int16_t{3}})->toInt32().valueOr(-9), code(-2.0));

    ASSERT_TRUE(host->put("DeviceNumber", std::int32_t{kVexa}).ok());
    EXPECT_EQ(host->call("OpenDevice")->toBool().valueOr(false), true);
    EXPECT_EQ(host->call("RawInput", {std::int16_t{3}})->toInt32().valueOr(-9), code(1.0));

    // A third Vexa device is card 2, which the driver refuses.
    ASSERT_TRUE(host->put("DeviceNumber", std::int32_t{kThirdVexa}).ok());
    EXPECT_EQ(host->call("OpenDevice")->toBool().valueOr(true), false);
    EXPECT_EQ(host->get("ErrorCode")->toInt32().valueOr(-9), 2);
    EXPECT_THAT(messages.texts(), ElementsAre("Invalid board number"));
}

TEST_F(OpeningADevice, ADriverThatCouldNotAttachRefusesTheControl) {
    ASSERT_EQ(DllRegisterServer(), 0);
    machine.simulator().setDeviceAvailable(sim::kAcquisitionDevice, false);
    ASSERT_EQ(drivers::olmi::reload(), 0);
    auto created = com::ClassRegistry::process().create("ORSINO.ORSINOCtrl.1");
    EXPECT_FALSE(created.ok());
    ASSERT_EQ(messages.texts().size(), 2U);
    EXPECT_THAT(messages.texts()[1], ::testing::HasSubstr("Olmi driver could not open"));
    machine.simulator().setDeviceAvailable(sim::kAcquisitionDevice, true);
    ASSERT_EQ(drivers::olmi::reload(), 1);
    EXPECT_TRUE(com::ClassRegistry::process().create("ORSINO.ORSINOCtrl.1").ok());
}

TEST_F(OpeningADevice, AFreshControlHasNoDeviceToOpen) {
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_FALSE(control->opened());
    EXPECT_THAT(messages.texts(),
                ElementsAre("Error: Can't open correlative hKEY!",
                            "Read device initialize parameters from Registry error"));
}

TEST_F(OpeningADevice, BuffersTooLargeToHoldAreRefused) {
    set("NumberOfSamples", std::int32_t{600'000'000});
    set("DeviceNumber", kVexa);
    EXPECT_FALSE(control->OpenDevice());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_FALSE(control->opened());
    EXPECT_THAT(messages.texts(), ElementsAre("Allocate memory error"));
}

class RawInputOnEachBoard : public OrsinoTest {};

TEST_F(RawInputOnEachBoard, ReadingBeforeOpenDeviceIsRefused) {
    EXPECT_EQ(control->RawInput(0), -1);
    EXPECT_EQ(errorCode(), -1);
    EXPECT_THAT(messages.texts(), ElementsAre("Device not open"));
    EXPECT_THAT(eventOrder, IsEmpty());
}

TEST_F(RawInputOnEachBoard, VexaReturnsTheSampleAndFiresTheOneElementEvent) {
    set("TriggerMode", std::int16_t{2});
    set("TransferMode", std::int16_t{1});
    open(kVexa);
    EXPECT_EQ(control->RawInput(3), code(1.0));
    EXPECT_EQ(errorCode(), 0);
    EXPECT_EQ(getInt("StartChannel"), 3);
    EXPECT_EQ(getInt("TriggerMode"), 1);
    EXPECT_EQ(getInt("TransferMode"), 0);
    EXPECT_EQ(control->modeCode(), 1);
    EXPECT_THAT(eventOrder, ElementsAre("OnEventRaw", "OnTerminated"));
    ASSERT_EQ(rawEvents.size(), 1U);
    EXPECT_EQ(rawEvents[0].count, 1);
    ASSERT_NE(rawEvents[0].data.array(), nullptr);
    EXPECT_EQ(rawEvents[0].data.array()->elementType(), com::VarType::Int32);
    EXPECT_THAT(elements(rawEvents[0].data), ElementsAre(code(1.0)));
    const sim::AnalogBoard* board = machine.simulator().analogBoardAt(kVexaBase);
    EXPECT_EQ(board->selectedChannel(), 3U);
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(RawInputOnEachBoard, SenuWithAnInterruptLineOutsideTwoToSevenCannotSetItsMode) {
    ASSERT_TRUE(store.addDevice("003@Brax-Senu", {{"IRQ1", 9}}));
    open(kSenu);
    EXPECT_EQ(control->RawInput(2), code(-1.0));
    EXPECT_THAT(messages.texts(),
                ElementsAre("Invalid IRQ number,see manual about this board", "Set mode error"));
}

TEST_F(RawInputOnEachBoard, ZoltReadsTheChannelWithoutATrigger) {
    ASSERT_TRUE(outside::simulation().board(outside::Library::Zolt, 0)->setSignal(5, {1234, 0}));
    set("AdGain", std::int16_t{2});
    open(kZolt);
    EXPECT_EQ(control->RawInput(5), 1234);
    EXPECT_THAT(outside::simulation().journal().lines(),
                ElementsAre("W_Zolt_AD_Set_Channel(5) = 0", "W_Zolt_AD_Set_Gain(2) = 0",
                            "W_Zolt_AD_Channel_Read(5) -> 1234 = 0"));
    EXPECT_THAT(elements(rawEvents.at(0).data), ElementsAre(1234));
}

TEST_F(RawInputOnEachBoard, FenqProgramsModeAndRangeThenTriggers) {
    ASSERT_TRUE(outside::simulation().board(outside::Library::Fenq, 0)->setSignal(2, {-300, 0}));
    set("AdGain", std::int16_t{3});
    open(kFenq);
    // The Fenq sample is 16 bits wide and sign-extended.
    EXPECT_EQ(control->RawInput(2), -300);
    EXPECT_THAT(elements(rawEvents.at(0).data), ElementsAre(-300));
    EXPECT_THAT(outside::simulation().journal().lines(),
                ElementsAre("W_Fenq_AD_Set_Channel(2) = 0", "W_Fenq_AD_Set_Mode(0) = 0",
                            "W_Fenq_AD_Set_Range(3) = 0", "W_Fenq_AD_Soft_Trig() = 0",
                            "W_Fenq_AD_Aquire() -> -300 = 0"));
}

TEST_F(RawInputOnEachBoard, UbrixScansOneChannelAndItsResultsAreNotLookedAt) {
    ASSERT_TRUE(outside::simulation().board(outside::Library::Ubrix, 0)->setSignal(4, {777, 0}));
    set("AdGain", std::int16_t{1});
    open(kUbrix);
    EXPECT_EQ(control->RawInput(4), 777);
    EXPECT_THAT(outside::simulation().journal().lines(),
                ElementsAre("_ubri_AD_Set_Channel_Scan(4, 4) = 0", "_ubri_AD_Set_Mode(1) = 0",
                            "_ubri_AD_Set_Range(1) = 0", "_ubri_AD_Soft_Trigger() = 0",
                            "_ubri_AD_Acquire() -> 777 = 0"));
}

TEST_F(RawInputOnEachBoard, AFailedProgrammingStepIsReportedAndTheReadGoesOn) {
    open(kVexa);
    // Channel 20 does not exist: the rest of the programming is skipped, the
    // sample comes from the channel selected before.
    EXPECT_EQ(control->RawInput(3), code(1.0));
    EXPECT_EQ(control->RawInput(20), code(1.0));
    EXPECT_EQ(errorCode(), 0);
    EXPECT_THAT(messages.texts(), ElementsAre("Set channel error"));
    messages.clear();
    set("InputMode", std::int16_t{5});
    EXPECT_EQ(control->RawInput(3), code(1.0));
    EXPECT_THAT(messages.texts(), ElementsAre("Set input mode error"));
}

TEST_F(RawInputOnEachBoard, OutsideDriverFailuresKeepTheirCodes) {
    open(kZolt);
    ASSERT_TRUE(outside::simulation().failNext("W_Zolt_AD_Set_Gain", 4));
    ASSERT_TRUE(outside::simulation().failNext("W_Zolt_AD_Channel_Read", 9));
    EXPECT_EQ(control->RawInput(1), -1);
    EXPECT_EQ(errorCode(), 9);
    EXPECT_THAT(messages.texts(), ElementsAre("Ser gain error", "Get data error"));
    EXPECT_THAT(eventOrder, IsEmpty());

    messages.clear();
    open(kFenq);
    ASSERT_TRUE(outside::simulation().failNext("W_Fenq_AD_Set_Mode", 3));
    (void)control->RawInput(1);
    set("AdGain", std::int16_t{4});
    (void)control->RawInput(1);
    EXPECT_THAT(messages.texts(),
                ElementsAre("Set mode error", "Set range error,see manual about this board",
                            "Set range error"));
}

TEST_F(RawInputOnEachBoard, OlmiGainAndSenuGainRefusals) {
    set("AdGain", std::int16_t{5});
    open(kOlmi);
    (void)control->RawInput(1);
    EXPECT_THAT(messages.texts(), ElementsAre("Set gain error"));
    set("AdGain", std::int16_t{9});
    open(kSenu);
    (void)control->RawInput(1);
    EXPECT_THAT(messages.texts(), ElementsAre("Set gain error"));
}

TEST_F(RawInputOnEachBoard, ABoardNameTheControlDoesNotServeIsNotRead) {
    open(kVexa);
    set("DeviceNumber", kDorv);
    EXPECT_EQ(control->RawInput(1), -1);
    EXPECT_EQ(errorCode(), -1);
    EXPECT_THAT(messages.texts(),
                ElementsAre("Incorrect board type", "Set channel error", "Invalid board type",
                            "Invalid board type", "Get data error"));
}

}  // namespace
}  // namespace brennix::daq::orsino::testing
