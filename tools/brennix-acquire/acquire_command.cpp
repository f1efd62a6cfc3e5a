#include "tools/brennix-acquire/acquire_command.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "platform/hw/clock.h"
#include "platform/winreg/store_file.h"
#include "tools/brennix-acquire/acquire_options.h"
#include "tools/brennix-acquire/analog_input.h"
#include "tools/brennix-acquire/chart_plot.h"
#include "tools/brennix-acquire/default_store.h"
#include "tools/brennix-acquire/input_scale.h"
#include "tools/brennix-acquire/message_relay.h"
#include "tools/brennix-acquire/sample_csv.h"
#include "tools/brennix-config/device_store.h"

namespace brennix::acquire {
namespace {

constexpr std::string_view kPrefix = "brennix-acquire: ";
// The control waits this long for a block run after its settling pause.
constexpr double kLongestBlockSeconds = 5.0;
// The pacer divisors reach 20 at 100000 samples per second.
constexpr double kFastestBlockRate = 100000.0;
// Polled runs this long show a progress line.
constexpr double kProgressAfterSeconds = 2.0;
constexpr std::uint64_t kProgressEveryMicros = 250'000;

// What the board's timer makes of a rate: the control divides its 2 MHz
// clock by 10 and by 200 over the whole kilosamples per second.
double pacedRate(double rate) {
    auto kilo = static_cast<std::uint32_t>(rate) / 1000U;
    if (kilo == 0 || 200U / kilo == 0) {
        return 0.0;
    }
    return 2'000'000.0 / (10.0 * (200U / kilo));
}

class Command {
  public:
    explicit Command(Terminal terminal) : t_(terminal) {}

    int run(const std::vector<std::string>& args) {
        ParsedCommandLine parsed = parseCommandLine(args);
        if (parsed.help) {
            t_.out << kHelpText;
            return kExitOk;
        }
        if (!parsed.options) {
            t_.err << kPrefix << parsed.error << "\nTry brennix-acquire --help.\n";
            return kExitUsage;
        }
        options_ = *parsed.options;
        MessageRelay relay(t_.err, std::string(kPrefix) + "message: ");
        relay_ = &relay;
        if (!ensureStore()) {
            return kExitFailed;
        }
        std::optional<RunRequest> request = requestFor();
        if (!request) {
            return failure_;
        }
        if (!outputsWritable()) {
            return kExitFailed;
        }
        noteRunLength(*request);

        ProgressLine line(t_.err, showsProgress(*request), t_.errIsTerminal);
        RunResult result = runAcquisition(
            *request, relay,
            [&line](std::int32_t done, std::int32_t total) { line.update(done, total); });
        line.finish();
        return report(result);
    }

  private:
    // On a terminal one line rewritten in place; elsewhere a line per tenth.
    class ProgressLine {
      public:
        ProgressLine(std::ostream& err, bool enabled, bool inPlace)
            : err_(err), enabled_(enabled), inPlace_(inPlace) {}
        void update(std::int32_t done, std::int32_t total) {
            if (!enabled_) {
                return;
            }
            const long long percent = static_cast<long long>(done) * 100 / total;
            if (inPlace_) {
                std::uint64_t now = hw::nowMicroseconds();
                if (done != total && shown_ && now - last_ < kProgressEveryMicros) {
                    return;
                }
                last_ = now;
            } else if (done != total && percent / 10 == lastTenth_) {
                return;
            }
            lastTenth_ = percent / 10;
            shown_ = true;
            err_ << (inPlace_ ? "\r" : "") << kPrefix << "polled " << done << " of " << total
                 << " samples (" << percent << "%)" << (inPlace_ ? "" : "\n") << std::flush;
        }
        void finish() {
            if (shown_ && inPlace_) {
                err_ << '\n';
            }
        }

