#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "daq/orsino/run_timing.h"
#include "drivers/vexa/vexa.h"
#include "platform/com/property_exchange.h"
#include "simulator/signal_source.h"
#include "tests/daq/orsino/orsino_fixture.h"

namespace brennix::daq::orsino::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::int32_t code(double volts) {
    return sim::codeForVolts(volts, -5.0, 5.0);
}

class BlockRun : public OrsinoTest {
  protected:
    void prepare(std::int32_t device, std::int16_t transfer, std::int32_t samples, double rate) {
        set("NumberOfSamples", samples);
        set("SampleRate", rate);
        set("TriggerMode", std::int16_t{2});
        set("TransferMode", transfer);
        set("StartChannel", std::int16_t{4});
        open(device);
    }

    std::uint32_t elapsedSince(std::uint32_t start) const { return clock->milliseconds() - start; }

    // A second control on the form, opened on a device, messages forgotten.
    std::shared_ptr<CORSINOCtrl> makeControl(std::int32_t device, std::int16_t trigger,
                                             std::int16_t transfer) {
        auto other = com::createControl<CORSINOCtrl>();
        others.push_back(other);
        site.attach(*other);
        EXPECT_TRUE(other->put("NumberOfSamples", std::int32_t{100}).ok());
        EXPECT_TRUE(other->put("SampleRate", 10000.0).ok());
        EXPECT_TRUE(other->put("DeviceNumber", device).ok());
        EXPECT_TRUE(other->put("TriggerMode", trigger).ok());
        EXPECT_TRUE(other->put("TransferMode", transfer).ok());
        EXPECT_TRUE(other->OpenDevice());
        messages.clear();
        return other;
    }

    void TearDown() override {
        for (auto& other : others) {
            other->setSite(nullptr);
        }
        OrsinoTest::TearDown();
    }

    std::vector<std::shared_ptr<CORSINOCtrl>> others;
};

