#pragma once
// The brennix-acquire command line.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brennix::acquire {

// Values as the control's TransferMode takes them.
enum class Transfer : std::int16_t { Polling = 0, Interrupt = 1, Dma = 2 };

std::string_view transferName(Transfer transfer);

// The most samples one run takes, as the acquisition devices accept them.
inline constexpr std::int32_t kMaxSamples = 1 << 24;

struct AcquireOptions {
    std::int32_t device = -1;
    int channel = 0;
    std::optional<int> rangeCode;  // Vexa boards
    std::optional<int> gainCode;   // Olmi and Senu boards
    bool differential = false;     // Vexa input mode
    Transfer transfer = Transfer::Interrupt;
    double rate = 1000.0;  // samples per second
    std::int32_t count = 1000;
    std::string csvPath = "acquisition.csv";
    std::string pngPath = "acquisition.png";
    bool plot = true;
    bool createStore = false;
    bool progress = true;
};

struct ParsedCommandLine {
    std::optional<AcquireOptions> options;  // empty after --help, --version or an error
    bool help = false;
    bool version = false;
    std::string error;
};

// `args` excludes the program name.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

extern const std::string_view kHelpText;

}  // namespace brennix::acquire
