#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>

#include "tests/tools/brennix-acquire/acquire_fixture.h"

namespace brennix::acquire::testing {
namespace {

using ::testing::HasSubstr;

class StoppedRuns : public StoreRun {
  protected:
    // Raises `signal` once the clock passes `atMicros` from now.
    std::shared_ptr<AlarmClock> signalAt(std::uint64_t atMicros, int signal) {
        return std::make_shared<AlarmClock>(machine.clock(), now() + atMicros,
                                            [signal] { std::raise(signal); });
    }
};

TEST_F(StoppedRuns, ASigintAfter200PolledSamplesSavesExactlyThose200) {
    // At 1000 per second sample 200 is due at 200 ms; the signal comes
    // while the run waits for it.
    hw::ScopedClock scope(signalAt(199'500, SIGINT));
    const sim::SignalConfig sine = vexaSignal(0);
    const std::uint64_t start = now();
    EXPECT_EQ(run({"-d", "1", "-m", "polling", "-s", "1000", "-n", "1000"}),
              kExitSignalBase + SIGINT);
    Csv read = csv();
    ASSERT_EQ(read.rows.size(), 200U);
    for (std::size_t k = 0; k < read.rows.size(); ++k) {
        double t = static_cast<double>(start + k * 1000) / 1e6;
        ASSERT_EQ(read.rows[k].raw, sim::codeForVolts(sim::signalVolts(sine, t), -5.0, 5.0)) << k;
    }
    EXPECT_EQ(read.metadata.at("samples"), "200 of 1000");
    EXPECT_EQ(read.metadata.at("outcome"),
              "interrupted: stopped by SIGINT after 200 of 1000 samples");
    EXPECT_THAT(err.str(), HasSubstr("stopped by SIGINT after 200 of 1000 samples\n"));
    EXPECT_THAT(err.str(), HasSubstr("(200 of 1000 samples, interrupted, +/-5 V)"));
    // The chart shows what was taken.
    EXPECT_TRUE(std::filesystem::exists(pngPath()));
    // The run stopped at once, not when all 1000 were due.
    EXPECT_LT(now() - start, 300'000U);
}

TEST_F(StoppedRuns, ASigtermStopsASlowPolledRunWithinItsWait) {
    // Ten seconds between samples; the signal comes a second into the wait.
    hw::ScopedClock scope(signalAt(11'000'000, SIGTERM));
    const std::uint64_t start = now();
    EXPECT_EQ(run({"-d", "0", "-m", "polling", "-s", "0.1", "-n", "5", "--no-plot"}),
              kExitSignalBase + SIGTERM);
    EXPECT_EQ(csv().rows.size(), 2U);
    EXPECT_THAT(err.str(), HasSubstr("stopped by SIGTERM after 2 of 5 samples"));
    EXPECT_LT(now() - start, 11'200'000U);
}

TEST_F(StoppedRuns, ASignalDuringABlockRunKeepsTheWholeBlock) {
    // The control's settling pause cannot be cut short; its block comes.
    hw::ScopedClock scope(signalAt(100'000, SIGINT));
    EXPECT_EQ(run({"-d", "1", "-s", "10000", "-n", "1000", "--no-plot"}), kExitOk);
    EXPECT_EQ(csv().rows.size(), 1000U);
    EXPECT_THAT(err.str(), HasSubstr("SIGINT came during the block run, which cannot be cut "
                                     "short; its block is complete and is saved"));
}

TEST_F(StoppedRuns, WithoutARunTheSignalsDoWhatTheyAlwaysDid) {
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGINT, nullptr, &before), 0);
    ASSERT_EQ(run({"-d", "1", "-n", "10", "-s", "10000", "--no-plot"}), kExitOk);
    struct sigaction after {};
    ASSERT_EQ(::sigaction(SIGINT, nullptr, &after), 0);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

}  // namespace
}  // namespace brennix::acquire::testing
