#pragma once
// A Vexa library re-attached to a fake bus, with card 0 at 0x300 on request.

#include <gtest/gtest.h>

#include <memory>

#include "drivers/vexa/vexa.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/message_box.h"
#include "platform/hw/backend.h"
#include "tests/drivers/common/fake_bus.h"

namespace brennix::drivers::testing {

class VexaTest : public ::testing::Test {
  protected:
    static constexpr std::uint16_t kBase = 0x300;

    void SetUp() override {
        ASSERT_EQ(vexa::reload(), 1);
        bus->clear();
    }

    void initialize() {
        ASSERT_EQ(W_Vexa_Initial(0, kBase), 0);
        bus->clear();
    }
    static std::uint16_t at(int offset) { return static_cast<std::uint16_t>(kBase + offset); }
    std::vector<std::string> journal() const { return trace(*bus, kBase); }

    std::shared_ptr<FakeBus> bus = std::make_shared<FakeBus>();
    hw::ScopedBackend backend{bus};
    com::MessageRecorder messages;
};

}  // namespace brennix::drivers::testing
