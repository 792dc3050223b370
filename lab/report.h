#pragma once

#include "analysis/experiments.h"
#include "analysis/run_csv.h"
#include "analysis/statistics.h"
#include "engine/selection.h"
#include "search/estimate.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarrow::lab {

/// Where a batch's generators came from: the user's seed, or the time of day as the window
/// seeds its generator (a reading that cannot be given back as a seed).
struct SeedInfo {
    std::optional<std::uint64_t> seed;
    float clockReading = 0.0f;

    /// The number every run's generator is derived from: the seed's 64 bits, or the bits of the
    /// clock reading.
    std::uint64_t BatchSeed() const;
};

/// The figures of one scheme in `evolve` and `compare`.
using analysis::EvolveSchemeFigures;

/// The figures of `evolve` and `compare`.
struct EvolveReport {
    std::string command;
    std::string phrase;
    SeedInfo seed;
    std::int64_t runsRequested = 0;
    bool interrupted = false;
    std::vector<EvolveSchemeFigures> schemes;
};

/// Summarises the finished runs of each scheme; unfinished runs are left out.
EvolveReport SummariseEvolve(std::string command, std::string phrase, SeedInfo seed,
                             std::int64_t runsRequested, bool interrupted,
                             const std::vector<Scheme>& schemes,
                             const std::vector<std::vector<analysis::EvolveRecord>>& records);

/// The figures of `trial`.
struct TrialReport {
    std::string phrase;
    SeedInfo seed;
    std::int64_t stringsPerTrial = 0;
    std::int64_t runsRequested = 0;
    std::int64_t runsFinished = 0;
    bool interrupted = false;
    /// The best string of all finished trials (the earliest trial's among equals).
    std::optional<std::string> bestString;
    std::size_t bestCount = 0;
    std::optional<analysis::Summary> correct;
    std::optional<analysis::Summary> seconds;
};

TrialReport SummariseTrials(std::string phrase, SeedInfo seed, std::int64_t stringsPerTrial,
                            bool interrupted, const std::vector<analysis::TrialRecord>& records);

/// The figures of `estimate`: the "Step Two" page's five boxes.
struct EstimateReport {
    std::string phrase;
    SeedInfo seed;
    SearchSpaceEstimate estimate;
    SearchSpaceTexts texts;
};

/// A report as a table for people, as JSON, or as CSV.
std::string ToText(const EvolveReport& report);
nlohmann::ordered_json ToJson(const EvolveReport& report);
std::string ToCsv(const EvolveReport& report);

/// One row per finished run, every scheme's run 0 first, then run 1, ...: CSV with a heading
/// (`run,scheme,first_string,generations,strings,seconds`) or one JSON object a line. Runs are
/// numbered from 0, as their generators are. The records must keep their first strings.
using analysis::PerRunCsv;
std::string PerRunJsonLines(const std::vector<Scheme>& schemes,
                            const std::vector<std::vector<analysis::EvolveRecord>>& records);

std::string ToText(const TrialReport& report);
nlohmann::ordered_json ToJson(const TrialReport& report);
std::string ToCsv(const TrialReport& report);

std::string ToText(const EstimateReport& report);
nlohmann::ordered_json ToJson(const EstimateReport& report);
std::string ToCsv(const EstimateReport& report);

} // namespace quarrow::lab