      private:
        std::ostream& err_;
        bool enabled_;
        bool inPlace_;
        bool shown_ = false;
        std::uint64_t last_ = 0;
        long long lastTenth_ = 0;
    };

    bool ensureStore() {
        storePath_ = winreg::storePath();
        std::error_code ec;
        if (std::filesystem::exists(storePath_, ec)) {
            return true;
        }
        if (!options_.createStore && !agreesToCreate()) {
            t_.err << kPrefix << "there is no device store at " << storePath_.string()
                   << ".\nRun again with --create-store to create one for the simulated boards, "
                      "or add your boards with brennix-config add.\n";
            return false;
        }
        std::string error;
        if (!createDefaultStore(storePath_, error)) {
            t_.err << kPrefix << error << '\n';
            return false;
        }
        t_.err << kPrefix << "created the device store " << storePath_.string()
               << " with the simulated boards:\n"
               << describeDefaultDevices();
        return true;
    }

    bool agreesToCreate() {
        if (!t_.interactive) {
            return false;
        }
        t_.err << kPrefix << "there is no device store at " << storePath_.string()
               << ".\nCreate it with the boards the simulator provides?\n"
               << describeDefaultDevices() << "[y/N] " << std::flush;
        std::string answer;
        if (!std::getline(t_.in, answer)) {
            return false;
        }
        return answer == "y" || answer == "Y" || answer == "yes";
    }

    std::optional<RunRequest> requestFor() {
        failure_ = kExitFailed;
        config::DeviceStore store(storePath_);
        config::Device device;
        config::StoreResult found = store.find(options_.device, device);
        if (!found.ok()) {
            t_.err << kPrefix << found.message << " in " << storePath_.string()
                   << " (brennix-config list shows the devices)\n";
            return std::nullopt;
        }
        std::optional<BoardFamily> family = familyOfBoard(device.board);
        if (!family) {
            t_.err << kPrefix << "device " << options_.device << " is a " << device.board
                   << "; brennix-acquire measures with Brax-VexaL, Brax-Olmi and Brax-Senu "
                      "boards\n";
            return std::nullopt;
        }
        board_ = std::string(boardNameOf(*family));
        failure_ = kExitUsage;
        RunRequest request;
        request.device = options_.device;
        request.family = *family;
        request.channel = options_.channel;
        request.differential = options_.differential;
        request.transfer = options_.transfer;
        request.rate = options_.rate;
        request.count = options_.count;
        if (*family == BoardFamily::Vexa) {
            if (options_.gainCode) {
                return refuse("a Brax-VexaL board takes --range, not --gain");
            }
            request.rangeOrGain = options_.rangeCode.value_or(0);
            scale_ = *vexaRange(request.rangeOrGain);
        } else {
            if (options_.rangeCode) {
                return refuse("a " + board_ + " board takes --gain, not --range");
            }
            if (options_.differential) {
                return refuse("only Brax-VexaL boards have differential inputs");
            }
            request.rangeOrGain = options_.gainCode.value_or(0);
            scale_ = *gainRange(request.rangeOrGain);
        }
        int highest = highestChannel(*family, options_.differential);
        if (request.channel > highest) {
            return refuse("a " + board_ + " board has channels 0 to " + std::to_string(highest) +
                          (options_.differential ? " in differential mode" : ""));
        }
        if (request.transfer == Transfer::Dma && !hasDma(*family)) {
            return refuse("a " + board_ + " board has no DMA transfer; use --mode interrupt");
        }
        if (request.transfer != Transfer::Polling) {
            if (request.rate > kFastestBlockRate) {
                return refuse("interrupt and dma runs take at most 100000 samples per second");
            }
            double seconds = request.count / request.rate;
            if (seconds > kLongestBlockSeconds) {
                char text[160];
                std::snprintf(text, sizeof text,
                              "%d samples at %g per second take %.1f s, but the control waits "
                              "at most 5 s for a block: lower --count, raise --rate or use "
                              "--mode polling",
                              request.count, request.rate, seconds);
                return refuse(text);
            }
        }
        return request;
    }

