#include "tools/brennix-acquire/acquire_command.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/gfx/png_io.h"
#include "platform/hw/ports.h"
#include "platform/winreg/store_file.h"
#include "tools/brennix-acquire/acquire_options.h"
#include "tools/brennix-acquire/analog_input.h"
#include "tools/brennix-acquire/chart_plot.h"
#include "tools/brennix-acquire/control_hints.h"
#include "tools/brennix-acquire/default_store.h"
#include "tools/brennix-acquire/input_scale.h"
#include "tools/brennix-acquire/message_relay.h"
#include "tools/brennix-acquire/progress_line.h"
#include "tools/brennix-acquire/run_description.h"
#include "tools/brennix-acquire/run_plan.h"
#include "tools/brennix-acquire/sample_csv.h"
#include "tools/brennix-acquire/stop_signals.h"
#include "tools/brennix-config/device_store.h"
#include "tools/common/output_file.h"
#include "tools/common/version.h"

namespace brennix::acquire {
namespace {

using tools::outputProblem;
using tools::shownPath;
using tools::writeOutput;
using tools::writeOutputFile;

constexpr std::string_view kPrefix = "brennix-acquire: ";
constexpr std::string_view kStopNotice =
    "\nbrennix-acquire: stopping; what was taken will be saved (again to quit at once)\n";
// Polled runs this long show a progress line.
constexpr double kProgressAfterSeconds = 2.0;
// The control sleeps this long before it looks at a block run.
constexpr double kSettlingSeconds = 0.5;

class Command {
  public:
    explicit Command(Terminal terminal) : t_(terminal) {}

    int run(const std::vector<std::string>& args) {
        ParsedCommandLine parsed = parseCommandLine(args);
        if (parsed.help) {
            t_.out << kHelpText;
            return kExitOk;
        }
        if (parsed.version) {
            t_.out << tools::versionText("brennix-acquire");
            return kExitOk;
        }
        if (!parsed.options) {
            t_.err << kPrefix << parsed.error << "\nTry brennix-acquire --help.\n";
            return kExitUsage;
        }
        options_ = *parsed.options;
        if (!portsUsable()) {
            return kExitFailed;
        }
        MessageRelay relay(t_.err, std::string(kPrefix) + "message: ", std::string(kPrefix));
        relay_ = &relay;
        if (!ensureStore()) {
            return kExitFailed;
        }
        PlannedRun planned = planRun(options_, storePath_);
        if (!planned.plan) {
            t_.err << kPrefix << planned.problem << '\n';
            return planned.exitCode;
        }
        plan_ = std::move(*planned.plan);
        if (!outputsWritable()) {
            return kExitFailed;
        }
        notePacing();
        hints_ = hintsFor();
        relay.setExplainer([this](std::string_view text) { return explainMessage(text, hints_); });

        StopSignals signals(kStopNotice);
        ProgressLine line(t_.err, options_.progress, t_.errIsTerminal);
        relay.setBeforeMessage([&line] { line.finish(); });
        RunHooks hooks;
        if (showsPolledProgress()) {
            hooks.polled = [&line](std::int32_t done, std::int32_t total) {
                line.polled(done, total);
            };
        }
        hooks.blockWaiting = [this, &line] { line.blockWaiting(blockText(), blockSeconds()); };
        hooks.blockDone = [this, &line](std::size_t delivered) {
            line.blockDone(delivered, plan_.request.count);
        };
        hooks.stopRequested = [] { return StopSignals::received(); };
        startedAt_ = isoTimeNow();
        RunResult result = runAcquisition(plan_.request, relay, hooks);
        line.finish();
        if (result.complete() && StopSignals::received() != 0) {
            t_.err << kPrefix << signalName(StopSignals::received())
                   << (plan_.request.transfer == Transfer::Polling
                           ? " came after the last sample; the run is complete and is saved\n"
                           : " came during the block run, which cannot be cut short; its block "
                             "is complete and is saved\n");
        }
        return report(result);
    }

  private:
    // The drivers' own complaints on loading are of no use once the cause
    // is known; otherwise they are passed on.
    bool portsUsable() {
        if (hw::portsAccessible()) {
            relayLoadOutput();
            return true;
        }
        const char* ports = std::getenv("BRENNIX_PORTS");
        if (ports != nullptr && std::string_view(ports) == "real") {
            t_.err << kPrefix
                   << "BRENNIX_PORTS=real asks for this machine's own I/O ports, but port access "
                      "was refused (it needs /dev/port and the CAP_SYS_RAWIO capability); "
                      "nothing was measured.\nUnset BRENNIX_PORTS to measure on the simulated "
                      "boards.\n";
        } else {
            t_.err << kPrefix << "the port backend grants no port access; nothing was measured\n";
        }
        return false;
    }

    void relayLoadOutput() {
        std::string_view text = t_.loadOutput;
        while (!text.empty()) {
            std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            if (!line.empty()) {
                t_.err << kPrefix << "driver: " << line << '\n';
            }
            text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        }
    }

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

