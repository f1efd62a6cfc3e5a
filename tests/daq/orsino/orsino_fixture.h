#pragma once
// A form with one analog-input control over a store of configured devices,
// the simulated Vexa, Olmi and Senu boards, the outside stand-ins, a clock
// that lets a test act during the settling pause, and a record of every
// message and event.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "daq/orsino/orsino_ctrl.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/event_sink.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/hw/clock.h"
#include "simulator/outside/simulation.h"
#include "simulator/simulator.h"
#include "tests/daq/common/temporary_store.h"

namespace brennix::daq::orsino::testing {

inline constexpr hw::PortAddress kVexaBase = 0x300;
inline constexpr hw::PortAddress kSecondVexaBase = 0x340;
inline constexpr hw::PortAddress kOlmiBase = 0x220;
inline constexpr hw::PortAddress kSenuBase = 0x280;

// Device numbers of the store every test starts with.
enum Device : std::int32_t {
    kVexa = 0,
    kOlmi = 1,
    kSecondVexa = 2,
    kSenu = 3,
    kZolt = 4,
    kFenq = 5,
    kUbrix = 6,
    kThirdVexa = 7,
    kDorv = 8,
};

// Virtual time; the first sleep of the settling pause length runs a hook.
class SettlingClock final : public hw::Clock {
  public:
    std::uint64_t nowMicroseconds() override { return now_; }
    void sleep(std::uint32_t milliseconds) override {
        now_ += milliseconds * 1000ULL;
        if (milliseconds >= 500 && duringSettling) {
            auto hook = std::move(duringSettling);
            duringSettling = {};
            hook();
        }
    }
    void advance(std::uint64_t microseconds) { now_ += microseconds; }
    std::uint32_t milliseconds() const { return static_cast<std::uint32_t>(now_ / 1000); }

    std::function<void()> duringSettling;

  private:
    std::uint64_t now_ = 0;
};

struct RawEvent {
    std::int32_t count = 0;
    com::Variant data;
};

inline sim::SimulatorConfig machineConfig() {
    sim::SimulatorConfig config;
    sim::BoardConfig vexa = sim::makeBoard(sim::BoardType::Vexa, kVexaBase);
    vexa.channels[3] = {sim::Waveform::Constant, 0.0, 1.0};
    vexa.channels[4] = {sim::Waveform::Square, 2.0, 0.0, 50.0};
    sim::BoardConfig second = sim::makeBoard(sim::BoardType::Vexa, kSecondVexaBase);
    second.channels[3] = {sim::Waveform::Constant, 0.0, -2.0};
    sim::BoardConfig olmi = sim::makeBoard(sim::BoardType::Olmi, kOlmiBase);
    olmi.channels[1] = {sim::Waveform::Constant, 0.0, 2.5};
    sim::BoardConfig senu = sim::makeBoard(sim::BoardType::Senu, kSenuBase);
    senu.channels[2] = {sim::Waveform::Constant, 0.0, -1.0};
    config.boards = {vexa, second, olmi, senu};
    config.journalCapacity = 1 << 16;
    return config;
}

class OrsinoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(drivers::vexa::reload(), 1);
        ASSERT_EQ(drivers::olmi::reload(), 1);
        ASSERT_EQ(drivers::senu::reload(), 1);
        outside::simulation().reset();
        ASSERT_TRUE(store.addDevice("000@Brax-VexaL",
                                    {{"BaseAddress1", kVexaBase}, {"IRQ1", 5}, {"DMA", 1}}));
        ASSERT_TRUE(store.addDevice("001@Brax-Olmi", {{"BaseAddress1", kOlmiBase}, {"IRQ1", 3}}));
        ASSERT_TRUE(store.addDevice("002@Brax-VexaL",
                                    {{"BaseAddress1", kSecondVexaBase}, {"IRQ1", 7}, {"DMA", 3}}));
        ASSERT_TRUE(store.addDevice("003@Brax-Senu", {{"BaseAddress1", kSenuBase}, {"IRQ1", 5}}));
        ASSERT_TRUE(store.addDevice("004@Brax-Zolt", {{"BaseAddress1", 0x2A0}}));
        ASSERT_TRUE(store.addDevice("005@Brax-Fenq", {{"BaseAddress1", 0x2B0}}));
        ASSERT_TRUE(store.addDevice("006@ISA-Ubrix"));
        ASSERT_TRUE(store.addDevice("007@Brax-VexaL", {{"BaseAddress1", 0x380}}));
        ASSERT_TRUE(store.addDevice("008@Brax-Dorv", {{"BaseAddress1", 0x2C0}}));
        // Designing the form: NumberOfSamples may be set.
        site.ambientProperties().userMode = false;
        site.attach(*control);
        control->advise(std::make_shared<com::FunctionSink>(
            [this](com::DispId id, std::span<com::Variant> args) {
                if (id == 1) {
                    rawEvents.push_back({args[0].toInt32().valueOr(-99), args[1]});
                    eventOrder.push_back("OnEventRaw");
                } else if (id == 2) {
                    eventOrder.push_back("OnTerminated");
                }
            }));
    }

    void TearDown() override { control->setSite(nullptr); }

    void set(std::string_view property, com::Variant value) {
        ASSERT_TRUE(control->put(property, std::move(value)).ok()) << property;
    }
    std::int32_t errorCode() { return control->get("ErrorCode")->toInt32().valueOr(-999); }
    std::int32_t getInt(std::string_view property) {
        return control->get(property)->toInt32().valueOr(-999);
    }

    // Opens the device and forgets what that showed.
    void open(std::int32_t device) {
        set("DeviceNumber", device);
        ASSERT_TRUE(control->OpenDevice()) << ::testing::PrintToString(messages.texts());
        messages.clear();
        outside::simulation().journal().clear();
    }

    // Elements of an event's array, converted to 32 bits.
    static std::vector<std::int32_t> elements(const com::Variant& data) {
        std::vector<std::int32_t> out;
        if (const com::SafeArray* array = data.array()) {
            for (std::int64_t i = array->lowerBound(); i <= array->upperBound(); ++i) {
                out.push_back(array->get(i)->toInt32().valueOr(-99999));
            }
        }
        return out;
    }

    daq::testing::TemporaryStore store;
    sim::ScopedSimulator machine{machineConfig()};
    std::shared_ptr<SettlingClock> clock = std::make_shared<SettlingClock>();
    hw::ScopedClock clockScope{clock};
    com::MessageRecorder messages;
    com::HeadlessSite site;
    std::shared_ptr<CORSINOCtrl> control = com::createControl<CORSINOCtrl>();
    std::vector<RawEvent> rawEvents;
    std::vector<std::string> eventOrder;
};

}  // namespace brennix::daq::orsino::testing
