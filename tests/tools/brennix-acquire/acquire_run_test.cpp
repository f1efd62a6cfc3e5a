#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "drivers/olmi/olmi_library.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/gfx/png_io.h"
#include "platform/hw/clock.h"
#include "simulator/signal_source.h"
#include "simulator/simulator.h"
#include "tests/daq/common/temporary_store.h"
#include "tools/brennix-acquire/acquire_command.h"
#include "tools/brennix-acquire/chart_plot.h"
#include "tools/brennix-acquire/default_store.h"

namespace brennix::acquire {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

struct CsvRow {
    std::int64_t sample = -1;
    std::int32_t raw = -1;
    double volts = 0.0;
};

// The simulator's default boards behind the default store, in virtual time.
class AcquireRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(drivers::vexa::reload(), 1);
        ASSERT_EQ(drivers::olmi::reload(), 1);
        ASSERT_EQ(drivers::senu::reload(), 1);
    }

    void useDefaultStore() {
        std::string error;
        ASSERT_TRUE(createDefaultStore(store.path(), error)) << error;
    }

    int run(std::vector<std::string> args, const std::string& answer = {},
            bool interactive = false) {
        args.insert(args.end(), {"--csv", csvPath(), "--png", pngPath()});
        std::istringstream in(answer);
        out.str({});
        err.str({});
        return runAcquire(args, Terminal{in, out, err, interactive});
    }

    std::string csvPath() const { return (store.path().parent_path() / "run.csv").string(); }
    std::string pngPath() const { return (store.path().parent_path() / "run.png").string(); }

    std::vector<CsvRow> csv() const {
        std::ifstream file(csvPath());
        std::string line;
        std::getline(file, line);
        EXPECT_EQ(line, "sample,raw,volts");
        std::vector<CsvRow> rows;
        while (std::getline(file, line)) {
            CsvRow row;
            char comma1 = 0;
            char comma2 = 0;
            std::istringstream fields(line);
            fields >> row.sample >> comma1 >> row.raw >> comma2 >> row.volts;
            EXPECT_TRUE(fields && comma1 == ',' && comma2 == ',') << line;
            rows.push_back(row);
        }
        return rows;
    }

    static sim::SignalConfig vexaSignal(unsigned channel) {
        return sim::defaultConfig().boards.at(1).channels.at(channel);
    }

    std::uint64_t now() { return machine.clock().nowMicroseconds(); }

    daq::testing::TemporaryStore store;
    sim::ScopedSimulator machine{sim::defaultConfig()};
    std::ostringstream out;
    std::ostringstream err;
};

class BlockRuns : public AcquireRun {
  protected:
    void SetUp() override {
        AcquireRun::SetUp();
        useDefaultStore();
    }
};

TEST_F(BlockRuns, AnInterruptRunOnTheVexaSineMatchesTheSimulatedSignal) {
    const sim::SignalConfig sine = vexaSignal(0);
    const double start = static_cast<double>(now()) / 1e6;
    ASSERT_EQ(run({"--device", "1", "--mode", "interrupt", "--rate", "10000", "--count", "1000",
                   "--no-plot"}),
              kExitOk)
        << err.str();
    EXPECT_THAT(out.str(), HasSubstr("run.csv (1000 samples, +/-5 V)"));
    std::vector<CsvRow> rows = csv();
    ASSERT_EQ(rows.size(), 1000U);
    double lowest = 5.0;
    double highest = -5.0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // The first conversion comes one pacer period after the start.
        double t = start + static_cast<double>(k + 1) / 10000.0;
        ASSERT_EQ(rows[k].sample, static_cast<std::int64_t>(k));
        ASSERT_EQ(rows[k].raw, sim::codeForVolts(sim::signalVolts(sine, t), -5.0, 5.0)) << k;
        ASSERT_NEAR(rows[k].volts, sim::signalVolts(sine, t), 10.0 / 4095) << k;
        lowest = std::min(lowest, rows[k].volts);
        highest = std::max(highest, rows[k].volts);
    }
    // 0.1 s of a 10 Hz sine: one whole period, both peaks.
    EXPECT_NEAR(lowest, -4.0, 0.01);
    EXPECT_NEAR(highest, 4.0, 0.01);
}

TEST_F(BlockRuns, TheChartShowsEverySampleOfTheRunAcrossItsScale) {
    ASSERT_EQ(run({"-d", "1", "-s", "10000", "-n", "1000"}), kExitOk) << err.str();
    EXPECT_THAT(out.str(), HasSubstr("chart:   " + pngPath()));
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
    // the plot area (which the caption and labels keep below the picture's
    // height) and, all 1000 samples in view, nearly its width.
    ASSERT_GE(bottom, 0);
    double span = bottom - top;
    EXPECT_GT(span, 0.6 * png->height());
    EXPECT_LT(span, 0.8 * png->height());
    EXPECT_GT(right - left, 0.85 * png->width());
}

