#pragma once
// A driver library re-attached to a fake bus for each test, its board at
// 0x300.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/com/message_box.h"
#include "platform/hw/backend.h"
#include "tests/drivers/common/fake_bus.h"

namespace brennix::drivers::testing {

using Lines = std::vector<std::string>;

template <std::int32_t (*Reload)()>
class DriverTest : public ::testing::Test {
  protected:
    static constexpr std::uint16_t kBase = 0x300;

    void SetUp() override {
        ASSERT_EQ(Reload(), 1);
        bus->clear();
    }

    static std::uint16_t at(int offset) { return static_cast<std::uint16_t>(kBase + offset); }
    std::vector<std::string> journal() const { return trace(*bus, kBase); }

    std::shared_ptr<FakeBus> bus = std::make_shared<FakeBus>();
    hw::ScopedBackend backend{bus};
    com::MessageRecorder messages;
};

// Attach with the acquisition device missing: the message box and 0.
template <std::int32_t (*Reload)()>
void expectFatalAttachWithout(const char* device, const char* text) {
    auto bus = std::make_shared<FakeBus>();
    bus->setAvailable(device, false);
    hw::ScopedBackend scope(bus);
    com::MessageRecorder messages;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Reload(), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, text);
    EXPECT_EQ(messages.messages()[0].caption, "");
}

// Attach without port access: the standard-output text and -1.
template <std::int32_t (*Reload)()>
void expectAttachWithoutPortAccess() {
    auto bus = std::make_shared<FakeBus>();
    bus->setAvailable("\\\\.\\dio", false);
    hw::ScopedBackend scope(bus);
    com::MessageRecorder messages;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Reload(), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Couldn't access giveio device\n");
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace brennix::drivers::testing