TEST_F(BlockRun, AVexaInterruptRunDeliversTheSignalThenTerminates) {
    prepare(kVexa, 1, 1000, 10000);
    double pacedRate = 0;
    clock->duringSettling = [&] {
        pacedRate = machine.simulator().analogBoardAt(kVexaBase)->pacerRate();
    };
    std::uint32_t started = clock->milliseconds();
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_EQ(errorCode(), 0);
    EXPECT_TRUE(control->ready());
    EXPECT_DOUBLE_EQ(pacedRate, 10000.0);
    EXPECT_GE(elapsedSince(started), 500U);
    EXPECT_LT(elapsedSince(started), 600U);
    EXPECT_THAT(eventOrder, ElementsAre("OnEventRaw", "OnTerminated"));
    ASSERT_EQ(rawEvents.size(), 1U);
    EXPECT_EQ(rawEvents[0].count, 1000);
    ASSERT_NE(rawEvents[0].data.array(), nullptr);
    EXPECT_EQ(rawEvents[0].data.array()->elementType(), com::VarType::Int16);
    auto samples = elements(rawEvents[0].data);
    ASSERT_EQ(samples.size(), 1000U);
    // 100 ms of a 50 Hz square wave of 2 V: five periods, half high, half low.
    auto high = std::count(samples.begin(), samples.end(), code(2.0));
    auto low = std::count(samples.begin(), samples.end(), code(-2.0));
    EXPECT_GE(high + low, 998);
    EXPECT_NEAR(static_cast<double>(high), 500.0, 20.0);
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(BlockRun, AVexaDmaRunDeliversTheSignalThenTerminates) {
    prepare(kVexa, 2, 500, 20000);
    set("StartChannel", std::int16_t{3});
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_EQ(errorCode(), 0);
    EXPECT_THAT(eventOrder, ElementsAre("OnEventRaw", "OnTerminated"));
    ASSERT_EQ(rawEvents.size(), 1U);
    EXPECT_EQ(rawEvents[0].count, 500);
    auto samples = elements(rawEvents[0].data);
    ASSERT_EQ(samples.size(), 500U);
    EXPECT_TRUE(
        std::all_of(samples.begin(), samples.end(), [](std::int32_t s) { return s == code(1.0); }));
}

TEST_F(BlockRun, OlmiAndSenuInterruptRunsCompleteWithoutTimeOut) {
    prepare(kOlmi, 1, 200, 5000);
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_EQ(rawEvents.at(0).count, 200);
    messages.clear();
    prepare(kSenu, 1, 200, 5000);
    EXPECT_TRUE(control->AcquireStart());
    ASSERT_EQ(rawEvents.size(), 2U);
    EXPECT_EQ(rawEvents[1].count, 200);
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(BlockRun, WithEventsDisabledTheRunStillCompletes) {
    set("EventEnabled", false);
    prepare(kVexa, 1, 100, 10000);
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_TRUE(control->ready());
    EXPECT_THAT(eventOrder, IsEmpty());
}

TEST_F(BlockRun, ARunThatCannotFinishTimesOutAndDeliversWhatWasGathered) {
    // 100000 samples at 1000 per second would take 100 s.
    prepare(kVexa, 1, 100000, 1000);
    std::uint32_t started = clock->milliseconds();
    EXPECT_TRUE(control->AcquireStart());
    std::uint32_t elapsed = elapsedSince(started);
    EXPECT_GT(elapsed, 5500U);
    EXPECT_LT(elapsed, 5510U);
    EXPECT_THAT(messages.texts(), ElementsAre("Timeout error,check IRQ or DMA"));
    EXPECT_EQ(errorCode(), 0);
    ASSERT_EQ(rawEvents.size(), 1U);
    EXPECT_GT(rawEvents[0].count, 5000);
    EXPECT_LT(rawEvents[0].count, 6000);
    EXPECT_EQ(elements(rawEvents[0].data).size(), static_cast<std::size_t>(rawEvents[0].count));
    EXPECT_TRUE(control->ready());
}

TEST_F(BlockRun, TheTimeOutHoldsAcrossAWrapOfTheTickCount) {
    prepare(kVexa, 1, 100000, 1000);
    // The tick count wraps 2 s into the wait.
    clock->advance((0x1'0000'0000ULL - 2500) * 1000);
    std::uint32_t started = clock->milliseconds();
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_GT(elapsedSince(started), 5500U);
    EXPECT_LT(elapsedSince(started), 5510U);
    EXPECT_THAT(messages.texts(), ElementsAre("Timeout error,check IRQ or DMA"));
}

TEST_F(BlockRun, TheWaitLeavesTheProcessorBetweenPolls) {
    prepare(kVexa, 1, 100000, 1000);
    std::size_t before = machine.simulator().journal().controls().size();
    EXPECT_TRUE(control->AcquireStart());
    // About one status exchange per millisecond of the 5 s wait.
    std::size_t exchanges = machine.simulator().journal().controls().size() - before;
    EXPECT_GT(exchanges, 4900U);
    EXPECT_LT(exchanges, 5200U);
}

TEST_F(BlockRun, RefusalsBeforeTheRunLeaveTheControlReady) {
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_THAT(messages.texts(), ElementsAre("Device not open"));
    open(kVexa);
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_TRUE(control->ready());
    EXPECT_THAT(messages.texts(), ElementsAre("Not set to INT or DMA transfer mode"));
}

TEST_F(BlockRun, OlmiHasNoDmaAndTheFailedStartLeavesTheRunPending) {
    prepare(kOlmi, 2, 100, 10000);
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_FALSE(control->ready());
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_THAT(messages.texts(),
                ElementsAre("Olmi not support DMA presently", "DMA transfer sampling data error",
                            "Sampling not complete at pre-times"));
    messages.clear();
    EXPECT_FALSE(control->AcquireStop());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_THAT(messages.texts(), ElementsAre("Olmi board not support DMA presently"));
}

TEST_F(BlockRun, SenuAndZoltCannotStartWhatTheyLack) {
    prepare(kSenu, 2, 100, 10000);
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_THAT(messages.texts(),
                ElementsAre("Invalid board type", "DMA transfer sampling data error"));
    messages.clear();
    EXPECT_FALSE(control->AcquireStop());
    EXPECT_THAT(messages.texts(), ElementsAre("Invalid board type"));
    messages.clear();

    auto zolt = makeControl(kZolt, 1, 1);
    EXPECT_FALSE(zolt->AcquireStart());
    EXPECT_THAT(messages.texts(),
                ElementsAre("Invalid board type", "INT transfer sampling data error"));
}

TEST_F(BlockRun, AStartTheDriverRefusesKeepsItsCode) {
    ASSERT_TRUE(store.addDevice("000@Brax-VexaL", {{"IRQ1", 1}}));
    prepare(kVexa, 1, 100, 10000);
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), 15);
    EXPECT_THAT(messages.texts(), ElementsAre("INT transfer sampling data error"));
}

