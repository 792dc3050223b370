// What the page's Repeat view asks of the engine: a range of a batch's runs, run in one worker
// (the page shares a batch out over a worker per core, as the lab does over threads), and every
// figure of the merged batch: the chart's, the table's, the guess's and the CSV text. Records
// travel through the module's memory as arrays, four numbers a record, rather than as text.

#include "analysis/batch.h"
#include "analysis/distribution_data.h"
#include "analysis/distribution_figures.h"
#include "analysis/experiments.h"
#include "analysis/run_csv.h"
#include "analysis/statistics.h"
#include "engine/exact_law.h"
#include "engine/generation_log.h"
#include "engine/scheme.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "platform/generator.h"
#include "platform/learner_numbers.h"
#include "platform/number_text.h"
#include "search/alphabet.h"
#include "web/bindings/export_args.h"
#include "web/bindings/json_text.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <emscripten/emscripten.h>

// clang-format off
// The worker's handler hears the runs done so far and answers 1 while the page still wants them.
EM_JS(int, quarrow_js_report_repeat, (double done), {
    return Module["onRepeat"] ? Module["onRepeat"](done) : 1;
});
// clang-format on

namespace quarrow::web {
namespace {

/// Numbers a record takes in the arrays the page passes: finished, generations, strings, seconds.
constexpr std::size_t kRecordWidth = 4;

std::vector<Scheme> SchemesOf(int mask) {
    std::vector<Scheme> schemes;
    for (const SchemeDescriptor& row : kSchemeTable) {
        if ((mask & (1 << (row.number - 1))) != 0) {
            schemes.push_back(row.scheme);
        }
    }
    return schemes;
}

std::string NumberList(const std::vector<double>& values) {
    std::string text = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        char number[40];
        std::snprintf(number, sizeof number, "%.17g", values[i]);
        text += (i == 0 ? "" : ",");
        text += number;
    }
    return text + "]";
}

std::string Strings(const std::vector<std::string>& values) {
    std::string text = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += (i == 0 ? "" : ",") + Quoted(values[i]);
    }
    return text + "]";
}

/// A count as the table shows it: whole counts' means and percentiles need not be whole.
std::string Cell(double value) {
    return FigureText(value, 2);
}

std::string SummaryJson(const analysis::Summary& summary) {
    JsonObject json;
    json.Number("mean", summary.mean);
    json.Number("median", summary.median);
    json.Number("p10", summary.percentile10);
    json.Number("p90", summary.percentile90);
    json.Number("min", summary.min);
    json.Number("max", summary.max);
    return json.Text();
}

std::string GuessJson(const analysis::GuessPlacement& placement) {
    JsonObject json;
    json.Text("source", placement.sentence);
    json.Number("plural", analysis::PluralCount(placement.guess));
    json.Figure("guess", GroupedText(placement.guess));
    json.Raw("percentile", placement.percentilePhrase != nullptr
                               ? Quoted(placement.percentilePhrase)
                               : std::string("null"));
    json.Number("percent", static_cast<double>(placement.percent));
    return json.Text();
}

int SchemeNumber(Scheme scheme) {
    for (const SchemeDescriptor& row : kSchemeTable) {
        if (row.scheme == scheme) {
            return row.number;
        }
    }
    return 0;
}

} // namespace
} // namespace quarrow::web

using namespace quarrow;
using namespace quarrow::web;