    std::nullopt_t refuse(const std::string& why) {
        t_.err << kPrefix << why << '\n';
        return std::nullopt;
    }

    // Checked before the run, so that no measurement is taken for nothing.
    bool outputsWritable() {
        std::vector<std::string> paths = {options_.csvPath};
        if (options_.plot) {
            paths.push_back(options_.pngPath);
        }
        for (const auto& path : paths) {
            std::filesystem::path folder = std::filesystem::path(path).parent_path();
            std::error_code ec;
            if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
                t_.err << kPrefix << "the folder " << folder.string() << " of " << path
                       << " does not exist\n";
                return false;
            }
            if (std::filesystem::is_directory(path, ec)) {
                t_.err << kPrefix << path << " is a folder\n";
                return false;
            }
        }
        return true;
    }

    void noteRunLength(const RunRequest& request) {
        if (request.transfer == Transfer::Polling) {
            return;
        }
        double paced = pacedRate(request.rate);
        if (paced > 0.0 && std::fabs(paced - request.rate) > 0.05) {
            char text[128];
            std::snprintf(text, sizeof text,
                          "note: the board's timer paces %.1f samples per second for %g\n", paced,
                          request.rate);
            t_.err << kPrefix << text;
        }
    }

    bool showsProgress(const RunRequest& request) const {
        return options_.progress && request.transfer == Transfer::Polling &&
               request.count / request.rate >= kProgressAfterSeconds;
    }

    bool plot(const RunResult& result) {
        std::vector<double> volts;
        volts.reserve(result.samples.size());
        for (std::int32_t raw : result.samples) {
            volts.push_back(voltsOf(raw, scale_));
        }
        ChartRequest chart;
        chart.volts = volts;
        chart.scale = scale_;
        chart.caption = caption(result);
        chart.path = options_.pngPath;
        std::string error;
        if (!plotChart(chart, *relay_, error)) {
            t_.err << kPrefix << error << '\n';
            return false;
        }
        t_.out << "chart:   " << absolute(options_.pngPath) << '\n';
        return true;
    }

    std::string caption(const RunResult& result) const {
        char rate[32];
        std::snprintf(rate, sizeof rate, "%g", options_.rate);
        return board_ + " device " + std::to_string(options_.device) + ", channel " +
               std::to_string(options_.channel) + ": " + std::to_string(result.samples.size()) +
               " samples at " + rate + " S/s, " + std::string(transferName(options_.transfer)) +
               ", volts " + scale_.label;
    }

    int report(const RunResult& result) {
        bool written = true;
        if (!result.samples.empty()) {
            std::string error;
            if (writeCsvFile(options_.csvPath, result.samples, scale_, error)) {
                t_.out << "samples: " << absolute(options_.csvPath) << " (" << result.samples.size()
                       << " samples, " << scale_.label << ")\n";
            } else {
                t_.err << kPrefix << error << '\n';
                written = false;
            }
        }
        if (options_.plot && !result.samples.empty()) {
            written = plot(result) && written;
        }
        if (!result.complete) {
            t_.err << kPrefix << result.problem << '\n';
            return kExitFailed;
        }
        return written ? kExitOk : kExitFailed;
    }

    static std::string absolute(const std::string& path) {
        std::error_code ec;
        std::filesystem::path full = std::filesystem::absolute(path, ec);
        return ec ? path : full.lexically_normal().string();
    }

    Terminal t_;
    const MessageRelay* relay_ = nullptr;
    AcquireOptions options_;
    std::filesystem::path storePath_;
    std::string board_;
    InputScale scale_;
    int failure_ = kExitFailed;
};

}  // namespace

int runAcquire(const std::vector<std::string>& args, Terminal terminal) {
    return Command(terminal).run(args);
}

}  // namespace brennix::acquire
