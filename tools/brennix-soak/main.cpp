// brennix-soak: long runs on the simulated boards and the Chart, reporting
// resident memory at the start, after warm-up and at the end, and open
// descriptors around repeated driver unloads and loads.
//
//   brennix-soak [--cycles N] [--rounds N] [--samples N]
//
// --cycles: driver unload/load cycles (1000); --rounds: rounds of one polled
// and four block runs on the simulator (60); --samples: samples fed to each
// Chart plot (1000000). Exits 1 when memory grows after warm-up by more than
// a tenth or a descriptor is left open.

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/control/chart_ctrl.h"
#include "drivers/olmi/olmi_library.h"
#include "drivers/senu/senu_library.h"
#include "drivers/vexa/vexa_library.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/safe_array.h"
#include "platform/gfx/raster_canvas.h"
#include "simulator/simulator.h"
#include "tools/brennix-acquire/acquire_command.h"
#include "tools/brennix-acquire/default_store.h"
#include "tools/brennix-soak/soak_probe.h"
#include "tools/common/command_line.h"
#include "tools/common/version.h"

namespace {

using namespace brennix;

struct Figures {
    std::string name;
    std::size_t start = 0;
    std::size_t warm = 0;
    std::size_t end = 0;
    std::string detail;
    bool flat() const { return end <= warm + warm / 10; }
};

void print(const Figures& f) {
    std::printf("%-12s RSS KiB start %7zu  warm %7zu  end %7zu  %s  %s\n", f.name.c_str(), f.start,
                f.warm, f.end, f.flat() ? "flat" : "GROWS", f.detail.c_str());
}

bool driverCycles(int cycles) {
    const std::size_t before = soak::openDescriptors();
    const std::size_t rssBefore = soak::residentKiB();
    int failures = 0;
    for (int i = 0; i < cycles; ++i) {
        failures += drivers::vexa::reload() != 1;
        failures += drivers::olmi::reload() != 1;
        failures += drivers::senu::reload() != 1;
    }
    const std::size_t after = soak::openDescriptors();
    std::printf(
        "drivers      %d unload/load cycles of 3 libraries: descriptors %zu before, %zu "
        "after; RSS KiB %zu -> %zu; %d failed loads\n",
        cycles, before, after, rssBefore, soak::residentKiB(), failures);
    return after <= before && failures == 0;
}

// The simulator that tests install journals every port access and device
// call, up to a million entries of up to a few KiB each: a soak on it would
// measure the journal filling. The tools' own simulator keeps none.
void withoutJournal(sim::ScopedSimulator& machine) {
    machine.journal().setCapacity(0);
}

bool acquisitionRounds(int rounds, const std::filesystem::path& folder) {
    sim::ScopedSimulator machine{sim::defaultConfig()};
    withoutJournal(machine);
    // The drivers attach to the machine installed when they load.
    if (drivers::vexa::reload() != 1 || drivers::olmi::reload() != 1 ||
        drivers::senu::reload() != 1) {
        std::fprintf(stderr, "brennix-soak: the drivers find no boards\n");
        return false;
    }
    Figures f;
    f.name = "acquisition";
    const std::string csv = (folder / "run.csv").string();
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--device", "1", "--csv", csv, "--no-plot"});
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        int rc = acquire::runAcquire(args, acquire::Terminal{in, out, err, false, false});
        if (rc != acquire::kExitOk) {
            std::cerr << err.str();
        }
        return rc == acquire::kExitOk;
    };
    int failures = 0;
    f.start = soak::residentKiB();
    for (int round = 0; round < rounds; ++round) {
        failures += !run({"--mode", "polling", "--rate", "1000", "--count", "1000"});
        for (int block = 0; block < 4; ++block) {
            failures += !run({"--mode", "interrupt", "--rate", "10000", "--count", "10000"});
        }
        if (round == rounds / 10) {
            f.warm = soak::residentKiB();
        }
    }
    f.end = soak::residentKiB();
    f.detail = std::to_string(rounds * 5) + " runs, " +
               std::to_string(machine.clock().nowMicroseconds() / 1000000) +
               " s of virtual time, " + std::to_string(failures) + " failed";
    print(f);
    return f.flat() && failures == 0;
}