TEST_F(BlockRun, UbrixAndFenqRunsAreRefusedWithoutChangingErrorCode) {
    prepare(kUbrix, 1, 100, 10000);
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), 0);
    std::vector<std::string> shown = messages.texts();
    auto ubrixDma = makeControl(kUbrix, 2, 2);
    EXPECT_FALSE(ubrixDma->AcquireStart());
    EXPECT_EQ(ubrixDma->get("ErrorCode")->toInt32().valueOr(-9), 0);
    shown.push_back(messages.texts().at(0));
    // Fenq allows DMA only with the software trigger.
    auto fenqDma = makeControl(kFenq, 1, 2);
    EXPECT_FALSE(fenqDma->AcquireStart());
    EXPECT_EQ(fenqDma->get("ErrorCode")->toInt32().valueOr(-9), 0);
    shown.push_back(messages.texts().at(0));
    EXPECT_THAT(shown, ElementsAre("Not support ISA\xEF\xBC\x8DUbrix INT mode in this controls",
                                   "Not suport ISA\xEF\xBC\x8DUbrix DMA mode presently",
                                   "Not suport Brax-Fenq DMA mode presently"));
}

TEST_F(BlockRun, APendingUbrixRunIsDeliveredByAcquireStopFromTheOtherBuffer) {
    prepare(kUbrix, 1, 100, 10000);
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_FALSE(control->ready());
    ASSERT_TRUE(outside::simulation()
                    .board(outside::Library::Ubrix, 0)
                    ->armRun(outside::RunKind::Interrupt, 80, 1000));
    clock->advance(1'000'000);
    outside::simulation().journal().clear();
    EXPECT_TRUE(control->AcquireStop());
    EXPECT_EQ(errorCode(), 0);
    EXPECT_TRUE(control->ready());
    EXPECT_THAT(outside::simulation().journal().lines(),
                ElementsAre("_ubri_AD_INT_Stop(0) -> 80 = 0"));
    ASSERT_EQ(rawEvents.size(), 1U);
    EXPECT_EQ(rawEvents[0].count, 80);
    // Nothing writes the other buffer.
    EXPECT_EQ(elements(rawEvents[0].data), std::vector<std::int32_t>(80, 0));
}

TEST_F(BlockRun, AStopNeverHandsOutMoreThanTheBufferHolds) {
    prepare(kUbrix, 2, 50, 10000);
    ASSERT_TRUE(outside::simulation()
                    .board(outside::Library::Ubrix, 0)
                    ->armRun(outside::RunKind::Dma, 400, 1000));
    clock->advance(1'000'000);
    EXPECT_TRUE(control->AcquireStop());
    ASSERT_EQ(rawEvents.size(), 1U);
    EXPECT_EQ(rawEvents[0].count, 50);
    EXPECT_EQ(elements(rawEvents[0].data).size(), 50U);
}

