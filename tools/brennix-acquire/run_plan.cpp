#include "tools/brennix-acquire/run_plan.h"

#include <cstdarg>
#include <cstdio>

#include "tools/brennix-acquire/acquire_command.h"
#include "tools/brennix-acquire/plot_axes.h"
#include "tools/brennix-config/device_store.h"

namespace brennix::acquire {
namespace {

std::uint32_t setting(const config::Device& device, std::string_view name) {
    for (const auto& value : device.values) {
        if (winreg::sameName(value.name, name)) {
            return config::dwordOf(value).value_or(0);
        }
    }
    return 0;
}

__attribute__((format(printf, 1, 2))) std::string format(const char* pattern, ...) {
    char text[256];
    std::va_list values;
    va_start(values, pattern);
    std::vsnprintf(text, sizeof text, pattern, values);
    va_end(values);
    return text;
}

class Planner {
  public:
    Planner(const AcquireOptions& options, const std::filesystem::path& store)
        : options_(options), store_(store) {}

    PlannedRun run() {
        config::Device device;
        config::StoreResult found = config::DeviceStore(store_).find(options_.device, device);
        if (!found.ok()) {
            return failed(kExitFailed, found.message + " in " + store_.string() +
                                           " (brennix-config list shows the devices)");
        }
        std::optional<BoardFamily> family = familyOfBoard(device.board);
        if (!family) {
            return failed(kExitFailed, "device " + std::to_string(options_.device) + " is a " +
                                           device.board +
                                           "; brennix-acquire measures with Brax-VexaL, "
                                           "Brax-Olmi and Brax-Senu boards");
        }
        plan_.board = std::string(boardNameOf(*family));
        plan_.device = {device.key, device.card, setting(device, "BaseAddress1"),
                        setting(device, "IRQ1"), setting(device, "DMA")};
        RunRequest& request = plan_.request;
        request.device = options_.device;
        request.family = *family;
        request.channel = options_.channel;
        request.differential = options_.differential;
        request.transfer = options_.transfer;
        request.rate = options_.rate;
        request.count = options_.count;
        if (std::string problem = checkInput(*family); !problem.empty()) {
            return failed(kExitUsage, problem);
        }
        if (std::string problem = checkLimits(); !problem.empty()) {
            return failed(kExitUsage, problem);
        }
        return {std::move(plan_), kExitOk, {}};
    }

  private:
    std::string checkInput(BoardFamily family) {
        RunRequest& request = plan_.request;
        const std::string& board = plan_.board;
        if (family == BoardFamily::Vexa) {
            if (options_.gainCode) {
                return "a Brax-VexaL board takes --range, not --gain";
            }
            request.rangeOrGain = options_.rangeCode.value_or(0);
            plan_.scale = *vexaRange(request.rangeOrGain);
        } else {
            if (options_.rangeCode) {
                return "a " + board + " board takes --gain, not --range";
            }
            if (options_.differential) {
                return "only Brax-VexaL boards have differential inputs";
            }
            request.rangeOrGain = options_.gainCode.value_or(0);
            plan_.scale = *gainRange(request.rangeOrGain);
        }
        int highest = highestChannel(family, options_.differential);
        if (request.channel > highest) {
            return "a " + board + " board has channels 0 to " + std::to_string(highest) +
                   (options_.differential ? " in differential mode" : "");
        }
        if (request.transfer == Transfer::Dma && !hasDma(family)) {
            return "a " + board + " board has no DMA transfer; use --mode interrupt";
        }
        return {};
    }

    std::string checkLimits() {
        const RunRequest& request = plan_.request;
        if (options_.plot && request.count > static_cast<std::int32_t>(kMaxPlottedSamples)) {
            return format(
                "a chart holds at most %zu samples, not %d: lower --count or add "
                "--no-plot",
                kMaxPlottedSamples, request.count);
        }
        if (request.transfer == Transfer::Polling) {
            plan_.pacedRate = request.rate;
            return {};
        }
        if (request.rate < kSlowestBlockRate || request.rate > kFastestBlockRate) {
            return format(
                "interrupt and dma runs are paced by the board's timer at 1000 to "
                "100000 samples per second, not %g: use --mode polling for slower "
                "rates",
                request.rate);
        }
        plan_.pacedRate = pacedRate(request.rate);
        // The first conversion comes one pacer period after the start.
        double seconds = (request.count + 1.0) / plan_.pacedRate;
        if (seconds > kLongestBlockSeconds) {
            return format(
                "%d samples at %.1f per second take %.1f s, but the control waits at "
                "most 5 s for a block: lower --count, raise --rate or use --mode "
                "polling",
                request.count, plan_.pacedRate, seconds);
        }
        return {};
    }

    PlannedRun failed(int exitCode, std::string problem) {
        return {std::nullopt, exitCode, std::move(problem)};
    }

    const AcquireOptions& options_;
    const std::filesystem::path& store_;
    RunPlan plan_;
};

}  // namespace

double pacedRate(double requested) {
    if (!(requested >= kSlowestBlockRate) || requested > kFastestBlockRate) {
        return 0.0;
    }
    auto kilo = static_cast<std::uint32_t>(requested) / 1000U;
    return 2'000'000.0 / (10.0 * (200U / kilo));
}

PlannedRun planRun(const AcquireOptions& options, const std::filesystem::path& store) {
    return Planner(options, store).run();
}

}  // namespace brennix::acquire
