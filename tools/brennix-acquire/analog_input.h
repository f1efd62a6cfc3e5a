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

struct RunResult {
    std::vector<std::int32_t> samples;  // converter codes as delivered
    bool complete = false;              // every sample asked for, no complaint
    std::string problem;                // why not, when not complete
};

// Called with the samples taken so far during a polled run.
using Progress = std::function<void(std::int32_t done, std::int32_t total)>;

// Messages the control shows go through `messages`; a run that made the
// control complain is not complete, but keeps what it gathered.
RunResult runAcquisition(const RunRequest& request, const MessageRelay& messages,
                         const Progress& progress);

}  // namespace brennix::acquire