bool chartFeed(long samples) {
    auto chart = com::createControl<chart::CChartCtrl>();
    com::HeadlessSite site;
    site.attach(*chart);
    constexpr std::int16_t kPlots = 8;
    (void)chart->put("PlotNum", kPlots);
    (void)chart->put("HistoryLength", std::int32_t{1048575});
    (void)chart->put("ViewNum", std::int32_t{4000});
    (void)chart->call("InitControl");
    gfx::RasterCanvas canvas({640, 480});
    constexpr int kPerCall = 1000;  // samples per plot in one PlotCharts
    std::vector<double> block(static_cast<std::size_t>(kPerCall) * kPlots);
    Figures f;
    f.name = "chart";
    f.start = soak::residentKiB();
    const long calls = samples / kPerCall;
    for (long call = 0; call < calls; ++call) {
        for (std::size_t i = 0; i < block.size(); ++i) {
            block[i] = static_cast<double>((call * kPerCall + static_cast<long>(i)) % 997) / 10.0;
        }
        (void)chart->call("PlotCharts",
                          {com::Variant(com::SafeArray::fromValues<double>(block).value())});
        if (call % 10 == 0) {
            chart->draw(canvas, {0, 0, 640, 480});
        }
        if (call == calls / 10) {
            f.warm = soak::residentKiB();
        }
    }
    f.end = soak::residentKiB();
    f.detail = std::to_string(calls * kPerCall) + " samples per plot, " + std::to_string(kPlots) +
               " plots, a repaint every " + std::to_string(10 * kPerCall);
    print(f);
    return f.flat();
}

}  // namespace

int main(int argc, char** argv) {
    static constexpr tools::OptionRule kRules[] = {{"cycles", 0, true, "a count"},
                                                   {"rounds", 0, true, "a count"},
                                                   {"samples", 0, true, "a count"},
                                                   {"help", 'h', false},
                                                   {"version", 0, false}};
    const auto parsed =
        tools::parseArguments(std::vector<std::string>(argv + 1, argv + argc), kRules);
    if (!parsed.ok() || !parsed.positional.empty()) {
        std::fprintf(stderr, "brennix-soak: %s\n",
                     parsed.ok() ? "no arguments are taken" : parsed.error.c_str());
        return 2;
    }
    int cycles = 1000;
    int rounds = 60;
    long samples = 1000000;
    for (const auto& option : parsed.options) {
        if (option.name == "help") {
            std::puts("usage: brennix-soak [--cycles N] [--rounds N] [--samples N] [--version]");
            return 0;
        }
        if (option.name == "version") {
            std::fputs(tools::versionText("brennix-soak").c_str(), stdout);
            return 0;
        }
        const long value = std::strtol(option.value->c_str(), nullptr, 10);
        if (value <= 0) {
            std::fprintf(stderr, "brennix-soak: %s needs a positive count\n",
                         option.spelling.c_str());
            return 2;
        }
        if (option.name == "cycles") {
            cycles = static_cast<int>(value);
        } else if (option.name == "rounds") {
            rounds = static_cast<int>(value);
        } else {
            samples = value;
        }
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "brennix-soak-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("brennix-soak: temporary folder");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    ::setenv("BRENNIX_REGISTRY", (folder / "registry.reg").c_str(), 1);
    com::installMessageHandler(
        [](const com::Message& m) { std::fprintf(stderr, "message: %s\n", m.text.c_str()); });
    std::string error;
    if (!acquire::createDefaultStore(folder / "registry.reg", error)) {
        std::fprintf(stderr, "brennix-soak: %s\n", error.c_str());
        return 1;
    }
    bool ok = true;
    {
        sim::ScopedSimulator machine{sim::defaultConfig()};
        withoutJournal(machine);
        ok = driverCycles(cycles) && ok;
    }
    ok = acquisitionRounds(rounds, folder) && ok;
    ok = chartFeed(samples) && ok;
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
