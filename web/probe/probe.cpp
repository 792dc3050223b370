// Prints the seeded outputs of every step in a fixed layout, from the libraries below the window
// only. Built natively and for WebAssembly, the two printouts must be the same bytes: that is
// how the browser's figures are known to be the window's.
//
// Usage: quarrow_probe [SEED]   (a whole number, 1 when left out)

#include "analysis/batch.h"
#include "analysis/batch_time.h"
#include "analysis/experiments.h"
#include "analysis/run_csv.h"
#include "analysis/statistics.h"
#include "engine/exact_law.h"
#include "engine/generation_log.h"
#include "engine/run_cost.h"
#include "engine/scheme.h"
#include "platform/clock.h"
#include "platform/float_chars.h"
#include "platform/generator.h"
#include "platform/lenient_number.h"
#include "platform/number_text.h"
#include "search/alphabet.h"
#include "search/estimate.h"
#include "search/trial.h"
#include "tests/support/memory_log_sink.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow {
namespace {

/// Everything printed, written out once at the end.
class Printout {
public:
    void Line(const std::string& text) {
        text_ += text;
        text_ += '\n';
    }
    void Heading(const std::string& title) { Line("== " + title); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

std::string Exact(double value) {
    return ShortestChars(value);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

/// A phrase of `length` letters and spaces, the same on every run.
std::string LongPhrase(std::size_t length) {
    Generator generator(0x5eedULL);
    return RandomString(generator, static_cast<std::ptrdiff_t>(length));
}

void SearchSpace(Printout& out, std::int64_t length, std::int64_t rate) {
    const SearchSpaceTexts texts = DescribeSearchSpace(EstimateSearchSpace(length, rate));
    out.Line("length " + std::to_string(length) + " rate " + std::to_string(rate) + ": " +
             Quoted(texts.stringsPerSecond) + " " + Quoted(texts.distinctStrings) + " " +
             Quoted(texts.seconds) + " " + Quoted(texts.days) + " " + Quoted(texts.years));
}

void StepTwo(Printout& out, const std::vector<std::string>& phrases) {
    out.Heading("step two: search space");
    for (const std::string& phrase : phrases) {
        for (const std::int64_t rate : {0LL, 1LL, 12'345'678LL, 987'654'321'987LL}) {
            SearchSpace(out, static_cast<std::int64_t>(phrase.size()), rate);
        }
    }
    for (std::int64_t length = 0; length <= 230; ++length) {
        SearchSpace(out, length, 4'567'891);
    }
    for (const std::int64_t length : {500LL, 1000LL, 4321LL, 100'000LL}) {
        SearchSpace(out, length, 3'000'000);
    }
}

void StepThree(Printout& out, const std::vector<std::string>& phrases, std::uint64_t seed) {
    out.Heading("step three: trials");
    const std::atomic<bool> stop{false};
    for (const std::string& phrase : phrases) {
        for (const float reading : {0.0f, 45296.25f}) {
            // A seeded batch reseeds from a stopped clock, as the lab's does.
            const FixedTimeOfDayClock seedClock(reading);
            analysis::TrialBatch batch;
            batch.phrase = phrase;
            batch.stringsPerTrial = 3000;
            batch.runs = 3;
            batch.seed = seed;
            batch.seedClock = &seedClock;
            std::atomic<std::int64_t> made{0};
            const std::vector<analysis::TrialRecord> records =
                analysis::RunTrialBatch(batch, analysis::BatchControl{stop, 1}, &made);
            out.Line("phrase " + Quoted(phrase) + " clock " + Exact(reading) + " strings " +
                     std::to_string(made.load()));
            for (std::size_t i = 0; i < records.size(); ++i) {
                out.Line("  trial " + std::to_string(i) + " finished " +
                         std::to_string(records[i].finished) + " best " +
                         std::to_string(records[i].bestCount) + " " +
                         Quoted(records[i].bestString));
            }
        }
        // One trial on the generator, outside a batch, with a moving seed value.
        Generator generator = analysis::RunGenerator(seed, 7);
        const FixedTimeOfDayClock seedClock(12.5f);
        const TrialResult result = RunMatchingTrial(generator, seedClock, phrase, 500, {});
        out.Line("  single trial best " + std::to_string(result.bestCount.value_or(0)) + " " +
                 Quoted(result.bestString) + " state " + std::to_string(generator.State()));
    }
}

void StepFour(Printout& out, const std::string& phrase, Scheme scheme, std::uint64_t seed) {
    const std::atomic<bool> stop{false};
    MemoryLogSink log;
    analysis::EvolveBatch batch;
    batch.phrase = phrase;
    batch.schemes = {scheme};
    batch.runs = 4;
    batch.seed = seed;
    batch.firstRunLog = &log;
    batch.keepFirstStrings = true;
    analysis::EvolveBatchResult result =
        analysis::RunEvolveBatch(batch, analysis::BatchControl{stop, 1});
    // The measured seconds are the one figure that differs from run to run.
    for (std::vector<analysis::EvolveRecord>& records : result.records) {
        for (analysis::EvolveRecord& record : records) {
            record.seconds = 0.0f;
        }
    }
    out.Line("phrase " + Quoted(phrase) + " scheme " + std::string(SchemeKey(scheme)) + " seed " +
             std::to_string(seed) + " outcome " +
             std::to_string(static_cast<int>(result.firstRunOutcome)));
    out.Line(analysis::PerRunCsv(batch.schemes, result.records));
    out.Line(analysis::SchemeSummaryCsv(
        {analysis::SummariseScheme(scheme, phrase.size(), result.records.front())}));
    out.Line("log " + std::to_string(log.Size()) + " bytes");
    out.Line(log.Text());
}

void Laws(Printout& out) {
    out.Heading("exact laws");
    for (const std::size_t length :
         {std::size_t{1}, std::size_t{11}, std::size_t{28}, std::size_t{200}}) {
        for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}) {
            const GenerationLaw law = GenerationLaw::ForScheme(scheme, length);
            std::string line = std::string(SchemeKey(scheme)) + " " + std::to_string(length) +
                               ": mean " + Exact(law.Mean()) + " sd " +
                               Exact(law.StandardDeviation()) + " strings " +
                               Exact(law.MeanStrings()) + " quantiles";
            for (const double p : {0.001, 0.1, 0.25, 0.5, 0.75, 0.9, 0.999}) {
                line += " " + std::to_string(law.Quantile(p));
            }
            line += " chances";
            for (const std::int64_t generations : {1LL, 2LL, 10LL, 50LL, 300LL, 5000LL}) {
                line += " " + Exact(law.Probability(generations)) + "/" +
                        Exact(law.AtMost(generations)) + "/" + Exact(law.MoreThan(generations));
            }
            const auto expected = [](const std::optional<double>& value) {
                return value ? Exact(*value) : std::string("none");
            };
            line += " expected " + expected(analysis::ExpectedGenerations(scheme, length)) + " " +
                    expected(analysis::ExpectedStrings(scheme, length));
            out.Line(line);
        }
        const SequentialLaw sequential(length);
        out.Line("sequential law " + std::to_string(length) + ": " +
                 Exact(sequential.GenerationChance()) + " " +
                 Exact(sequential.AlreadyEqualChance()) + " " +
                 Exact(sequential.MeanGenerations()) + " " + Exact(sequential.MeanStrings()) + " " +
                 Exact(sequential.MeanDrawsPerGeneration()) + " blind " +
                 Exact(BlindSearchLog10Strings(length)));
    }
}

void Costs(Printout& out) {
    out.Heading("costs");
    for (std::size_t letters = 1; letters <= 40; ++letters) {
        const SequentialExpectation expected = ExpectSequential(letters);
        out.Line("sequential " + std::to_string(letters) + ": " + Exact(expected.generationChance) +
                 " " + Exact(expected.meanGenerations) + " " + Exact(expected.meanStrings) + " " +
                 std::to_string(expected.medianGenerations) + " " +
                 std::to_string(expected.percentile90Generations) + " " +
                 std::to_string(expected.lineBytes) + " " + Exact(expected.meanLogBytes));
    }
    for (const double chance : {0.9, 0.53, 1e-3, 1e-9, 1e-15}) {
        std::string line = "geometric " + Exact(chance) + ":";
        for (const double quantile : {0.1, 0.5, 0.9, 0.999}) {
            line += " " + std::to_string(GeometricQuantile(chance, quantile));
        }
        out.Line(line);
    }
    for (const double seconds :
         {0.2, 1.0, 40.0, 59.6, 61.0, 720.0, 7200.0, 86400.0, 3e5, 4e7, 7.7e13, 1e300}) {
        out.Line("duration " + Exact(seconds) + ": " + analysis::DurationText(seconds));
    }
}

/// Doubles from every part of the range, the same on every run.
std::vector<double> SampleDoubles() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.1,
                                  0.5,
                                  2.5,
                                  1e15,
                                  999999999999999.0,
                                  9999999999999999.0,
                                  0.0001,
                                  0.00001234,
                                  3.04888344611714e29,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    Generator generator(12345);
    for (int i = 0; i < 400; ++i) {
        std::uint64_t bits = 0;
        for (int part = 0; part < 3; ++part) {
            bits = (bits << 24) ^ generator.NextValue();
        }
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
        // And ordinary figures: a few digits at a modest power of ten.
        const auto digits = static_cast<double>(generator.NextValue());
        const int power = static_cast<int>(generator.NextValue() % 24) - 12;
        values.push_back(digits * std::pow(10.0, power));
    }
    return values;
}

void NumberTexts(Printout& out) {
    out.Heading("number texts");
    for (const double value : SampleDoubles()) {
        const auto single = static_cast<float>(value);
        out.Line(Exact(value) + " | " + PlainText(value) + " | " + SignedText(value) + " | " +
                 PlainText(single) + " | " + SignedText(single) + " | " + FigureText(value, 2) +
                 " | " + ScientificChars(value, 9) + " | " +
                 (std::fabs(value) < 1e20 ? FixedChars(value, 5) : std::string("-")));
    }
    const std::int64_t counts[] = {0,
                                   1,
                                   -1,
                                   2,
                                   3,
                                   11,
                                   12,
                                   13,
                                   21,
                                   62,
                                   111,
                                   1234567890123,
                                   std::numeric_limits<std::int64_t>::min(),
                                   std::numeric_limits<std::int64_t>::max()};
    for (const std::int64_t count : counts) {
        out.Line(std::to_string(count) + " | " + PlainText(count) + " | " + SignedText(count) +
                 " | " + OrdinalText(count));
    }
    for (const char* digits :
         {"1", "0000123", "999999999999999999", "314159265358979323846", "12345678901234549999"}) {
        for (const std::int64_t exponent : {-7LL, 0LL, 14LL, 15LL, 2000LL}) {
            out.Line(std::string(digits) + "e" + std::to_string(exponent) + " | " +
                     PlainTextFromDigits(digits, exponent));
        }
    }
}

void Reading(Printout& out, std::uint64_t seed) {
    out.Heading("reading");
    for (const char* text : {"",
                             "2.5",
                             "3.5",
                             "12abc",
                             " 1 2 ",
                             "-3",
                             "1e2",
                             "+7",
                             ".5",
                             "5.",
                             "1e",
                             "- 4",
                             "2.5.6",
                             "1e999",
                             "-1e999",
                             "1e-999",
                             "0.1",
                             "123456789012345678901234567890",
                             "0x10",
                             "inf",
                             "nan",
                             "1\r2",
                             "4.5e-324",
                             "2e-324",
                             "1.7976931348623158e308"}) {
        const double value = ReadLenientNumber(text);
        const std::optional<std::int64_t> count = ReadTrialCount(text);
        out.Line(Quoted(text) + " reads " + Exact(value) + " rounds " +
                 Exact(RoundHalfEven(value)) + " count " +
                 (count ? std::to_string(*count) : std::string("refused")));
    }
    // The generator from seeds of every kind, fractions and clock readings among them.
    for (const double reseed : {0.0, -0.0, 1.0, 0.5, 0.25, 43210.7, -3.0, 1e300, 0x1.0p62,
                                static_cast<double>(seed), 1.0 / 3.0}) {
        Generator generator;
        generator.Reseed(reseed);
        std::string values;
        for (int i = 0; i < 4; ++i) {
            values += " " + std::to_string(generator.NextValue());
        }
        out.Line("reseed " + Exact(reseed) + ":" + values + " " + Exact(generator.Next()));
    }
}

int Run(std::uint64_t seed) {
    const std::vector<std::string> phrases = {"A", "METHINKS IT IS LIKE A WEASEL", LongPhrase(200)};
    Printout out;
    out.Line("probe seed " + std::to_string(seed));
    StepTwo(out, phrases);
    StepThree(out, phrases, seed);
    out.Heading("step four: evolve");
    for (const std::uint64_t batchSeed : {seed, seed + 1}) {
        for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}) {
            // A sequential run of a long phrase takes millions of generations.
            const std::vector<std::string> fast = scheme == Scheme::Sequential
                                                      ? std::vector<std::string>{"A", "HELLO WORLD"}
                                                      : phrases;
            for (const std::string& phrase : fast) {
                StepFour(out, phrase, scheme, batchSeed);
            }
        }
    }
    Laws(out);
    Costs(out);
    NumberTexts(out);
    Reading(out, seed);
    const std::string& text = out.Text();
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                   std::fflush(stdout) == 0
               ? 0
               : 1;
}

} // namespace
} // namespace quarrow

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    if (argc > 1) {
        char* end = nullptr;
        seed = std::strtoull(argv[1], &end, 10);
        if (*argv[1] == '\0' || *end != '\0') {
            std::fprintf(stderr, "usage: quarrow_probe [SEED]\n");
            return 2;
        }
    }
    try {
        return quarrow::Run(seed);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quarrow_probe: %s\n", error.what());
        return 1;
    }
}
