#pragma once
// What every hardware-control test starts from: a device store of its own,
// the simulated machine (Olmi at 0x220, Senu at 0x280, Dorv at 0x2C0, Vexa at
// 0x300) in virtual time, outside boards as at load, and recorded messages.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/control.h"
#include "platform/com/message_box.h"
#include "simulator/outside/simulation.h"
#include "simulator/simulator.h"
#include "tests/daq/common/temporary_store.h"

namespace brennix::daq::testing {

inline constexpr std::uint32_t kOlmiBase = 0x220;
inline constexpr std::uint32_t kSenuBase = 0x280;
inline constexpr std::uint32_t kDorvBase = 0x2C0;
inline constexpr std::uint32_t kVexaBase = 0x300;

class HardwareControlTest : public ::testing::Test {
  protected:
    HardwareControlTest() { outside::simulation().reset(); }
    ~HardwareControlTest() override { outside::simulation().reset(); }

    // A device key as the configuration utility writes it.
    void addDevice(const std::string& key, std::uint32_t base, std::uint32_t irq = 0) {
        ASSERT_TRUE(store.addDevice(key, {{"BaseAddress1", base}, {"IRQ1", irq}}));
    }

    // A control of type T on the device of that key, opened, with the
    // messages of opening cleared.
    template <class T>
    std::shared_ptr<T> openControl(const std::string& key, std::uint32_t base,
                                   std::uint32_t irq = 0) {
        addDevice(key, base, irq);
        auto control = com::createControl<T>();
        std::int32_t number = std::stoi(key.substr(0, 3));
        EXPECT_TRUE(control->put("DeviceNumber", com::Variant(number)));
        EXPECT_TRUE(control->OpenDevice()) << key;
        messages.clear();
        return control;
    }

    std::vector<std::string> texts() const { return messages.texts(); }

    outside::Journal& calls() { return outside::simulation().journal(); }
    std::vector<std::int64_t> argumentsOf(const std::string& function) {
        auto records = calls().callsTo(function);
        return records.empty() ? std::vector<std::int64_t>{} : records.back().arguments;
    }
    outside::Board& outsideBoard(outside::Library library, std::int32_t card = 0) {
        return *outside::simulation().board(library, card);
    }

    TemporaryStore store;
    sim::ScopedSimulator machine;
    com::MessageRecorder messages;
};

}  // namespace brennix::daq::testing
