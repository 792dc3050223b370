#pragma once

#include "analysis/experiments.h"
#include "analysis/statistics.h"
#include "engine/selection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarrow::analysis {

// The CSV forms of a batch of runs: one row per run, and each scheme's summary. The lab prints
// them and the Repeat window saves them, so a file from either reads the same way.

/// Shortest text that reads back as the same double, for machine-readable output.
std::string ExactText(double value);

/// Measured seconds to 6 significant digits: a clock's reading carries no more, and a
/// spreadsheet reads the short form as well as the long one.
std::string SecondsCsv(double value);

/// A CSV field: quoted, since phrases hold spaces, with inner quotes doubled.
std::string QuotedCsv(const std::string& text);

/// The columns `SummaryCsv` fills, in its order.
inline constexpr char kSummaryCsvColumns[] = "mean,sd,median,p10,p90,min,max";

/// The seven figures of `summary` as CSV fields, each written by `figure`; empty fields for an
/// empty batch, and an empty spread for a single run.
std::string SummaryCsv(const std::optional<Summary>& summary,
                       std::string (*figure)(double) = ExactText);

/// Calls `row(run, scheme, record)` for every finished run, run by run and scheme by scheme.
template <typename Row>
void ForEachFinishedRun(const std::vector<Scheme>& schemes,
                        const std::vector<std::vector<EvolveRecord>>& records, Row row) {
    const std::size_t runs = records.empty() ? 0 : records.front().size();
    for (std::size_t run = 0; run < runs; ++run) {
        for (std::size_t s = 0; s < schemes.size() && s < records.size(); ++s) {
            if (run < records[s].size() && records[s][run].finished) {
                row(run, schemes[s], records[s][run]);
            }
        }
    }
}

/// One row per finished run, every scheme's run 0 first, then run 1, ..., under the heading
/// `run,scheme,first_string,generations,strings,seconds`. Runs are numbered from 0, as their
/// generators are. The records must keep their first strings.
std::string PerRunCsv(const std::vector<Scheme>& schemes,
                      const std::vector<std::vector<EvolveRecord>>& records);

/// The figures of one scheme's finished runs, beside what its exact law expects.
struct EvolveSchemeFigures {
    Scheme scheme = Scheme::Attenuating;
    std::int64_t runsFinished = 0;
    std::optional<Summary> generations;
    std::optional<Summary> strings;
    std::optional<Summary> seconds;
    std::optional<double> expectedGenerations;
    std::optional<double> expectedStrings;
    /// The exact law's 10th percentile, median and 90th percentile of the generations.
    struct Percentiles {
        std::int64_t p10 = 0;
        std::int64_t median = 0;
        std::int64_t p90 = 0;
    };
    std::optional<Percentiles> expectedPercentiles;
};

/// Summarises the finished runs of `scheme` among `records` on a phrase of `length` symbols;
/// unfinished runs are left out.
EvolveSchemeFigures SummariseScheme(Scheme scheme, std::size_t length,
                                    const std::vector<EvolveRecord>& records);

/// Three rows a scheme (generations, strings, seconds) under the heading
/// `scheme,runs,measure,mean,sd,median,p10,p90,min,max,expected,expected_p10,expected_median,
/// expected_p90`.
std::string SchemeSummaryCsv(const std::vector<EvolveSchemeFigures>& schemes);

} // namespace quarrow::analysis
