#include "tools/brennix-acquire/run_description.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "tools/common/version.h"

namespace brennix::acquire {
namespace {

// A polled run counts as fallen behind when its last sample came this much
// later than due (and at least a couple of the clock's milliseconds).
constexpr double kLateShare = 0.05;
constexpr double kLateMicros = 2000.0;

std::string rate(double samplesPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", samplesPerSecond);
    return text;
}

std::string asked(double samplesPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", samplesPerSecond);
    return text;
}

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

bool differsFromAsked(const RunPlan& plan) {
    return std::fabs(plan.pacedRate - plan.request.rate) > 0.05;
}

// "7142.9 S/s (7777 asked)", "31250.0 S/s achieved (100000 asked)".
std::string rateShown(const RunDescription& run) {
    if (run.achievedRate) {
        return rate(*run.achievedRate) + " S/s achieved (" + asked(run.plan.request.rate) +
               " asked)";
    }
    if (differsFromAsked(run.plan)) {
        return rate(run.plan.pacedRate) + " S/s (" + asked(run.plan.request.rate) + " asked)";
    }
    return asked(run.plan.pacedRate) + " S/s";
}

std::string countShown(const RunDescription& run) {
    std::size_t taken = run.result.samples.size();
    auto wanted = static_cast<std::size_t>(run.plan.request.count);
    return taken == wanted ? std::to_string(taken) + " samples"
                           : std::to_string(taken) + " of " + std::to_string(wanted) + " samples";
}

std::string spanOf(const InputScale& scale) {
    char text[32];
    std::snprintf(text, sizeof text, "+/-%g V", scale.high);
    return text;
}

}  // namespace

std::string isoTimeNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[40];
    std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(text + n, sizeof text - n, ".%03dZ", static_cast<int>(millis));
    return text;
}

std::optional<double> fallenBehindRate(const RunPlan& plan, const RunResult& result) {
    const auto& taken = result.takenAtMicros;
    if (taken.size() < 2) {
        return std::nullopt;
    }
    const double intervals = static_cast<double>(taken.size() - 1);
    const double due = intervals * 1e6 / plan.request.rate;
    const double spent = static_cast<double>(taken.back() - taken.front());
    if (spent - due <= std::max(kLateMicros, kLateShare * due)) {
        return std::nullopt;
    }
    return intervals * 1e6 / spent;
}

std::string_view outcomeWord(const RunResult& result) {
    switch (result.outcome) {
        case Outcome::Complete:
            return "complete";
        case Outcome::Incomplete:
            return "incomplete";
        case Outcome::TimedOut:
            return "timed out";
        case Outcome::Interrupted:
            return "interrupted";
        case Outcome::Failed:
            break;
    }
    return "failed";
}

std::string outcomeText(const RunResult& result) {
    if (result.complete()) {
        return "complete";
    }
    return std::string(outcomeWord(result)) + ": " + result.problem;
}

std::vector<MetadataLine> metadataOf(const RunDescription& run) {
    const RunPlan& plan = run.plan;
    const RunRequest& request = plan.request;
    const bool polled = request.transfer == Transfer::Polling;
    std::vector<MetadataLine> lines = {
        {"tool", "brennix-acquire " + std::string(tools::projectVersion())},
        {"device", std::to_string(request.device) + " (" + plan.device.key + ")"},
        {"board", plan.board},
        {"card", std::to_string(plan.device.card)},
        {"base_address", hex(plan.device.base)},
        {"channel", std::to_string(request.channel) +
                        (request.differential ? " (differential)" : " (single-ended)")},
        {"mode", std::string(transferName(request.transfer))},
    };
    if (request.family == BoardFamily::Vexa) {
        lines.push_back(
            {"range", std::string(rangeName(request.rangeOrGain)) + " (" + plan.scale.label + ")"});
    } else {
        lines.push_back(
            {"gain", std::to_string(1 << request.rangeOrGain) + " (" + spanOf(plan.scale) + ")"});
    }
    lines.push_back({"requested_rate", asked(request.rate) + " S/s"});
    lines.push_back(
        {"paced_rate", (polled ? asked(plan.pacedRate) : rate(plan.pacedRate)) + " S/s (" +
                           (polled ? "the millisecond clock" : "the board's timer") + ")"});
    if (run.achievedRate) {
        lines.push_back({"achieved_rate", rate(*run.achievedRate) + " S/s"});
    }
    lines.push_back({"start", run.startedAt});
    lines.push_back({"samples", std::to_string(run.result.samples.size()) + " of " +
                                    std::to_string(request.count)});
    lines.push_back({"time_s", polled ? "when each sample was taken, from the first"
                                      : "sample number over the paced rate"});
    lines.push_back({"outcome", outcomeText(run.result)});
    return lines;
}

std::string captionOf(const RunDescription& run) {
    const RunPlan& plan = run.plan;
    std::string caption =
        plan.board + " device " + std::to_string(plan.request.device) + ", channel " +
        std::to_string(plan.request.channel) + ": " + countShown(run) + " at " + rateShown(run) +
        ", " + std::string(transferName(plan.request.transfer)) + ", " + plan.scale.label;
    if (!run.result.complete()) {
        caption += ", " + std::string(outcomeWord(run.result));
    }
    return caption;
}

std::string xTitleOf(const RunDescription& run) {
    if (run.achievedRate) {
        return "sample number (" + rate(*run.achievedRate) + " samples per second on average)";
    }
    const bool exact = !differsFromAsked(run.plan);
    return "sample number (" + (exact ? asked(run.plan.pacedRate) : rate(run.plan.pacedRate)) +
           " samples per second)";
}

double secondsOf(const RunPlan& plan, const RunResult& result, std::size_t k) {
    if (!result.takenAtMicros.empty()) {
        return static_cast<double>(result.takenAtMicros[k] - result.takenAtMicros.front()) / 1e6;
    }
    return static_cast<double>(k) / plan.pacedRate;
}

}  // namespace brennix::acquire
