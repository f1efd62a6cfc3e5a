#pragma once
// What a board's property page adapts to: the lists it offers for the
// board. Plain data on each adapter, for the pages to read.

#include <cstdint>
#include <optional>

namespace brennix::daq {

enum class TransferList {
    PollingOnly,
    PollingAndInterrupt,
    AllThree,
    // All three offered, the selection forced to polling and the list
    // disabled.
    PollingForced,
};

// Which of the two lists is shown; the other is hidden with its label.
enum class RangeList { OverallInputRange, AdGain };

struct InputPage {
    std::int16_t channels;  // StartChannel 0 to channels - 1
    TransferList transfer;
    RangeList rangeList;
    // TriggerMode set to software triggering and disabled.
    bool softwareTriggerOnly = false;
    bool inputModeEnabled = false;
};

struct BoardPage {
    std::optional<InputPage> analogInput{};
    std::int16_t analogOutputChannels = 0;
    std::int16_t digitalPorts = 0;  // Port 0 to digitalPorts - 1
    std::int16_t timerChannels = 0;
};

}  // namespace brennix::daq