    // Checked before the run, so that no measurement is taken for nothing.
    bool outputsWritable() {
        std::vector<std::string> paths = {options_.csvPath};
        if (options_.plot) {
            paths.push_back(options_.pngPath);
        }
        for (const auto& path : paths) {
            if (std::string problem = outputProblem(path); !problem.empty()) {
                t_.err << kPrefix << problem << '\n';
                return false;
            }
        }
        return true;
    }

    void notePacing() {
        if (plan_.request.transfer == Transfer::Polling) {
            return;
        }
        if (std::fabs(plan_.pacedRate - plan_.request.rate) > 0.05) {
            char text[128];
            std::snprintf(text, sizeof text,
                          "note: the board's timer paces %.1f samples per second for %g\n",
                          plan_.pacedRate, plan_.request.rate);
            t_.err << kPrefix << text;
        }
    }

    HintContext hintsFor() const {
        HintContext context;
        context.deviceNumber = plan_.request.device;
        context.board = plan_.board;
        context.device = plan_.device;
        context.transfer = plan_.request.transfer;
        context.boardAnswers = boardAnswersAt;
        std::vector<config::Device> devices;
        if (config::DeviceStore(storePath_).list(devices).ok()) {
            for (const auto& device : devices) {
                if (device.wellFormed && device.board == plan_.board && device.number) {
                    context.sameBoard.push_back(static_cast<int>(*device.number));
                }
            }
        }
        return context;
    }

    bool showsPolledProgress() const {
        return plan_.request.transfer == Transfer::Polling &&
               plan_.request.count / plan_.request.rate >= kProgressAfterSeconds;
    }

    std::string blockText() const {
        char text[128];
        std::snprintf(text, sizeof text, "%s run of %d samples at %.1f per second",
                      std::string(transferName(plan_.request.transfer)).c_str(),
                      plan_.request.count, plan_.pacedRate);
        return text;
    }

    double blockSeconds() const {
        return std::max(kSettlingSeconds, (plan_.request.count + 1.0) / plan_.pacedRate);
    }

    int report(const RunResult& result) {
        const RunDescription description{plan_, result, startedAt_,
                                         fallenBehindRate(plan_, result)};
        if (!result.complete()) {
            t_.err << kPrefix << result.problem << '\n';
        }
        if (description.achievedRate) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "warning: the polled run could not keep up with %g samples per second; "
                          "it kept %.1f per second (time_s holds when each sample was taken)\n",
                          plan_.request.rate, *description.achievedRate);
            t_.err << kPrefix << text;
        }
        bool written = true;
        if (result.samples.empty()) {
            if (!result.complete()) {
                t_.err << kPrefix << "nothing was written\n";
            }
        } else {
            written = writeCsv(description);
            if (options_.plot) {
                written = writePicture(description) && written;
            }
        }
        switch (result.outcome) {
            case Outcome::Complete:
                return written ? kExitOk : kExitFailed;
            case Outcome::Interrupted:
                return kExitSignalBase + result.signal;
            default:
                return kExitFailed;
        }
    }

    bool writeCsv(const RunDescription& description) {
        const std::vector<MetadataLine> metadata = metadataOf(description);
        CsvContent content{metadata, description.result.samples,
                           [&](std::size_t k) { return secondsOf(plan_, description.result, k); },
                           plan_.scale};
        std::string error;
        if (!writeOutput(
                options_.csvPath, t_.out,
                [&](std::ostream& out) { acquire::writeCsv(out, content); }, error)) {
            t_.err << kPrefix << error << '\n';
            return false;
        }
        const std::size_t taken = description.result.samples.size();
        t_.err << "samples: " << shownPath(options_.csvPath) << " (" << taken
               << (description.result.complete()
                       ? " samples, "
                       : " of " + std::to_string(plan_.request.count) + " samples, " +
                             std::string(outcomeWord(description.result)) + ", ")
               << plan_.scale.label << ")\n";
        return true;
    }

    bool writePicture(const RunDescription& description) {
        std::vector<double> volts;
        volts.reserve(description.result.samples.size());
        for (std::int32_t raw : description.result.samples) {
            volts.push_back(voltsOf(raw, plan_.scale));
        }
        ChartRequest chart;
        chart.volts = volts;
        chart.scale = plan_.scale;
        chart.caption = captionOf(description);
        chart.xTitle = xTitleOf(description);
        std::string error;
        std::optional<gfx::Bitmap> picture = plotChart(chart, *relay_, error);
        if (!picture || !writeOutputFile(
                            options_.pngPath, t_.out,
                            [&](const std::string& file, std::string& why) {
                                return gfx::savePng(*picture, file, why);
                            },
                            error)) {
            t_.err << kPrefix << error << '\n';
            return false;
        }
        t_.err << "chart:   " << shownPath(options_.pngPath) << '\n';
        return true;
    }

    Terminal t_;
    const MessageRelay* relay_ = nullptr;
    AcquireOptions options_;
    std::filesystem::path storePath_;
    RunPlan plan_;
    HintContext hints_;
    std::string startedAt_;
};

}  // namespace

int runAcquire(const std::vector<std::string>& args, Terminal terminal) {
    return Command(terminal).run(args);
}

}  // namespace brennix::acquire
