#include "tools/brennix-acquire/acquire_options.h"

#include <charconv>
#include <cmath>
#include <map>

#include "tools/brennix-acquire/input_scale.h"

namespace brennix::acquire {

const std::string_view kHelpText = R"(Usage: brennix-acquire --device N [OPTIONS]

Measures analog input on a configured data-acquisition board through the
analog-input control, writes the samples as CSV (sample, raw code, volts)
and draws them as a strip chart in a PNG file.

Options:
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
                      by the board's timer and must end within 5 seconds
  -s, --rate R        samples per second [1000]; interrupt and dma need at
                      least 1000
  -n, --count N       number of samples, 1 to 16777216 [1000]
      --csv FILE      where the samples go [acquisition.csv]
      --png FILE      where the chart goes [acquisition.png]
      --no-plot       write no chart
      --create-store  when there is no device store yet, create the one that
                      matches the simulated boards without asking
      --no-progress   no progress line during long polled runs
  -h, --help          show this text

Without a device store the tool offers to create one with the boards the
simulator provides by default: 0 Brax-Olmi at 0x220, 1 Brax-VexaL at 0x300,
2 Brax-Senu at 0x280, 3 Brax-Dorv at 0x2C0.

Messages of the control and the drivers go to standard error. Exit status:
0 done, 1 the store, the board or a file failed, 2 the command line was wrong.
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

class Parser {
  public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    ParsedCommandLine run() {
        ParsedCommandLine result;
        AcquireOptions options;
        for (index_ = 0; index_ < args_.size(); ++index_) {
            std::string name = args_[index_];
            std::optional<std::string> inlineValue;
            if (auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name.resize(eq);
            }
            name = longName(name);
            if (name == "--help") {
                result.help = true;
                return result;
            }
            if (auto flag = flagOf(name, options)) {
                if (inlineValue) {
                    return failed(name + " takes no value");
                }
                *flag = !(name == "--no-plot" || name == "--no-progress");
                continue;
            }
            if (!takesValue(name)) {
                return failed("unknown option \"" + args_[index_] + "\"");
            }
            std::optional<std::string> value = inlineValue;
            if (!value) {
                if (index_ + 1 >= args_.size()) {
                    return failed(name + " needs a value");
                }
                value = args_[++index_];
            }
            if (std::string error = apply(name, *value, options); !error.empty()) {
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

  private:
    static std::string longName(const std::string& name) {
        static const std::map<std::string, std::string> shortNames = {
            {"-d", "--device"}, {"-c", "--channel"}, {"-r", "--range"}, {"-g", "--gain"},
            {"-m", "--mode"},   {"-s", "--rate"},    {"-n", "--count"}, {"-h", "--help"}};
        auto found = shortNames.find(name);
        return found == shortNames.end() ? name : found->second;
    }

    static bool* flagOf(const std::string& name, AcquireOptions& options) {
        if (name == "--differential") {
            return &options.differential;
        }
        if (name == "--no-plot") {
            return &options.plot;
        }
        if (name == "--create-store") {
            return &options.createStore;
        }
        if (name == "--no-progress") {
            return &options.progress;
        }
        return nullptr;
    }

    static bool takesValue(const std::string& name) {
        return name == "--device" || name == "--channel" || name == "--range" || name == "--gain" ||
               name == "--mode" || name == "--rate" || name == "--count" || name == "--csv" ||
               name == "--png";
    }

    static std::string apply(const std::string& name, const std::string& value,
                             AcquireOptions& options) {
        if (name == "--device") {
            auto number = numberOf<std::int32_t>(value);
            if (!number || *number < 0 || *number > 999) {
                return "--device takes a device number 0 to 999, not \"" + value + "\"";
            }
            options.device = *number;
        } else if (name == "--channel") {
            auto number = numberOf<int>(value);
            if (!number || *number < 0 || *number > 15) {
                return "--channel takes a channel 0 to 15, not \"" + value + "\"";
            }
            options.channel = *number;
        } else if (name == "--range") {
            options.rangeCode = parseRangeCode(value);
            if (!options.rangeCode) {
                return "--range takes a code 0 to 8 or bip5, bip2.5, bip1.25, bip0.625, uni10, "
                       "uni5, uni2.5, uni1.25, bip10; not \"" +
                       value + "\"";
            }
        } else if (name == "--gain") {
            options.gainCode = parseGainCode(value);
            if (!options.gainCode) {
                return "--gain takes 1, 2, 4, 8 or 16, not \"" + value + "\"";
            }
        } else if (name == "--mode") {
            if (value == "polling" || value == "poll") {
                options.transfer = Transfer::Polling;
            } else if (value == "interrupt" || value == "int") {
                options.transfer = Transfer::Interrupt;
            } else if (value == "dma" || value == "DMA") {
                options.transfer = Transfer::Dma;
            } else {
                return "--mode takes polling, interrupt or dma, not \"" + value + "\"";
            }
        } else if (name == "--rate") {
            auto rate = numberOf<double>(value);
            if (!rate || !std::isfinite(*rate) || *rate <= 0.0 || *rate > 1e7) {
                return "--rate takes samples per second above 0, not \"" + value + "\"";
            }
            options.rate = *rate;
        } else if (name == "--count") {
            auto count = numberOf<std::int32_t>(value);
            if (!count || *count < 1 || *count > kMaxSamples) {
                return "--count takes 1 to " + std::to_string(kMaxSamples) + " samples, not \"" +
                       value + "\"";
            }
            options.count = *count;
        } else if (value.empty()) {
            return name + " needs a file name";
        } else if (name == "--csv") {
            options.csvPath = value;
        } else {
            options.pngPath = value;
        }
        return {};
    }

    static ParsedCommandLine failed(std::string error) {
        ParsedCommandLine result;
        result.error = std::move(error);
        return result;
    }

    const std::vector<std::string>& args_;
    std::size_t index_ = 0;
};

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
    return Parser(args).run();
}

}  // namespace brennix::acquire