extern "C" {

/// Runs `first` to `first + count - 1` of the batch of the schemes in `mask` (bit n - 1 for
/// scheme n) on the phrase, seeded with the seed's two halves; reports the runs done about every
/// tenth of a second and stops starting runs once the page no longer wants them. Answers the
/// records' addresses: `records`, `count` records a scheme of four numbers each, and `strings`,
/// each record's first string, every one the phrase's length, both to be freed by the page.
EMSCRIPTEN_KEEPALIVE char* quarrow_repeat_runs(const char* phrase, int size, int mask,
                                               std::uint32_t seedHigh, std::uint32_t seedLow,
                                               double first, double count) {
    analysis::EvolveBatch batch;
    batch.phrase.assign(phrase, static_cast<std::size_t>(std::max(size, 0)));
    batch.schemes = SchemesOf(mask);
    batch.firstRun = static_cast<std::int64_t>(first);
    batch.runs = std::max<std::int64_t>(0, static_cast<std::int64_t>(count));
    batch.seed = Join(seedHigh, seedLow);
    batch.keepFirstStrings = true;
    std::atomic<bool> stop{false};
    std::atomic<std::int64_t> done{0};
    const analysis::BatchControl control{
        stop, 1, [&] {
            if (quarrow_js_report_repeat(static_cast<double>(done.load())) == 0) {
                stop = true;
            }
        }};
    const analysis::EvolveBatchResult result = analysis::RunEvolveBatch(batch, control, &done);
    const std::size_t length = batch.phrase.size();
    const std::size_t records = batch.schemes.size() * static_cast<std::size_t>(batch.runs);
    auto* numbers = static_cast<double*>(
        std::malloc(std::max<std::size_t>(1, records) * kRecordWidth * sizeof(double)));
    auto* strings = static_cast<char*>(std::malloc(std::max<std::size_t>(1, records * length)));
    if (numbers == nullptr || strings == nullptr) {
        std::free(numbers);
        std::free(strings);
        return nullptr;
    }
    std::size_t at = 0;
    for (const std::vector<analysis::EvolveRecord>& ofScheme : result.records) {
        for (const analysis::EvolveRecord& record : ofScheme) {
            numbers[at * kRecordWidth] = record.finished ? 1.0 : 0.0;
            numbers[at * kRecordWidth + 1] = static_cast<double>(record.generations);
            numbers[at * kRecordWidth + 2] = static_cast<double>(record.strings);
            numbers[at * kRecordWidth + 3] = static_cast<double>(record.seconds);
            std::memcpy(strings + at * length, record.firstString.data(),
                        std::min(length, record.firstString.size()));
            ++at;
        }
    }
    JsonObject json;
    json.Number("records", static_cast<double>(reinterpret_cast<std::uintptr_t>(numbers)));
    json.Number("strings", static_cast<double>(reinterpret_cast<std::uintptr_t>(strings)));
    json.Number("done", static_cast<double>(done.load()));
    json.Boolean("cancelled", stop.load());
    return Handed(json.Text());
}

/// Every figure of a merged batch: `records` holds `runs` records a scheme (four numbers each,
/// the schemes in table order), `strings` their first strings. A batch cut short (`interrupted`)
/// keeps its finished prefix, as the lab's and the window's do. `guess` is the guessed
/// generations, or -1 for none.
EMSCRIPTEN_KEEPALIVE char* quarrow_repeat_figures(const char* phrase, int size, int mask,
                                                  double runsRequested, double runs,
                                                  int interrupted, double guess,
                                                  const double* records, const char* strings) {
    analysis::EvolveBatch batch;
    batch.phrase.assign(phrase, static_cast<std::size_t>(std::max(size, 0)));
    batch.schemes = SchemesOf(mask);
    batch.runs = static_cast<std::int64_t>(runsRequested);
    const auto count = static_cast<std::size_t>(std::max(0.0, runs));
    const std::size_t length = batch.phrase.size();
    std::vector<std::vector<analysis::EvolveRecord>> merged(batch.schemes.size());
    std::size_t at = 0;
    for (std::vector<analysis::EvolveRecord>& ofScheme : merged) {
        ofScheme.resize(count);
        for (analysis::EvolveRecord& record : ofScheme) {
            record.finished = records[at * kRecordWidth] != 0.0;
            record.generations = static_cast<std::int64_t>(records[at * kRecordWidth + 1]);
            record.strings = static_cast<std::int64_t>(records[at * kRecordWidth + 2]);
            record.seconds = static_cast<float>(records[at * kRecordWidth + 3]);
            record.firstString.assign(strings + at * length, length);
            ++at;
        }
    }
    const bool cut = interrupted != 0 || count < static_cast<std::size_t>(batch.runs);
    if (cut) {
        analysis::KeepFinishedPrefix(merged);
    }
    analysis::DistributionData data = analysis::DistributionOfBatch(batch, merged, cut, "");
    if (guess >= 0.0) {
        data.guess = static_cast<std::int64_t>(guess);
    }
    const analysis::DistributionFigures figures = analysis::FiguresOf(data);
    const analysis::ChartTitle title = analysis::TitleOf(data);

    JsonObject json;
    JsonObject titleJson;
    titleJson.Text("source", title.source);
    titleJson.Number("plural", static_cast<double>(title.plural));
    std::vector<std::string> counts;
    for (const std::int64_t c : title.counts) {
        counts.push_back(GroupedText(c));
    }
    titleJson.Raw("counts", Strings(counts));
    json.Raw("title", titleJson.Text());
    json.Boolean("interrupted", cut);
    json.Number("runsFinished", static_cast<double>(analysis::RunsFinished(merged)));
    JsonObject axis;
    axis.Number("low", figures.axis.low);
    axis.Number("high", figures.axis.high);
    axis.Boolean("logarithmic", figures.axis.logarithmic);
    json.Raw("axis", axis.Text());
    std::vector<double> firsts;
    std::vector<double> lasts;
    for (const analysis::ChartBin& bin : figures.bins) {
        firsts.push_back(static_cast<double>(bin.first));
        lasts.push_back(static_cast<double>(bin.last));
    }
    json.Raw("binFirst", NumberList(firsts));
    json.Raw("binLast", NumberList(lasts));

    JsonArray panels;
    std::vector<analysis::EvolveSchemeFigures> summaries;
    for (std::size_t s = 0; s < figures.panels.size(); ++s) {
        const analysis::PanelFigures& panel = figures.panels[s];
        const std::size_t finished = data.schemes[s].generations.size();
        JsonObject item;
        item.Number("scheme", SchemeNumber(panel.scheme));
        item.Text("heading", analysis::PanelHeadingSource(finished));
        item.Number("finished", static_cast<double>(finished));
        item.Figure("finishedText", GroupedText(static_cast<std::int64_t>(finished)));
        item.Raw("shares", NumberList(panel.shares));
        item.Raw("lawShares", NumberList(panel.lawShares));
        item.Raw("generations",
                 panel.generations ? SummaryJson(*panel.generations) : std::string("null"));
        item.Raw("guess", panel.guess ? GuessJson(*panel.guess) : std::string("null"));
        // The table's row: the figures the lab prints, in its form.
        std::vector<std::string> cells;
        if (const auto& g = panel.generations) {
            cells = {
                Cell(g->mean),         g->standardDeviation ? Cell(*g->standardDeviation) : "-",
                Cell(g->median),       Cell(g->percentile10),
                Cell(g->percentile90), Cell(g->min),
                Cell(g->max)};
        } else {
            cells.assign(7, "-");
        }
        item.Raw("cells", Strings(cells));
        item.Text("lawMean", FigureText(panel.law.Mean(), 2));
        item.Raw("lawQuantiles", Strings({std::to_string(panel.law.Quantile(0.1)),
                                          std::to_string(panel.law.Quantile(0.5)),
                                          std::to_string(panel.law.Quantile(0.9))}));
        panels.Add(item);
        summaries.push_back(analysis::SummariseScheme(panel.scheme, length, merged[s]));
    }
    json.Raw("panels", panels.Text());
    // The rows "Save data..." writes, as the window's: the lab's per-run rows, a blank line, and
    // the lab's summary of each scheme.
    json.Text("csv", analysis::PerRunCsv(batch.schemes, merged) + "\n" +
                         analysis::SchemeSummaryCsv(summaries));
    return Handed(json.Text());
}

/// Seconds the slow scheme's runs of a batch would take on `cores` workers: its law's closed
/// forms at the symbols a second this engine draws, measured for a few hundredths of a second.
EMSCRIPTEN_KEEPALIVE char* quarrow_repeat_estimate(int length, double runs, int cores) {
    const MonotonicClock& clock = SystemMonotonic();
    const double start = clock.Seconds();
    std::int64_t symbols = 0;
    Generator generator;
    NullLogSink log;
    const std::atomic<bool> never{false};
    Scheme slow = Scheme::Sequential;
    int slowNumber = 0;
    for (const SchemeDescriptor& row : kSchemeTable) {
        if (row.law == LawKind::GrowingPrefix) {
            slow = row.scheme;
            slowNumber = row.number;
        }
    }
    do {
        const RunResult result = RunScheme(slow, "ABC", RandomString(generator, 3),
                                           RunEnvironment{generator, clock, log, never});
        symbols += result.symbolsDrawn;
    } while (clock.Seconds() - start < 0.03);
    const double rate = static_cast<double>(symbols) / std::max(clock.Seconds() - start, 1e-6);
    const SequentialLaw law(static_cast<std::size_t>(std::max(length, 0)));
    const double seconds = runs * law.MeanGenerations() * law.MeanDrawsPerGeneration() /
                           std::max(rate, 1.0) / std::max(cores, 1);
    const DurationInUnits duration = DurationFor(seconds);
    JsonObject json;
    json.Number("seconds", std::isfinite(seconds) ? seconds : 1e300);
    json.Number("slowScheme", slowNumber);
    json.Text("longPhrase", duration.phrase);
    json.Figure("longFigure", duration.figure);
    return Handed(json.Text());
}

} // extern "C"
