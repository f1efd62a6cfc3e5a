#include "tools/brennix-acquire/acquire_options.h"

#include <charconv>
#include <cmath>

#include "tools/brennix-acquire/input_scale.h"
#include "tools/common/command_line.h"

namespace brennix::acquire {

const std::string_view kHelpText = R"(Usage: brennix-acquire --device N [OPTIONS]

Measures analog input on a configured data-acquisition board through the
analog-input control, writes the samples as CSV and draws them as a strip
chart in a PNG file.

Options (short ones take their value attached too: -d1 -n500):
  -d, --device N      device number in the device store, 0 to 999 (required;
                      brennix-config list shows them)
  -c, --channel N     input channel [0]: 0 to 15 on Brax-VexaL (0 to 7
                      differential) and Brax-Olmi, 0 to 7 on Brax-Senu
  -r, --range R       input range of a Brax-VexaL board [bip5]: a code 0 to 8
                      or its name: bip5 (+/-5 V), bip2.5, bip1.25, bip0.625,
                      uni10 (0 to 10 V), uni5, uni2.5, uni1.25, bip10
  -g, --gain G        gain of a Brax-Olmi or Brax-Senu board [1]: 1, 2, 4, 8 or
                      16 (+/-5 V divided by the gain)
      --differential  differential inputs (Brax-VexaL only)
  -m, --mode MODE     transfer mode [interrupt]: polling (one RawInput per
                      sample, paced by the millisecond clock), interrupt or
                      dma (Brax-VexaL only); interrupt and dma runs are paced
                      by the board's timer at 1000 to 100000 samples per
                      second and must end within 5 seconds
  -s, --rate R        samples per second [1000]
  -n, --count N       number of samples, 1 to 16777216, at most 1000000 with
                      a chart [1000]
      --csv FILE      where the samples go [acquisition.csv]; - for standard
                      output
      --png FILE      where the chart goes [acquisition.png]; - for standard
                      output
      --no-plot       write no chart
      --create-store  when there is no device store yet, create the one that
                      matches the simulated boards without asking
      --no-progress   no progress lines
  -h, --help          show this text
      --version       show the version

The CSV starts with "#" lines that describe the run (device, board, card,
channel, mode, range or gain, requested and paced rate, start time, sample
count, outcome), then the columns sample,time_s,raw,volts. A run that fails
or is stopped keeps only the samples the control delivered, and says so in
those lines; files appear under their names only when complete.

Without a device store the tool offers to create one with the boards the
simulator provides by default: 0 Brax-Olmi at 0x220, 1 Brax-VexaL at 0x300,
2 Brax-Senu at 0x280, 3 Brax-Dorv at 0x2C0.

Ctrl-C (SIGINT) or SIGTERM stops a polled run between samples and saves what
was taken; a block run cannot be cut short and ends within its 5 s wait.

Messages of the control and the drivers and every status line go to
standard error. Exit status: 0 done, 1 the store, the board, the run or a
file failed, 2 the command line was wrong, 130 or 143 stopped by SIGINT or
SIGTERM (what was taken is saved).
)";

std::string_view transferName(Transfer transfer) {
    switch (transfer) {
        case Transfer::Polling:
            return "polling";
        case Transfer::Interrupt:
            return "interrupt";
        case Transfer::Dma:
            break;
    }
    return "dma";
}

