#pragma once
// What a command line asks of a configured device, checked against the
// store, the board and the control's limits before anything is measured.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "tools/brennix-acquire/acquire_options.h"
#include "tools/brennix-acquire/analog_input.h"
#include "tools/brennix-acquire/input_scale.h"

namespace brennix::acquire {

// The control waits this long for a block run after its settling pause;
// a run must end within it, with room to spare.
inline constexpr double kLongestBlockSeconds = 5.0;
// The board's timer divides 2 MHz by 10 and by 200 over the whole
// kilosamples per second: 1000 to 100000 samples per second.
inline constexpr double kSlowestBlockRate = 1000.0;
inline constexpr double kFastestBlockRate = 100000.0;

// What the board's timer makes of a rate for a block run; 0 outside the
// block runs' rates.
double pacedRate(double requested);

// Where the device sits, as the store holds it.
struct DeviceFacts {
    std::string key;  // 001@Brax-VexaL
    int card = -1;    // as the controls count it
    std::uint32_t base = 0;
    std::uint32_t irq = 0;
    std::uint32_t dma = 0;
};

struct RunPlan {
    RunRequest request;
    InputScale scale;
    std::string board;
    DeviceFacts device;
    // Block runs: the timer's rate; polled runs: the rate asked for, which
    // the millisecond clock keeps on average.
    double pacedRate = 0.0;
};

struct PlannedRun {
    std::optional<RunPlan> plan;
    int exitCode = 0;     // when there is no plan
    std::string problem;  // why not
};

PlannedRun planRun(const AcquireOptions& options, const std::filesystem::path& store);

}  // namespace brennix::acquire