TEST_F(BlockRuns, TheChosenRangeReachesTheVexaBlockRun) {
    // A 4 V sine on +/-2.5 V clips at both ends of the converter.
    ASSERT_EQ(
        run({"-d", "1", "-m", "dma", "-s", "20000", "-n", "2000", "-r", "bip2.5", "--no-plot"}),
        kExitOk)
        << err.str();
    std::vector<CsvRow> rows = csv();
    ASSERT_EQ(rows.size(), 2000U);
    auto clippedLow = std::count_if(rows.begin(), rows.end(),
                                    [](const CsvRow& r) { return r.raw == 0 && r.volts == -2.5; });
    auto clippedHigh = std::count_if(
        rows.begin(), rows.end(), [](const CsvRow& r) { return r.raw == 4095 && r.volts == 2.5; });
    EXPECT_GT(clippedLow, 300);
    EXPECT_GT(clippedHigh, 300);
}

TEST_F(BlockRuns, AnOlmiGainScalesTheVolts) {
    // Channel 5 holds 1.5 V; gain 2 spans +/-2.5 V.
    ASSERT_EQ(run({"-d", "0", "-c", "5", "-g", "2", "-s", "1000", "-n", "50", "--no-plot"}),
              kExitOk)
        << err.str();
    std::vector<CsvRow> rows = csv();
    ASSERT_EQ(rows.size(), 50U);
    for (const CsvRow& row : rows) {
        EXPECT_EQ(row.raw, sim::codeForVolts(1.5, -2.5, 2.5));
        EXPECT_NEAR(row.volts, 1.5, 5.0 / 4095);
    }
}

TEST_F(BlockRuns, TheControlsOwnMessagesGoToStandardError) {
    EXPECT_EQ(run({"-d", "1", "-s", "500", "--no-plot"}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("message: SampleRate must larger than 1000"));
    EXPECT_FALSE(std::filesystem::exists(csvPath()));
}

TEST_F(BlockRuns, RunsTheBoardCannotServeAreRefusedBeforeAnythingIsMeasured) {
    const std::uint64_t before = now();
    EXPECT_EQ(run({"-d", "1", "-s", "1000", "-n", "6000", "--no-plot"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("at most 5 s"));
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
    // No run began: no settling pause passed, no file was written.
    EXPECT_EQ(now(), before);
    EXPECT_FALSE(std::filesystem::exists(csvPath()));
}

class PolledRuns : public BlockRuns {};

TEST_F(PolledRuns, EachSampleIsTakenAtItsTimeAndALongRunShowsProgress) {
    const sim::SignalConfig triangle = vexaSignal(2);
    const std::uint64_t start = now();
    ASSERT_EQ(run({"-d", "1", "-c", "2", "-m", "polling", "-s", "500", "-n", "1500", "--no-plot"}),
              kExitOk)
        << err.str();
    std::vector<CsvRow> rows = csv();
    ASSERT_EQ(rows.size(), 1500U);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        double t = static_cast<double>(start + k * 2000) / 1e6;
        ASSERT_EQ(rows[k].raw, sim::codeForVolts(sim::signalVolts(triangle, t), -5.0, 5.0)) << k;
    }
    // Not on a terminal: one line per tenth of the run.
    EXPECT_THAT(err.str(), HasSubstr("polled 150 of 1500 samples (10%)\n"));
    EXPECT_THAT(err.str(), HasSubstr("polled 1500 of 1500 samples (100%)\n"));
    const std::string shown = err.str();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 10);
}

TEST_F(PolledRuns, AShortRunShowsNoProgressLine) {
    ASSERT_EQ(run({"-d", "0", "-m", "polling", "-s", "1000", "-n", "20", "--no-plot"}), kExitOk)
        << err.str();
    EXPECT_EQ(csv().size(), 20U);
    EXPECT_THAT(err.str(), Not(HasSubstr("polled")));
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
    EXPECT_EQ(csv().size(), 100U);
}

TEST_F(FirstUse, TheCreateFlagLeavesAnExistingStoreAlone) {
    ASSERT_TRUE(store.addDevice("001@Brax-Olmi", {{"BaseAddress1", 0x220}, {"IRQ1", 5}}));
    EXPECT_EQ(run({"-d", "1", "-c", "5", "-n", "10", "--create-store", "--no-plot"}), kExitOk)
        << err.str();
    EXPECT_THAT(err.str(), Not(HasSubstr("created")));
    EXPECT_EQ(store.value("001@Brax-VexaL", "BaseAddress1"), std::nullopt);
    // Device 1 is this store's Olmi: its constant 1.5 V on channel 5.
    EXPECT_NEAR(csv().at(0).volts, 1.5, 10.0 / 4095);
}

}  // namespace
}  // namespace brennix::acquire