TEST_F(BlockRun, AcquireStopInPollingModeDeliversNothing) {
    open(kVexa);
    EXPECT_FALSE(control->AcquireStop());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_THAT(eventOrder, IsEmpty());
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(BlockRun, ABoardReinitialisedDuringTheSettlingPauseEndsTheWait) {
    prepare(kVexa, 1, 1000, 10000);
    clock->duringSettling = [] { (void)drivers::vexa::reload(); };
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_EQ(errorCode(), 1);
    EXPECT_FALSE(control->ready());
    EXPECT_THAT(eventOrder, IsEmpty());
    EXPECT_THAT(messages.texts(), ElementsAre("please initialize board at first"));
}

TEST_F(BlockRun, ADmaRunStoppedDuringTheSettlingPauseEndsTheWait) {
    prepare(kVexa, 2, 1000, 10000);
    clock->duringSettling = [] {
        std::int32_t count = 0;
        (void)W_Vexa_AD_DMA_Stop(&count);
    };
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_EQ(errorCode(), 26);
    EXPECT_FALSE(control->ready());
    EXPECT_THAT(messages.texts(), ElementsAre("please set board DMA mode at first"));
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_THAT(messages.texts().back(), "Sampling not complete at pre-times");
}

class StoredRunSettings : public BlockRun {
  protected:
    // Loads a document as a host reopening a form does: no range tests run.
    static void load(CORSINOCtrl& target, const std::string& property, const std::string& type,
                     const std::string& value) {
        std::string document = com::PropertyExchange::save(target);
        std::string key =
            "\"" + property + "\": {\n      \"type\": \"" + type + "\",\n      \"value\": ";
        auto at = document.find(key);
        ASSERT_NE(at, std::string::npos) << document;
        auto end = document.find('\n', at + key.size());
        document.replace(at + key.size(), end - at - key.size(), value);
        ASSERT_TRUE(com::PropertyExchange::load(target, document).ok()) << document;
    }
};

TEST_F(StoredRunSettings, ARateThatIsNotPositiveIsRefusedPerTransfer) {
    prepare(kVexa, 1, 100, 10000);
    load(*control, "SampleRate", "double", "0.0");
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), -1);
    std::vector<std::string> shown = messages.texts();
    auto dma = makeControl(kVexa, 2, 2);
    load(*dma, "SampleRate", "double", "-5.0");
    EXPECT_FALSE(dma->AcquireStart());
    shown.push_back(messages.texts().at(0));
    EXPECT_THAT(shown, ElementsAre("m_sampleRate must a positive number",
                                   "m_sampleRate a positive number"));
}

TEST_F(StoredRunSettings, ARateBelowOneKilosampleIsRefused) {
    prepare(kVexa, 2, 100, 10000);
    load(*control, "SampleRate", "double", "500.0");
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_THAT(messages.texts(), ElementsAre("SampleRate must larger than 1000"));
}

TEST_F(StoredRunSettings, ANonPositiveStoredCountIsRefusedBeforeTheRun) {
    prepare(kVexa, 1, 100, 10000);
    load(*control, "NumberOfSamples", "long", "0");
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_TRUE(control->ready());
    EXPECT_THAT(messages.texts(), ElementsAre("NumberOfSamples must larger than zero"));
}

TEST_F(StoredRunSettings, ACountGrownSinceOpenDeviceGetsBuffersToMatch) {
    prepare(kVexa, 1, 100, 10000);
    set("NumberOfSamples", std::int32_t{2000});
    EXPECT_TRUE(control->AcquireStart());
    EXPECT_EQ(rawEvents.at(0).count, 2000);
    EXPECT_GE(control->bufferSize(), 2000U);
}

TEST_F(StoredRunSettings, AFenqInterruptRunIsRefused) {
    prepare(kFenq, 0, 100, 10000);
    load(*control, "TransferMode", "short", "1");
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_THAT(messages.texts(), ElementsAre("Not support Brax-Fenq INT mode in this conrols"));
}

TEST_F(StoredRunSettings, AMissingDeviceKeyEndsTheRunBeforeItStarts) {
    prepare(kVexa, 1, 100, 10000);
    ASSERT_TRUE(store.removeDevice("000@Brax-VexaL"));
    EXPECT_FALSE(control->AcquireStart());
    EXPECT_EQ(errorCode(), -1);
    EXPECT_THAT(messages.texts(),
                ElementsAre("Error: Can't open correlative hKEY!",
                            "Read device initialize parameters from Registry error"));
}

TEST(PacerDivisor, TwoHundredOverWholeKilosamples) {
    EXPECT_EQ(pacerDivisor(1000), 200U);
    EXPECT_EQ(pacerDivisor(1999.9), 200U);
    EXPECT_EQ(pacerDivisor(2000), 100U);
    EXPECT_EQ(pacerDivisor(3000), 66U);
    EXPECT_EQ(pacerDivisor(100000), 2U);
    EXPECT_EQ(pacerDivisor(150000), 1U);
    EXPECT_EQ(pacerDivisor(1e12), 0U);
}

}  // namespace
}  // namespace brennix::daq::orsino::testing