namespace {

template <class T>
std::optional<T> numberOf(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

constexpr tools::OptionRule kOptions[] = {
    {"device", 'd', true},
    {"channel", 'c', true},
    {"range", 'r', true},
    {"gain", 'g', true},
    {"differential"},
    {"mode", 'm', true},
    {"rate", 's', true},
    {"count", 'n', true},
    {"csv", 0, true, "a file name"},
    {"png", 0, true, "a file name"},
    {"no-plot"},
    {"create-store"},
    {"no-progress"},
    {"help", 'h'},
    {"version"},
};

std::string apply(std::string_view name, const std::string& value, AcquireOptions& options) {
    if (name == "device") {
        auto number = numberOf<std::int32_t>(value);
        if (!number || *number < 0 || *number > 999) {
            return "--device takes a device number 0 to 999, not \"" + value + "\"";
        }
        options.device = *number;
    } else if (name == "channel") {
        auto number = numberOf<int>(value);
        if (!number || *number < 0 || *number > 15) {
            return "--channel takes a channel 0 to 15, not \"" + value + "\"";
        }
        options.channel = *number;
    } else if (name == "range") {
        options.rangeCode = parseRangeCode(value);
        if (!options.rangeCode) {
            return "--range takes a code 0 to 8 or bip5, bip2.5, bip1.25, bip0.625, uni10, "
                   "uni5, uni2.5, uni1.25, bip10; not \"" +
                   value + "\"";
        }
    } else if (name == "gain") {
        options.gainCode = parseGainCode(value);
        if (!options.gainCode) {
            return "--gain takes 1, 2, 4, 8 or 16, not \"" + value + "\"";
        }
    } else if (name == "mode") {
        if (value == "polling" || value == "poll") {
            options.transfer = Transfer::Polling;
        } else if (value == "interrupt" || value == "int") {
            options.transfer = Transfer::Interrupt;
        } else if (value == "dma" || value == "DMA") {
            options.transfer = Transfer::Dma;
        } else {
            return "--mode takes polling, interrupt or dma, not \"" + value + "\"";
        }
    } else if (name == "rate") {
        auto rate = numberOf<double>(value);
        if (!rate || !std::isfinite(*rate) || *rate <= 0.0 || *rate > 1e7) {
            return "--rate takes samples per second above 0, not \"" + value + "\"";
        }
        options.rate = *rate;
    } else if (name == "count") {
        auto count = numberOf<std::int32_t>(value);
        if (!count || *count < 1 || *count > kMaxSamples) {
            return "--count takes 1 to " + std::to_string(kMaxSamples) + " samples, not \"" +
                   value + "\"";
        }
        options.count = *count;
    } else if (value.empty()) {
        return "--" + std::string(name) + " needs a file name";
    } else if (name == "csv") {
        options.csvPath = value;
    } else {
        options.pngPath = value;
    }
    return {};
}

ParsedCommandLine failed(std::string error) {
    ParsedCommandLine result;
    result.error = std::move(error);
    return result;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
    tools::ParsedArguments parsed = tools::parseArguments(args, kOptions);
    ParsedCommandLine result;
    for (const auto& option : parsed.options) {
        result.help = result.help || option.name == "help";
        result.version = result.version || option.name == "version";
    }
    // Asking for help or the version is answered whatever else is wrong.
    if (result.help || result.version) {
        return result;
    }
    if (!parsed.ok()) {
        return failed(parsed.error);
    }
    if (!parsed.positional.empty()) {
        return failed("unexpected argument \"" + parsed.positional.front() + "\"");
    }
    AcquireOptions options;
    for (const auto& option : parsed.options) {
        if (option.name == "differential") {
            options.differential = true;
        } else if (option.name == "no-plot") {
            options.plot = false;
        } else if (option.name == "create-store") {
            options.createStore = true;
        } else if (option.name == "no-progress") {
            options.progress = false;
        } else if (std::string error = apply(option.name, *option.value, options); !error.empty()) {
            return failed(error);
        }
    }
    if (options.device < 0) {
        return failed("choose a device with --device N (brennix-config list shows them)");
    }
    if (options.rangeCode && options.gainCode) {
        return failed(
            "--range is for Brax-VexaL boards, --gain for Brax-Olmi and Brax-Senu: "
            "give one of them");
    }
    if (options.plot && options.pngPath == options.csvPath) {
        return failed("--csv and --png name the same file");
    }
    result.options = options;
    return result;
}

}  // namespace brennix::acquire
