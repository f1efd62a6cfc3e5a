#include <gtest/gtest.h>

#include "platform/hw/backend.h"
#include "platform/hw/clock.h"

namespace brennix::hw {
namespace {

TEST(VirtualTime, SleepAdvancesTheTickCountWithoutWaiting) {
    auto virtualClock = std::make_shared<VirtualClock>();
    ScopedClock scope(virtualClock);
    std::uint32_t start = tickCount();
    sleep(5000);
    EXPECT_EQ(tickCount() - start, 5000U);
    virtualClock->advance(1500);
    EXPECT_EQ(nowMicroseconds(), 5'001'500U);
}

TEST(VirtualTime, TickCountWrapsLikeA32BitCounter) {
    auto virtualClock = std::make_shared<VirtualClock>();
    ScopedClock scope(virtualClock);
    virtualClock->advance((1ULL << 32) * 1000U + 7000U);
    EXPECT_EQ(tickCount(), 7U);
}

TEST(DeviceHandles, AClosedHandleFailsEveryControlCall) {
    DeviceHandle handle;
    std::uint32_t returned = 99;
    EXPECT_FALSE(handle.control(0x80FF2018, nullptr, 0, nullptr, 0, returned));
    EXPECT_EQ(returned, 0U);
    EXPECT_EQ(handle.resolveAddress(0x1000, 2), nullptr);
}

}  // namespace
}  // namespace brennix::hw
