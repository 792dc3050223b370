#include "lab/report.h"

#include "engine/exact_law.h"
#include "platform/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

namespace quarrow::lab {
namespace {

using json = nlohmann::ordered_json;
using analysis::ExactText;
using analysis::kSummaryCsvColumns;
using analysis::QuotedCsv;
using analysis::SecondsCsv;
using analysis::SummaryCsv;

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

/// Counts are whole in every run, but their means and percentiles need not be.
std::string CountCell(double value) {
    return FigureText(value, 2);
}

std::string SecondsText(double value) {
    return Fixed(value, 6);
}

std::string TrimLeft(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string Plural(std::int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Header(const std::string& phrase, const SeedInfo& seed) {
    std::string text = "Phrase \"" + phrase + "\" (" +
                       Plural(static_cast<std::int64_t>(phrase.size()), "symbol", "symbols") + ")";
    if (seed.seed) {
        text += ", seed " + std::to_string(*seed.seed);
    } else {
        text += ", seeded from the clock (" + Fixed(seed.clockReading, 2) + " s after midnight)";
    }
    return text;
}

/// Lays out rows in columns, each flush left ('l' in `alignment`) or flush right (any other
/// letter, and every column past the end of `alignment`).
std::string Table(const std::vector<std::vector<std::string>>& rows, std::string_view alignment) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - row[c].size(), ' ');
            if (c > 0) {
                line += "  ";
            }
            const bool left = c < alignment.size() && alignment[c] == 'l';
            line += left ? row[c] + padding : padding + row[c];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

const std::vector<std::string> kSummaryHeadings = {"Mean", "SD",  "Median", "10%",
                                                   "90%",  "Min", "Max"};

std::vector<std::string> SummaryCells(const std::optional<analysis::Summary>& summary,
                                      std::string (*format)(double)) {
    if (!summary) {
        return std::vector<std::string>(kSummaryHeadings.size(), "-");
    }
    // The spread of a single run is undefined, not 0.
    return {format(summary->mean),
            summary->standardDeviation ? format(*summary->standardDeviation) : "-",
            format(summary->median),
            format(summary->percentile10),
            format(summary->percentile90),
            format(summary->min),
            format(summary->max)};
}

json SummaryJson(const std::optional<analysis::Summary>& summary) {
    if (!summary) {
        return nullptr;
    }
    const json spread = summary->standardDeviation ? json(*summary->standardDeviation) : json();
    return json{{"mean", summary->mean},        {"sd", spread},
                {"median", summary->median},    {"p10", summary->percentile10},
                {"p90", summary->percentile90}, {"min", summary->min},
                {"max", summary->max}};
}

/// The fields every command's JSON starts with: the command, the phrase and the seed.
json JsonHead(const std::string& command, const std::string& phrase, const SeedInfo& seed) {
    json out;
    out["command"] = command;
    out["phrase"] = phrase;
    out["length"] = phrase.size();
    out["seed"] = seed.seed ? json(*seed.seed) : json(nullptr);
    out["clockSeed"] = seed.seed ? json(nullptr) : json(seed.clockReading);
    return out;
}

} // namespace

std::uint64_t SeedInfo::BatchSeed() const {
    return seed ? *seed : std::bit_cast<std::uint32_t>(clockReading);
}

EvolveReport SummariseEvolve(std::string command, std::string phrase, SeedInfo seed,
                             std::int64_t runsRequested, bool interrupted,
                             const std::vector<Scheme>& schemes,
                             const std::vector<std::vector<analysis::EvolveRecord>>& records) {
    EvolveReport report;
    report.command = std::move(command);
    report.seed = seed;
    report.runsRequested = runsRequested;
    report.interrupted = interrupted;
    for (std::size_t s = 0; s < schemes.size(); ++s) {
        report.schemes.push_back(analysis::SummariseScheme(schemes[s], phrase.size(), records[s]));
    }
    report.phrase = std::move(phrase);
    return report;
}

std::string ToText(const EvolveReport& report) {
    std::string text = Header(report.phrase, report.seed) + ", " +
                       Plural(report.runsRequested, "run", "runs") +
                       (report.schemes.size() > 1 ? " per scheme" : "") + "\n\n";
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> heading = {"Scheme", "Runs", "Measure"};
    heading.insert(heading.end(), kSummaryHeadings.begin(), kSummaryHeadings.end());
    heading.emplace_back("Expected");
    rows.push_back(heading);
    for (const EvolveSchemeFigures& figures : report.schemes) {
        const auto addRow = [&](const std::string& caption, const std::string& runs,
                                const char* measure,
                                const std::optional<analysis::Summary>& summary,
                                std::string (*format)(double), const std::string& expected) {
            std::vector<std::string> row = {caption, runs, measure};
            const std::vector<std::string> cells = SummaryCells(summary, format);
            row.insert(row.end(), cells.begin(), cells.end());
            row.push_back(expected);
            rows.push_back(row);
        };
        std::string expectedGenerations =
            figures.expectedGenerations ? Fixed(*figures.expectedGenerations, 2) : "";
        if (const auto& law = figures.expectedPercentiles) {
            expectedGenerations += " (" + std::to_string(law->p10) + ", " +
                                   std::to_string(law->median) + ", " + std::to_string(law->p90) +
                                   ")";
        }
        addRow(std::string(SchemeCaption(figures.scheme)), std::to_string(figures.runsFinished),
               "generations", figures.generations, CountCell, expectedGenerations);
        addRow("", "", "strings", figures.strings, CountCell,
               figures.expectedStrings ? Fixed(*figures.expectedStrings, 2) : "");
        addRow("", "", "seconds", figures.seconds, SecondsText, "");
    }
    text += Table(rows, "lrl");
    if (std::any_of(report.schemes.begin(), report.schemes.end(), [](const EvolveSchemeFigures& f) {
            return f.expectedGenerations.has_value();
        })) {
        text += "\nExpected: the mean of the exact law of a run, and in brackets its 10th "
                "percentile, median and 90th percentile; for a sequential run the mean is "
                "p + (1 - p) / (1 - (26/27)^20)^n generations for n symbols, where p = 27^-n is "
                "the chance that the first string already is the phrase.\n";
    }
    if (report.interrupted) {
        text += "\nInterrupted: the figures cover only the runs finished before Ctrl+C, as the "
                "Runs column counts them, of the " +
                std::to_string(report.runsRequested) + " asked.\n";
    }
    return text;
}

json ToJson(const EvolveReport& report) {
    json out = JsonHead(report.command, report.phrase, report.seed);
    out["runsRequested"] = report.runsRequested;
    out["interrupted"] = report.interrupted;
    json schemes = json::array();
    for (const EvolveSchemeFigures& figures : report.schemes) {
        json scheme;
        scheme["scheme"] = std::string(SchemeKey(figures.scheme));
        scheme["caption"] = std::string(SchemeCaption(figures.scheme));
        scheme["runsFinished"] = figures.runsFinished;
        scheme["generations"] = SummaryJson(figures.generations);
        scheme["strings"] = SummaryJson(figures.strings);
        scheme["seconds"] = SummaryJson(figures.seconds);
        if (figures.expectedGenerations && figures.expectedStrings) {
            scheme["expected"] = json{{"generations", *figures.expectedGenerations},
                                      {"strings", *figures.expectedStrings}};
            if (const auto& law = figures.expectedPercentiles) {
                scheme["expected"]["generationPercentiles"] =
                    json{{"p10", law->p10}, {"median", law->median}, {"p90", law->p90}};
            } else {
                scheme["expected"]["generationPercentiles"] = nullptr;
            }
        } else {
            scheme["expected"] = nullptr;
        }
        schemes.push_back(scheme);
    }
    out["schemes"] = schemes;
    return out;
}

std::string ToCsv(const EvolveReport& report) {
    return analysis::SchemeSummaryCsv(report.schemes);
}

std::string PerRunJsonLines(const std::vector<Scheme>& schemes,
                            const std::vector<std::vector<analysis::EvolveRecord>>& records) {
    std::string text;
    analysis::ForEachFinishedRun(
        schemes, records,
        [&](std::size_t run, Scheme scheme, const analysis::EvolveRecord& record) {
            const json row{{"run", run},
                           {"scheme", std::string(SchemeKey(scheme))},
                           {"firstString", record.firstString},
                           {"generations", record.generations},
                           {"strings", record.strings},
                           {"seconds", static_cast<double>(record.seconds)}};
            text += row.dump() + "\n";
        });
    return text;
}

TrialReport SummariseTrials(std::string phrase, SeedInfo seed, std::int64_t stringsPerTrial,
                            bool interrupted, const std::vector<analysis::TrialRecord>& records) {
    TrialReport report;
    report.seed = seed;
    report.stringsPerTrial = stringsPerTrial;
    report.runsRequested = static_cast<std::int64_t>(records.size());
    report.interrupted = interrupted;
    std::vector<double> correct;
    std::vector<double> seconds;
    for (const analysis::TrialRecord& record : records) {
        if (!record.finished) {
            continue;
        }
        correct.push_back(static_cast<double>(record.bestCount));
        seconds.push_back(static_cast<double>(record.seconds));
        if (!report.bestString || record.bestCount > report.bestCount) {
            report.bestString = record.bestString;
            report.bestCount = record.bestCount;
        }
    }
    report.runsFinished = static_cast<std::int64_t>(correct.size());
    report.correct = analysis::Summarise(correct);
    report.seconds = analysis::Summarise(seconds);
    report.phrase = std::move(phrase);
    return report;
}

std::string ToText(const TrialReport& report) {
    std::string text = Header(report.phrase, report.seed) + ", " +
                       Plural(report.stringsPerTrial, "string", "strings") + " per trial, " +
                       Plural(report.runsRequested, "trial", "trials") + "\n\n";
    if (report.runsFinished == 1 && report.correct && report.seconds) {
        text += Table({{"Best string:", "\"" + *report.bestString + "\""},
                       {"Number correct:", std::to_string(report.bestCount)},
                       {"Seconds:", SecondsText(report.seconds->mean)}},
                      "ll");
    } else {
        if (report.bestString) {
            text += "Best string of all trials: \"" + *report.bestString + "\" (" +
                    std::to_string(report.bestCount) + " correct)\n\n";
        }
        std::vector<std::string> heading = {"Measure", "Runs"};
        heading.insert(heading.end(), kSummaryHeadings.begin(), kSummaryHeadings.end());
        std::vector<std::string> correctRow = {"correct", std::to_string(report.runsFinished)};
        const auto correctCells = SummaryCells(report.correct, CountCell);
        correctRow.insert(correctRow.end(), correctCells.begin(), correctCells.end());
        std::vector<std::string> secondsRow = {"seconds", std::to_string(report.runsFinished)};
        const auto secondsCells = SummaryCells(report.seconds, SecondsText);
        secondsRow.insert(secondsRow.end(), secondsCells.begin(), secondsCells.end());
        text += Table({heading, correctRow, secondsRow}, "l");
    }
    if (report.interrupted) {
        text += "\nInterrupted: the figures cover the trials finished before Ctrl+C (" +
                std::to_string(report.runsFinished) + " of " +
                std::to_string(report.runsRequested) + ").\n";
    }
    return text;
}

json ToJson(const TrialReport& report) {
    json out = JsonHead("trial", report.phrase, report.seed);
    out["stringsPerTrial"] = report.stringsPerTrial;
    out["runsRequested"] = report.runsRequested;
    out["runsFinished"] = report.runsFinished;
    out["interrupted"] = report.interrupted;
    out["best"] = report.bestString
                      ? json{{"string", *report.bestString}, {"correct", report.bestCount}}
                      : json(nullptr);
    out["correct"] = SummaryJson(report.correct);
    out["seconds"] = SummaryJson(report.seconds);
    return out;
}

std::string ToCsv(const TrialReport& report) {
    const std::string runs = std::to_string(report.runsFinished);
    std::string text = std::string("measure,runs,") + kSummaryCsvColumns + ",best_string\n";
    text += "correct," + runs + "," + SummaryCsv(report.correct) + "," +
            (report.bestString ? QuotedCsv(*report.bestString) : std::string()) + "\n";
    text += "seconds," + runs + "," + SummaryCsv(report.seconds, SecondsCsv) + ",\n";
    return text;
}

std::string ToText(const EstimateReport& report) {
    const SearchSpaceTexts& texts = report.texts;
    std::string text = Header(report.phrase, report.seed) + "\n\n";
    std::vector<std::vector<std::string>> rows = {
        {"Number of random strings generated in one second:", texts.stringsPerSecond, ""},
        {"Number of distinct strings of this length:", texts.distinctStrings, ""}};
    if (report.estimate.hasTimes) {
        rows.push_back(
            {"Estimated time to generate a matching string:", TrimLeft(texts.seconds), "seconds"});
        rows.push_back({"", TrimLeft(texts.days), "days"});
        rows.push_back({"", TrimLeft(texts.years), "year(s)"});
    }
    text += Table(rows, "lrl");
    return text;
}

json ToJson(const EstimateReport& report) {
    const SearchSpaceEstimate& estimate = report.estimate;
    json out = JsonHead("estimate", report.phrase, report.seed);
    out["stringsPerSecond"] = estimate.stringsPerSecond;
    out["distinctStrings"] = report.texts.distinctStrings;
    out["log10DistinctStrings"] = static_cast<double>(estimate.log10Strings);
    const auto time = [&](const std::string& textForm, long double log10Value) {
        return estimate.hasTimes
                   ? json{{"text", TrimLeft(textForm)}, {"log10", static_cast<double>(log10Value)}}
                   : json(nullptr);
    };
    out["seconds"] = time(report.texts.seconds, estimate.log10Seconds);
    out["days"] = time(report.texts.days, estimate.log10Days);
    out["years"] = time(report.texts.years, estimate.log10Years);
    return out;
}

std::string ToCsv(const EstimateReport& report) {
    const SearchSpaceEstimate& estimate = report.estimate;
    std::string text = "figure,text,log10\n";
    text += "strings_per_second," + report.texts.stringsPerSecond + "," +
            (estimate.stringsPerSecond > 0
                 ? ExactText(std::log10(static_cast<double>(estimate.stringsPerSecond)))
                 : std::string()) +
            "\n";
    text += "distinct_strings," + report.texts.distinctStrings + "," +
            ExactText(static_cast<double>(estimate.log10Strings)) + "\n";
    if (estimate.hasTimes) {
        text += "seconds," + TrimLeft(report.texts.seconds) + "," +
                ExactText(static_cast<double>(estimate.log10Seconds)) + "\n";
        text += "days," + TrimLeft(report.texts.days) + "," +
                ExactText(static_cast<double>(estimate.log10Days)) + "\n";
        text += "years," + TrimLeft(report.texts.years) + "," +
                ExactText(static_cast<double>(estimate.log10Years)) + "\n";
    }
    return text;
}

} // namespace quarrow::lab
