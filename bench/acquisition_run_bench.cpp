// Processor share of a real-time analog-input block run on the simulated
// Vexa board: the run must wait for the pacer without spinning.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "daq/orsino/orsino_ctrl.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"

namespace {

using brennix::daq::orsino::CORSINOCtrl;
namespace com = brennix::com;

constexpr std::int32_t kSamples = 10000;  // one second at the rate below
constexpr double kRate = 10000.0;

double processSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// The simulator's default machine has a Vexa board at 0x300.
std::filesystem::path writeStore() {
    auto path = std::filesystem::temp_directory_path() /
                ("brennix-bench-" + std::to_string(getpid()) + ".reg");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-VexaL]\r\n"
           "\"BaseAddress1\"=dword:00000300\r\n"
           "\"BaseAddress2\"=dword:00000000\r\n"
           "\"IRQ1\"=dword:00000005\r\n"
           "\"IRQ2\"=dword:00000001\r\n"
           "\"DMA\"=dword:00000001\r\n";
    return path;
}

void RealTimeVexaInterruptRun(benchmark::State& state) {
    auto store = writeStore();
    setenv("BRENNIX_REGISTRY", store.c_str(), 1);
    com::MessageRecorder messages;

    com::HeadlessSite site;
    site.ambientProperties().userMode = false;
    auto control = com::createControl<CORSINOCtrl>();
    site.attach(*control);
    bool configured = control->put("NumberOfSamples", kSamples).ok() &&
                      control->put("SampleRate", kRate).ok() &&
                      control->put("TriggerMode", std::int16_t{2}).ok() &&
                      control->put("TransferMode", std::int16_t{1}).ok() &&
                      control->put("DeviceNumber", std::int32_t{0}).ok() && control->OpenDevice();
    if (!configured) {
        std::string reason = "the simulated Vexa device could not be opened";
        for (const auto& text : messages.texts()) {
            reason += ": " + text;
        }
        state.SkipWithError(reason.c_str());
    }

    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        auto wallStart = std::chrono::steady_clock::now();
        double cpuStart = processSeconds();
        bool done = control->AcquireStart();
        cpu += processSeconds() - cpuStart;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        if (!done) {
            std::string reason = "the block run failed";
            for (const auto& text : messages.texts()) {
                reason += ": " + text;
            }
            state.SkipWithError(reason.c_str());
            break;
        }
    }
    state.counters["cpu_share_percent"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
    state.counters["wall_s"] = benchmark::Counter(wall, benchmark::Counter::kAvgIterations);
    state.counters["messages"] = static_cast<double>(messages.messages().size());
    control->setSite(nullptr);
    std::filesystem::remove(store);
}

BENCHMARK(RealTimeVexaInterruptRun)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
