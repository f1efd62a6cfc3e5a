#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "platform/gfx/png_io.h"
#include "tests/tools/brennix-acquire/acquire_fixture.h"
#include "tools/brennix-acquire/chart_plot.h"
#include "tools/common/version.h"

namespace brennix::acquire::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class BlockRuns : public StoreRun {};

TEST_F(BlockRuns, AnInterruptRunOnTheVexaSineMatchesTheSimulatedSignal) {
    const sim::SignalConfig sine = vexaSignal(0);
    const double start = static_cast<double>(now()) / 1e6;
    ASSERT_EQ(run({"--device", "1", "--mode", "interrupt", "--rate", "10000", "--count", "1000",
                   "--no-plot"}),
              kExitOk)
        << err.str();
    EXPECT_THAT(err.str(), HasSubstr("run.csv (1000 samples, +/-5 V)"));
    EXPECT_EQ(out.str(), "");
    Csv read = csv();
    ASSERT_EQ(read.rows.size(), 1000U);
    double lowest = 5.0;
    double highest = -5.0;
    for (std::size_t k = 0; k < read.rows.size(); ++k) {
        const CsvRow& row = read.rows[k];
        // The first conversion comes one pacer period after the start.
        double t = start + static_cast<double>(k + 1) / 10000.0;
        ASSERT_EQ(row.sample, static_cast<std::int64_t>(k));
        ASSERT_NEAR(row.seconds, static_cast<double>(k) / 10000.0, 1e-9) << k;
        ASSERT_EQ(row.raw, sim::codeForVolts(sim::signalVolts(sine, t), -5.0, 5.0)) << k;
        ASSERT_NEAR(row.volts, sim::signalVolts(sine, t), 10.0 / 4095) << k;
        lowest = std::min(lowest, row.volts);
        highest = std::max(highest, row.volts);
    }
    // 0.1 s of a 10 Hz sine: one whole period, both peaks.
    EXPECT_NEAR(lowest, -4.0, 0.01);
    EXPECT_NEAR(highest, 4.0, 0.01);
}

