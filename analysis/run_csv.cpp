#include "analysis/run_csv.h"

#include "engine/exact_law.h"
#include "platform/float_chars.h"

#include <limits>

namespace quarrow::analysis {

std::string ExactText(double value) {
    return ShortestChars(value);
}

std::string SecondsCsv(double value) {
    // Not printf, which takes the point from the locale the window sets from the environment.
    return GeneralChars(value, 6);
}

std::string QuotedCsv(const std::string& text) {
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

std::string SummaryCsv(const std::optional<Summary>& summary, std::string (*figure)(double)) {
    if (!summary) {
        return ",,,,,,";
    }
    const std::string spread =
        summary->standardDeviation ? figure(*summary->standardDeviation) : std::string();
    return figure(summary->mean) + "," + spread + "," + figure(summary->median) + "," +
           figure(summary->percentile10) + "," + figure(summary->percentile90) + "," +
           figure(summary->min) + "," + figure(summary->max);
}

std::string PerRunCsv(const std::vector<Scheme>& schemes,
                      const std::vector<std::vector<EvolveRecord>>& records) {
    std::string text = "run,scheme,first_string,generations,strings,seconds\n";
    ForEachFinishedRun(
        schemes, records, [&](std::size_t run, Scheme scheme, const EvolveRecord& record) {
            text += std::to_string(run) + "," + std::string(SchemeKey(scheme)) + "," +
                    QuotedCsv(record.firstString) + "," + std::to_string(record.generations) + "," +
                    std::to_string(record.strings) + "," +
                    SecondsCsv(static_cast<double>(record.seconds)) + "\n";
        });
    return text;
}

EvolveSchemeFigures SummariseScheme(Scheme scheme, std::size_t length,
                                    const std::vector<EvolveRecord>& records) {
    std::vector<double> generations;
    std::vector<double> strings;
    std::vector<double> seconds;
    for (const EvolveRecord& record : records) {
        if (record.finished) {
            generations.push_back(static_cast<double>(record.generations));
            strings.push_back(static_cast<double>(record.strings));
            seconds.push_back(static_cast<double>(record.seconds));
        }
    }
    EvolveSchemeFigures figures;
    figures.scheme = scheme;
    figures.runsFinished = static_cast<std::int64_t>(generations.size());
    figures.generations = Summarise(generations);
    figures.strings = Summarise(strings);
    figures.seconds = Summarise(seconds);
    figures.expectedGenerations = ExpectedGenerations(scheme, length);
    figures.expectedStrings = ExpectedStrings(scheme, length);
    const GenerationLaw law = GenerationLaw::ForScheme(scheme, length);
    const EvolveSchemeFigures::Percentiles percentiles{law.Quantile(0.1), law.Quantile(0.5),
                                                       law.Quantile(0.9)};
    if (percentiles.p90 < std::numeric_limits<std::int64_t>::max()) {
        figures.expectedPercentiles = percentiles;
    }
    return figures;
}

std::string SchemeSummaryCsv(const std::vector<EvolveSchemeFigures>& schemes) {
    std::string text = std::string("scheme,runs,measure,") + kSummaryCsvColumns +
                       ",expected,expected_p10,expected_median,expected_p90\n";
    for (const EvolveSchemeFigures& figures : schemes) {
        const std::string lead = std::string(SchemeKey(figures.scheme)) + "," +
                                 std::to_string(figures.runsFinished) + ",";
        const auto expected = [](const std::optional<double>& value) {
            return value ? ExactText(*value) : std::string();
        };
        const auto& law = figures.expectedPercentiles;
        const std::string percentiles = law ? std::to_string(law->p10) + "," +
                                                  std::to_string(law->median) + "," +
                                                  std::to_string(law->p90)
                                            : ",,";
        text += lead + "generations," + SummaryCsv(figures.generations) + "," +
                expected(figures.expectedGenerations) + ",";
        text += percentiles;
        text += "\n";
        text += lead + "strings," + SummaryCsv(figures.strings) + "," +
                expected(figures.expectedStrings) + ",,,\n";
        text += lead + "seconds," + SummaryCsv(figures.seconds, SecondsCsv) + ",,,,\n";
    }
    return text;
}

} // namespace quarrow::analysis
