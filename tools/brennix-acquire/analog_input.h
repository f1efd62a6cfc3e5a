#pragma once
// One acquisition through the analog-input control, created by its
// programmatic identifier and driven through its dispatch interface like
// any host would: polled runs call RawInput per sample, interrupt and DMA
// runs call AcquireStart and take the block from OnEventRaw.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/brennix-acquire/acquire_options.h"
#include "tools/brennix-acquire/input_scale.h"
#include "tools/brennix-acquire/message_relay.h"

namespace brennix::acquire {

inline constexpr std::string_view kAnalogInputProgId = "ORSINO.ORSINOCtrl.1";
inline constexpr std::string_view kTimeoutMessage = "Timeout error,check IRQ or DMA";

struct RunRequest {
    std::int32_t device = -1;
    BoardFamily family = BoardFamily::Vexa;
    int channel = 0;
    // Vexa: the range code; Olmi and Senu: the gain code.
    int rangeOrGain = 0;
    bool differential = false;
    Transfer transfer = Transfer::Interrupt;
    double rate = 1000.0;
    std::int32_t count = 1;
};

enum class Outcome {
    Complete,     // every sample asked for, no complaint
    Incomplete,   // the run ended with part of the samples
    TimedOut,     // the control's wait ran out; what it delivered is kept
    Interrupted,  // a signal stopped the run between samples
    Failed,       // nothing or part was taken before an error
};

struct RunResult {
    // Converter codes as delivered; never a sample the control did not
    // deliver.
    std::vector<std::int32_t> samples;
    // Polled runs: when each sample was taken, on the microsecond clock.
    std::vector<std::uint64_t> takenAtMicros;
    Outcome outcome = Outcome::Failed;
    std::string problem;  // why not complete
    int signal = 0;       // the signal that stopped it
    bool complete() const { return outcome == Outcome::Complete; }
};

struct RunHooks {
    std::function<void(std::int32_t done, std::int32_t total)> polled;
    std::function<void()> blockWaiting;
    std::function<void(std::size_t delivered)> blockDone;
    // The signal that asks the run to stop, or 0.
    std::function<int()> stopRequested;
};

// Messages the control shows go through `messages`; a run that made the
// control complain is not complete, but keeps what it delivered.
RunResult runAcquisition(const RunRequest& request, const MessageRelay& messages,
                         const RunHooks& hooks);

}  // namespace brennix::acquire