TEST_F(BlockRuns, TheMetadataStateHowTheRunWasTakenAndThePacedRate) {
    // The timer divides 2 MHz by 10 and by 200 / 7 = 28: 7142.857 per second.
    ASSERT_EQ(run({"-d1", "-s7777", "-n100", "--no-plot"}), kExitOk) << err.str();
    EXPECT_THAT(err.str(), HasSubstr("paces 7142.9 samples per second for 7777"));
    Csv read = csv();
    const auto& m = read.metadata;
    EXPECT_EQ(m.at("tool"), "brennix-acquire " + std::string(tools::projectVersion()));
    EXPECT_EQ(m.at("device"), "1 (001@Brax-VexaL)");
    EXPECT_EQ(m.at("board"), "Brax-VexaL");
    EXPECT_EQ(m.at("card"), "0");
    EXPECT_EQ(m.at("base_address"), "0x300");
    EXPECT_EQ(m.at("channel"), "0 (single-ended)");
    EXPECT_EQ(m.at("mode"), "interrupt");
    EXPECT_EQ(m.at("range"), "bip5 (+/-5 V)");
    EXPECT_EQ(m.at("requested_rate"), "7777 S/s");
    EXPECT_EQ(m.at("paced_rate"), "7142.9 S/s (the board's timer)");
    EXPECT_TRUE(
        std::regex_match(m.at("start"), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z)")))
        << m.at("start");
    EXPECT_EQ(m.at("samples"), "100 of 100");
    EXPECT_EQ(m.at("outcome"), "complete");
    ASSERT_EQ(read.rows.size(), 100U);
    for (const CsvRow& row : read.rows) {
        ASSERT_NEAR(row.seconds, static_cast<double>(row.sample) * 28.0 * 10.0 / 2e6, 1e-7);
    }
    EXPECT_NEAR(read.rows.back().seconds, 0.01386, 1e-7);
}

TEST_F(BlockRuns, TheChartShowsEverySampleOfTheRunAcrossItsScale) {
    ASSERT_EQ(run({"-d", "1", "-s", "10000", "-n", "1000"}), kExitOk) << err.str();
    EXPECT_THAT(err.str(), HasSubstr("chart:   " + pngPath()));
    std::string error;
    auto png = gfx::loadPng(pngPath(), error);
    ASSERT_TRUE(png) << error;
    int top = png->height();
    int bottom = -1;
    int left = png->width();
    int right = -1;
    for (int y = 0; y < png->height(); ++y) {
        for (int x = 0; x < png->width(); ++x) {
            if (png->pixel(x, y) == gfx::toPixel(kTraceColor)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    // A whole period of +/-4 V on a +/-5 V scale: the trace spans 80 % of
    // the plot area (which the caption, labels and titles keep below the
    // picture's height) and, all 1000 samples in a view of 1000, nearly its
    // width.
    ASSERT_GE(bottom, 0);
    double span = bottom - top;
    EXPECT_GT(span, 0.6 * png->height());
    EXPECT_LT(span, 0.8 * png->height());
    EXPECT_GT(right - left, 0.8 * png->width());
}

TEST_F(BlockRuns, TheChosenRangeReachesTheVexaBlockRun) {
    // A 4 V sine on +/-2.5 V clips at both ends of the converter.
    ASSERT_EQ(
        run({"-d", "1", "-m", "dma", "-s", "20000", "-n", "2000", "-r", "bip2.5", "--no-plot"}),
        kExitOk)
        << err.str();
    Csv read = csv();
    ASSERT_EQ(read.rows.size(), 2000U);
    EXPECT_EQ(read.metadata.at("range"), "bip2.5 (+/-2.5 V)");
    EXPECT_EQ(read.metadata.at("mode"), "dma");
    auto clippedLow = std::count_if(read.rows.begin(), read.rows.end(),
                                    [](const CsvRow& r) { return r.raw == 0 && r.volts == -2.5; });
    auto clippedHigh = std::count_if(read.rows.begin(), read.rows.end(), [](const CsvRow& r) {
        return r.raw == 4095 && r.volts == 2.5;
    });
    EXPECT_GT(clippedLow, 300);
    EXPECT_GT(clippedHigh, 300);
}

TEST_F(BlockRuns, AnOlmiGainScalesTheVolts) {
    // Channel 5 holds 1.5 V; gain 2 spans +/-2.5 V.
    ASSERT_EQ(run({"-d", "0", "-c", "5", "-g", "2", "-s", "1000", "-n", "50", "--no-plot"}),
              kExitOk)
        << err.str();
    Csv read = csv();
    EXPECT_EQ(read.metadata.at("gain"), "2 (+/-2.5 V)");
    ASSERT_EQ(read.rows.size(), 50U);
    for (const CsvRow& row : read.rows) {
        EXPECT_EQ(row.raw, sim::codeForVolts(1.5, -2.5, 2.5));
        EXPECT_NEAR(row.volts, 1.5, 5.0 / 4095);
    }
}

TEST_F(BlockRuns, ABlockRunSaysItWaitsAndThenThatItsBlockCame) {
    ASSERT_EQ(run({"-d", "1", "-s", "10000", "-n", "1000", "--no-plot"}), kExitOk) << err.str();
    EXPECT_THAT(err.str(), HasSubstr("interrupt run of 1000 samples at 10000.0 per second: "
                                     "waiting about 0.5 s for the block\n"));
    EXPECT_THAT(err.str(), HasSubstr("block done, 1000 samples\n"));
    EXPECT_EQ(run({"-d", "1", "-s", "10000", "-n", "1000", "--no-plot", "--no-progress"}), kExitOk);
    EXPECT_THAT(err.str(), Not(HasSubstr("waiting")));
}

TEST_F(BlockRuns, RunsTheBoardCannotServeAreRefusedBeforeAnythingIsMeasured) {
    const std::uint64_t before = now();
    EXPECT_EQ(run({"-d", "1", "-s", "1000", "-n", "6000", "--no-plot"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("6000 samples at 1000.0 per second take 6.0 s"));
    // The paced rate decides: 36000 samples would take 4.6 s at 7777, but
    // the timer's 7142.9 per second need 5.04 s.
    EXPECT_EQ(run({"-d", "1", "-s", "7777", "-n", "36000", "--no-plot"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("at most 5 s"));
    EXPECT_EQ(run({"-d", "1", "-s", "500", "--no-plot"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("1000 to 100000 samples per second, not 500"));
    EXPECT_EQ(run({"-d", "1", "-m", "dma", "-s", "200000", "--no-plot"}), kExitUsage);
    EXPECT_EQ(run({"-d", "1", "-m", "polling", "-n", "1000001"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("a chart holds at most 1000000 samples, not 1000001"));
    EXPECT_EQ(run({"-d", "2", "-m", "dma", "--no-plot"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("Brax-Senu board has no DMA"));
    EXPECT_EQ(run({"-d", "2", "-c", "8", "--no-plot"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("channels 0 to 7"));
    EXPECT_EQ(run({"-d", "1", "-g", "2", "--no-plot"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("takes --range"));
    EXPECT_EQ(run({"-d", "3", "--no-plot"}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("device 3 is a Brax-Dorv"));
    EXPECT_EQ(run({"-d", "7", "--no-plot"}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("no device 7"));
    EXPECT_EQ(run({"-d", "1", "--csv", (folder() / "gone" / "x.csv").string(), "--no-plot"}),
              kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("does not exist"));
    // No run began: no settling pause passed, no file was written.
    EXPECT_EQ(now(), before);
    EXPECT_FALSE(std::filesystem::exists(csvPath()));
}

class PolledRuns : public StoreRun {};

TEST_F(PolledRuns, EachSampleIsTakenAtItsTimeAndALongRunShowsProgress) {
    const sim::SignalConfig triangle = vexaSignal(2);
    const std::uint64_t start = now();
    ASSERT_EQ(run({"-d", "1", "-c", "2", "-m", "polling", "-s", "500", "-n", "1500", "--no-plot"}),
              kExitOk)
        << err.str();
    Csv read = csv();
    ASSERT_EQ(read.rows.size(), 1500U);
    EXPECT_EQ(read.metadata.at("paced_rate"), "500 S/s (the millisecond clock)");
    EXPECT_EQ(read.metadata.count("achieved_rate"), 0U);
    for (std::size_t k = 0; k < read.rows.size(); ++k) {
        double t = static_cast<double>(start + k * 2000) / 1e6;
        ASSERT_EQ(read.rows[k].raw, sim::codeForVolts(sim::signalVolts(triangle, t), -5.0, 5.0))
            << k;
        ASSERT_NEAR(read.rows[k].seconds, static_cast<double>(k) * 0.002, 1e-9) << k;
    }
    // Not on a terminal: one line per tenth of the run.
    EXPECT_THAT(err.str(), HasSubstr("polled 150 of 1500 samples (10%)\n"));
    EXPECT_THAT(err.str(), HasSubstr("polled 1500 of 1500 samples (100%)\n"));
    const std::string shown = err.str();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 11);  // and the samples line
}

TEST_F(PolledRuns, AShortRunShowsNoProgressLine) {
    ASSERT_EQ(run({"-d", "0", "-m", "polling", "-s", "1000", "-n", "20", "--no-plot"}), kExitOk)
        << err.str();
    EXPECT_EQ(csv().rows.size(), 20U);
    EXPECT_THAT(err.str(), Not(HasSubstr("polled")));
}

TEST_F(PolledRuns, ARunThatCannotKeepUpWarnsAndStatesTheRateItKept) {
    // Every look at the clock costs 25 us, more than a sample's 10 us.
    auto slow = std::make_shared<AlarmClock>(machine.clock(), 0, nullptr, 25);
    hw::ScopedClock scope(slow);
    ASSERT_EQ(run({"-d", "1", "-m", "polling", "-s", "100000", "-n", "1000"}), kExitOk)
        << err.str();
    EXPECT_THAT(err.str(), HasSubstr("warning: the polled run could not keep up with 100000 "
                                     "samples per second; it kept "));
    Csv read = csv();
    ASSERT_EQ(read.rows.size(), 1000U);
    // time_s holds when each sample was taken, and the rate kept follows.
    const double kept = 999.0 / read.rows.back().seconds;
    EXPECT_LT(kept, 50000.0);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.1f S/s", kept);
    EXPECT_EQ(read.metadata.at("achieved_rate"), expected);
    for (std::size_t k = 1; k < read.rows.size(); ++k) {
        ASSERT_GT(read.rows[k].seconds, read.rows[k - 1].seconds) << k;
    }
}

class FirstUse : public AcquireRun {};

TEST_F(FirstUse, WithoutAStoreTheToolExplainsAndCreatesNothing) {
    EXPECT_EQ(run({"-d", "1", "--no-plot"}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("no device store at " + store.path().string()));
    EXPECT_THAT(err.str(), HasSubstr("--create-store"));
    EXPECT_FALSE(std::filesystem::exists(store.path()));
    EXPECT_EQ(run({"-d", "1", "--no-plot"}, "n\n", true), kExitFailed);
    EXPECT_FALSE(std::filesystem::exists(store.path()));
}

TEST_F(FirstUse, AnAcceptedOfferCreatesTheSimulatorsBoardsAndMeasures) {
    EXPECT_EQ(run({"-d", "1", "-n", "100", "-s", "10000", "--no-plot"}, "y\n", true), kExitOk)
        << err.str();
    EXPECT_THAT(err.str(), HasSubstr("[y/N]"));
    EXPECT_EQ(store.value("000@Brax-Olmi", "BaseAddress1"), 0x220U);
    EXPECT_EQ(store.value("001@Brax-VexaL", "BaseAddress1"), 0x300U);
    EXPECT_EQ(store.value("001@Brax-VexaL", "DMA"), 1U);
    EXPECT_EQ(store.value("002@Brax-Senu", "BaseAddress1"), 0x280U);
    EXPECT_EQ(store.value("003@Brax-Dorv", "BaseAddress1"), 0x2C0U);
    EXPECT_EQ(csv().rows.size(), 100U);
}

TEST_F(FirstUse, TheCreateFlagLeavesAnExistingStoreAlone) {
    ASSERT_TRUE(store.addDevice("001@Brax-Olmi", {{"BaseAddress1", 0x220}, {"IRQ1", 5}}));
    EXPECT_EQ(run({"-d", "1", "-c", "5", "-n", "10", "--create-store", "--no-plot"}), kExitOk)
        << err.str();
    EXPECT_THAT(err.str(), Not(HasSubstr("created")));
    EXPECT_EQ(store.value("001@Brax-VexaL", "BaseAddress1"), std::nullopt);
    // Device 1 is this store's Olmi: its constant 1.5 V on channel 5.
    EXPECT_NEAR(csv().rows.at(0).volts, 1.5, 10.0 / 4095);
}

}  // namespace
}  // namespace brennix::acquire::testing
