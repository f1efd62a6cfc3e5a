#pragma once
// Every test starts from boards as at load, an empty journal and virtual time.

#include <gtest/gtest.h>

#include <memory>

#include "platform/hw/clock.h"
#include "simulator/outside/simulation.h"

namespace brennix::outside {

class OutsideTest : public ::testing::Test {
  protected:
    OutsideTest() { simulation().reset(); }
    ~OutsideTest() override { simulation().reset(); }

    Journal& journal() { return simulation().journal(); }
    Board& board(Library library, std::int32_t card = 0) {
        return *simulation().board(library, card);
    }
    void advanceMilliseconds(std::uint64_t ms) { clock_->advance(ms * 1000); }

    std::shared_ptr<hw::VirtualClock> clock_ = std::make_shared<hw::VirtualClock>();
    hw::ScopedClock scopedClock_{clock_};
};

}  // namespace brennix::outside
