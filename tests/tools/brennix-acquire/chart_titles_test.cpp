#include <gtest/gtest.h>

#include "tools/brennix-acquire/input_scale.h"
#include "tools/brennix-acquire/run_description.h"

namespace brennix::acquire {
namespace {

RunPlan vexaPlan(Transfer transfer, double asked, double paced, std::int32_t count) {
    RunPlan plan;
    plan.board = "Brax-VexaL";
    plan.scale = *vexaRange(0);
    plan.request.device = 1;
    plan.request.transfer = transfer;
    plan.request.rate = asked;
    plan.request.count = count;
    plan.pacedRate = paced;
    return plan;
}

RunResult taken(std::size_t samples, Outcome outcome = Outcome::Complete) {
    RunResult result;
    result.samples.assign(samples, 2048);
    result.outcome = outcome;
    return result;
}

// The chart claims no rate the board did not keep.
TEST(ChartTitles, StateThePacedRateBesideTheOneAsked) {
    const RunPlan plan = vexaPlan(Transfer::Interrupt, 7777, 2e6 / 280, 100);
    const RunResult result = taken(100);
    const RunDescription run{plan, result, "", std::nullopt};
    EXPECT_EQ(captionOf(run),
              "Brax-VexaL device 1, channel 0: 100 samples at 7142.9 S/s (7777 asked), "
              "interrupt, +/-5 V");
    EXPECT_EQ(xTitleOf(run), "sample number (7142.9 samples per second)");

    const RunPlan exact = vexaPlan(Transfer::Dma, 10000, 10000, 100);
    const RunDescription plain{exact, result, "", std::nullopt};
    EXPECT_EQ(xTitleOf(plain), "sample number (10000 samples per second)");
}

TEST(ChartTitles, APolledRunThatFellBehindShowsTheRateItKeptAndAStoppedOneSaysSo) {
    const RunPlan plan = vexaPlan(Transfer::Polling, 100000, 100000, 1000);
    const RunResult result = taken(200, Outcome::Interrupted);
    const RunDescription run{plan, result, "", 31250.0};
    EXPECT_EQ(captionOf(run),
              "Brax-VexaL device 1, channel 0: 200 of 1000 samples at 31250.0 S/s achieved "
              "(100000 asked), polling, +/-5 V, interrupted");
    EXPECT_EQ(xTitleOf(run), "sample number (31250.0 samples per second on average)");
}

}  // namespace
}  // namespace brennix::acquire
