#pragma once
// How a run is described to whoever reads its results: the CSV's metadata
// lines, the chart's caption and X title, the times of its samples.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/brennix-acquire/analog_input.h"
#include "tools/brennix-acquire/run_plan.h"
#include "tools/brennix-acquire/sample_csv.h"

namespace brennix::acquire {

struct RunDescription {
    const RunPlan& plan;
    const RunResult& result;
    std::string startedAt;  // ISO 8601
    // Polled runs that fell behind: the rate they kept.
    std::optional<double> achievedRate;
};

// The wall-clock time now, as 2025-01-31T12:34:56.789Z.
std::string isoTimeNow();

// The rate a polled run kept from its first sample to its last, when it
// fell measurably behind the rate asked for.
std::optional<double> fallenBehindRate(const RunPlan& plan, const RunResult& result);

std::vector<MetadataLine> metadataOf(const RunDescription& run);
std::string captionOf(const RunDescription& run);
std::string xTitleOf(const RunDescription& run);

// Seconds of sample k after sample 0: block runs from the timer's rate,
// polled runs from when each sample was taken.
double secondsOf(const RunPlan& plan, const RunResult& result, std::size_t k);

// "complete", "timed out: ...", as the metadata states the outcome.
std::string outcomeText(const RunResult& result);
// "complete", "timed out", "interrupted", "incomplete", "failed".
std::string_view outcomeWord(const RunResult& result);

}  // namespace brennix::acquire
