#include "engine/selection.h"

#include "search/alphabet.h"
#include "tests/engine/reference_runs.h"
#include "tests/support/fakes.h"
#include "tests/support/memory_log_sink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quarrow::testing {
namespace {

/// Splits a log into its lines, checking that each one ends in CR LF.
std::vector<std::string> Lines(const std::string& log) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < log.size()) {
        const std::size_t end = log.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(log.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

/// The letters of a scheme 1 or 2 generation line (before its two-space separator).
std::string LettersOf(const std::string& line, std::size_t n) {
    return line.substr(0, n);
}

class SelectionTest : public ::testing::Test {
protected:
    RunEnvironment Environment() { return RunEnvironment{generator, clock, log, cancel}; }

    RunResult Run(Scheme scheme, const std::string& target, const std::string& first) {
        return RunScheme(scheme, target, first, Environment());
    }

    /// A run's generations and strings, as one value to compare.
    using Counts = std::pair<std::int64_t, std::int64_t>;
    static Counts CountsOf(const RunResult& result) {
        return {result.numMutations, result.numTotal};
    }

    /// Expects a matched run that agrees with the plain transcription's in log, counts and
    /// generator state.
    void ExpectAgreement(const RunResult& result, const ReferenceRun& expected) {
        ASSERT_EQ(result.outcome, RunOutcome::Matched);
        EXPECT_EQ(log.Text(), expected.log);
        EXPECT_EQ(result.numMutations, expected.numMutations);
        EXPECT_EQ(result.numTotal, expected.numTotal);
        EXPECT_EQ(result.symbolsDrawn, expected.symbolsDrawn);
        EXPECT_EQ(generator.State(), expected.generatorState);
    }

    Generator generator;
    FakeMonotonicClock clock{100.0, 0.25};
    MemoryLogSink log;
    std::atomic<bool> cancel{false};
};

// --- Agreement with the plain transcription of each scheme

TEST_F(SelectionTest, LockedSchemesAgreeWithTheirPlainTranscription) {
    // Targets and first strings of every relation: equal, longer, shorter, empty, with small
    // letters and punctuation in the first string.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"CAT", "CAT"},
        {"CAT", "DOG"},
        {"", "ABC"},
        {"", ""},
        {"SELECTOR", "zzzzz!!!"},
        {"A B", "A"},
        {"AB  Z", "ZZ   AAAA"},
        {"HELLO WORLD", ""},
        {"   ", "ZAZ"},
    };
    for (const bool attenuating : {true, false}) {
        for (const auto& [target, first] : cases) {
            for (std::uint64_t seed = 1; seed <= 6; ++seed) {
                const Generator start(seed * 0x9e3779b97f4a7c15ULL);
                generator = start;
                const RunResult result =
                    Run(attenuating ? Scheme::Attenuating : Scheme::Serial, target, first);
                const ReferenceRun expected = ReferenceLockedRun(attenuating, target, first, start);
                SCOPED_TRACE(::testing::Message()
                             << (attenuating ? "scheme 1 " : "scheme 2 ") << '"' << target
                             << "\" from \"" << first << "\" seed " << seed);
                ASSERT_NO_FATAL_FAILURE(ExpectAgreement(result, expected));
                EXPECT_FALSE(log.IsOpen());
            }
        }
    }
}

TEST_F(SelectionTest, SequentialSchemeAgreesWithItsPlainTranscription) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"CAT", "DOG"}, {"CAT", "CAT"},     {"ABC", ""},          {"", ""},
        {"Q", "Q"},     {"HELLO", "WORLD"}, {"LONGER ONE", "AB"}, {"A B C D", "ZZZZZZZ"},
    };
    for (const auto& [first, match] : cases) {
        for (std::uint64_t seed = 1; seed <= 6; ++seed) {
            const Generator start(seed * 0xbf58476d1ce4e5b9ULL);
            generator = start;
            const RunResult result = SequentialSelection(first, match, Environment());
            const ReferenceRun expected = ReferenceSequentialRun(first, match, start);
            SCOPED_TRACE(::testing::Message()
                         << '"' << first << "\" / \"" << match << "\" seed " << seed);
            ASSERT_NO_FATAL_FAILURE(ExpectAgreement(result, expected));
        }
    }
}

// --- The offspring a watcher asks for

/// Expects each of scheme 3's offspring to copy the prefix its elder siblings' hits reached on
/// `match` (the run's `MatchWord`), and its count to be that prefix after its own hits.
void ExpectSequentialCounts(const GenerationOffspring& bred, const std::string& match) {
    // Each copies the prefix its elder siblings' hits reached.
    ASSERT_EQ(bred.copied.size(), bred.strings.size());
    std::size_t reached = 0;
    for (std::size_t i = 0; i < bred.strings.size(); ++i) {
        EXPECT_EQ(bred.copied[i], reached);
        for (std::size_t j = reached; j < match.size(); ++j) {
            reached += bred.strings[i][j] == match[j] ? 1U : 0U;
        }
        EXPECT_EQ(bred.matched[i], reached);
    }
}

/// Expects each offspring of schemes 1 and 2 to count its letters equal to `target`'s.
void ExpectLockedCounts(const GenerationOffspring& bred, const std::string& target) {
    for (std::size_t i = 0; i < bred.strings.size(); ++i) {
        std::size_t right = 0;
        for (std::size_t j = 0; j < target.size(); ++j) {
            right += bred.strings[i][j] == target[j] ? 1U : 0U;
        }
        EXPECT_EQ(bred.matched[i], right);
    }
}

/// Expects the offspring `shown` for each generation (every one but the third) to be those of
/// the plain transcription, `expected`, counted as the scheme counts them.
void ExpectShownAsBred(const SchemeRun& run,
                       const std::map<std::int64_t, GenerationOffspring>& shown,
                       const ReferenceOffspring& expected) {
    for (std::size_t g = 0; g < expected.size(); ++g) {
        const auto generation = static_cast<std::int64_t>(g + 1);
        const auto found = shown.find(generation);
        ASSERT_EQ(found != shown.end(), generation != 3) << "generation " << generation;
        if (found == shown.end()) {
            continue;
        }
        const GenerationOffspring& bred = found->second;
        EXPECT_EQ(bred.strings, expected[g]) << "generation " << generation;
        ASSERT_EQ(bred.matched.size(), bred.strings.size());
        if (run.scheme == Scheme::Sequential) {
            ASSERT_NO_FATAL_FAILURE(ExpectSequentialCounts(bred, run.first));
            continue;
        }
        // Bred from the parent the previous generation's line names.
        if (g > 0) {
            EXPECT_EQ(bred.parent, expected[g - 1].back());
        }
        ExpectLockedCounts(bred, run.target);
    }
}

// With the offspring asked for, every generation reports its offspring, and they are those of
// the plain transcription; the run itself (log, counts, generator) is the one it always was. The
// request is switched off and on again halfway through, as a watcher pausing and resuming does.
TEST_F(SelectionTest, ShownOffspringAreThoseOfThePlainTranscriptionAndChangeNothing) {
    const SchemeRun runs[] = {
        {Scheme::Attenuating, "METHINKS", "QWERTYUI"},
        {Scheme::Serial, "METHINKS", "QWE"},
        {Scheme::Serial, "AB", "AB"},
        {Scheme::Sequential, "BEETLE", "QXZJRB"},
        {Scheme::Sequential, "CAT", "CAT"},
    };
    for (const SchemeRun& run : runs) {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(::testing::Message() << static_cast<int>(run.scheme) << " \"" << run.target
                                              << "\" seed " << seed);
            const Generator start(seed * 0x9e3779b97f4a7c15ULL);
            ReferenceOffspring expected;
            const ReferenceRun reference =
                run.scheme == Scheme::Sequential
                    ? ReferenceSequentialRun(run.target, run.first, start, &expected)
                    : ReferenceLockedRun(run.scheme == Scheme::Attenuating, run.target, run.first,
                                         start, &expected);

            const std::atomic<bool> everyGeneration{true};
            std::atomic<bool> wanted{true};
            std::map<std::int64_t, GenerationOffspring> shown;
            RunEnvironment environment = Environment();
            environment.showOffspring = &wanted;
            environment.reportEveryGeneration = &everyGeneration;
            environment.progress = [&](const RunProgress& progress) {
                if (progress.offspring != nullptr) {
                    shown[progress.generation] = *progress.offspring;
                }
                // Off for the third generation only.
                wanted = progress.generation != 2;
            };
            generator = start;
            const RunResult result = RunScheme(run.scheme, run.target, run.first, environment);
            ASSERT_EQ(result.outcome, RunOutcome::Matched);
            EXPECT_EQ(log.Text(), reference.log);
            EXPECT_EQ(result.numTotal, reference.numTotal);
            EXPECT_EQ(generator.State(), reference.generatorState);

            ASSERT_EQ(expected.size(), static_cast<std::size_t>(result.numMutations));
            ASSERT_NO_FATAL_FAILURE(ExpectShownAsBred(run, shown, expected));
        }
    }
}

// --- Edge cases with fixed outcomes

TEST_F(SelectionTest, EmptyTargetsEndAtOnce) {
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial}) {
        EXPECT_EQ(CountsOf(Run(scheme, "", "ABC")), Counts(0, 0));
        EXPECT_EQ(log.Text(), "   0\r\n");
    }
    // The sequential scheme: the page's target is FirstWord, the empty first string MatchWord.
    EXPECT_EQ(CountsOf(SequentialSelection("CAT", "", Environment())), Counts(0, 1));
    EXPECT_EQ(log.Text(), "CAT\r\n");
}

TEST_F(SelectionTest, AFirstStringEqualToTheTargetEndsAtTheFirstOffspring) {
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial}) {
        const RunResult result = Run(scheme, "GRADUAL CHANGE", "GRADUAL CHANGE");
        EXPECT_EQ(result.outcome, RunOutcome::Matched);
        EXPECT_EQ(CountsOf(result), Counts(1, 1));
        EXPECT_EQ(log.Text(), "GRADUAL CHANGE   14\r\n");
    }
    EXPECT_EQ(CountsOf(SequentialSelection("BEETLE", "BEETLE", Environment())), Counts(1, 2));
    const std::vector<std::string> lines = Lines(log.Text());
    ASSERT_EQ(lines.size(), 1U);
    // FirstWord, then the first offspring's count in print form if it matched anything.
    EXPECT_TRUE(lines[0] == "BEETLE" || lines[0].starts_with("BEETLE ")) << lines[0];
}

TEST_F(SelectionTest, OneLetterSequentialTargetWritesExactlyTwoLines) {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        generator = Generator(seed);
        const RunResult result = SequentialSelection("K", "Q", Environment());
        ASSERT_EQ(result.outcome, RunOutcome::Matched);
        const std::vector<std::string> lines = Lines(log.Text());
        ASSERT_EQ(lines.size(), 2U);
        EXPECT_EQ(lines[0], "Q 0 ");
        EXPECT_EQ(lines[1], "K 1 ");
        EXPECT_EQ(result.numTotal, 20 * result.numMutations + 1);
    }
}

TEST_F(SelectionTest, TimeComesFromTheMonotonicClock) {
    // Two readings, 0.25 s apart, whatever the time of day: a run across midnight is positive.
    const RunResult result = Run(Scheme::Serial, "AB", "AB");
    EXPECT_FLOAT_EQ(result.timeLength, 0.25f);
}

// --- Invariants over many seeded runs

TEST_F(SelectionTest, LockedSchemesKeepRightLettersAndCountAsLaidDown) {
    const std::vector<SchemeRun> shapes = {
        {Scheme::Attenuating, "THE CAT SAT ON THE MAT", "ZZZZZZZZZZZZZZZZZZZZZZ"},
        {Scheme::Attenuating, "    ", "ZAYB"},
        {Scheme::Attenuating, "BEETLE", "WE"},
        {Scheme::Serial, "THE CAT SAT ON THE MAT", "QQQQQQQQQQQQQQQQQQQQQQ"},
        {Scheme::Serial, "BEETLE", "BEETLES ARE LONGER"},
    };
    for (const auto& [scheme, target, first] : shapes) {
        const std::size_t n = target.size();
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            SCOPED_TRACE(::testing::Message() << target << " seed " << seed);
            generator = Generator(seed * 7919);
            const RunResult result = Run(scheme, target, first);
            ASSERT_EQ(result.outcome, RunOutcome::Matched);
            const std::vector<std::string> lines = Lines(log.Text());
            // A line per generation, the last one cut short by the match, and the final line.
            ASSERT_EQ(static_cast<std::int64_t>(lines.size()), result.numMutations);
            EXPECT_EQ(lines.back(), target + "  " + SignedText(static_cast<std::int64_t>(n)));
            const std::int64_t lastOffspring = result.numTotal - 20 * (result.numMutations - 1);
            EXPECT_GE(lastOffspring, 1);
            EXPECT_LE(lastOffspring, 20);

            std::string parent = first.substr(0, n);
            for (std::size_t g = 0; g + 1 < lines.size(); ++g) {
                const std::string child = LettersOf(lines[g], n);
                ASSERT_EQ(child.size(), n);
                // The count beside each line is that of the parent it was bred from.
                EXPECT_EQ(lines[g].substr(n),
                          "  " + SignedText(static_cast<std::int64_t>(MatchCount(parent, target))));
                for (std::size_t j = 0; j < n; ++j) {
                    const bool hadLetter = j < parent.size();
                    if (hadLetter && parent[j] == target[j]) {
                        ASSERT_EQ(child[j], target[j]) << "a right letter changed at " << j;
                    } else if (scheme == Scheme::Attenuating && hadLetter) {
                        const int before = std::abs(parent[j] - target[j]);
                        const int after = std::abs(child[j] - target[j]);
                        ASSERT_TRUE(child[j] == parent[j] || after < before)
                            << "a wrong letter moved away at " << j;
                        if (target[j] == ' ' && child[j] != ' ') {
                            // Towards a space, letters only drift towards "A".
                            ASSERT_LE(child[j], parent[j]);
                        }
                    }
                    ASSERT_TRUE(IsAlphabetSymbol(child[j]));
                }
                parent = child;
            }
        }
    }
}

TEST_F(SelectionTest, SequentialRunsCountAndLogAsLaidDown) {
    const std::string first = "THE CAT SAT";
    const std::string match = "QZQZQZQZQZQ";
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        generator = Generator(seed * 104729);
        const RunResult result = SequentialSelection(first, match, Environment());
        ASSERT_EQ(result.outcome, RunOutcome::Matched);
        EXPECT_EQ(result.numTotal, 20 * result.numMutations + 1);
        const std::vector<std::string> lines = Lines(log.Text());
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), first + " 11 ");
        // Generations before the first best write nothing; after it, one line each.
        EXPECT_LE(static_cast<std::int64_t>(lines.size()) - 1, result.numMutations);
        EXPECT_GE(static_cast<std::int64_t>(lines.size()) - 1, result.numMutations - 1);
        int previousCount = -1;
        for (std::size_t g = 0; g + 1 < lines.size(); ++g) {
            const std::string& line = lines[g];
            ASSERT_GE(line.size(), match.size() + 3) << line;
            ASSERT_EQ(line[match.size()], ' ') << line;
            ASSERT_EQ(line.back(), ' ');
            const int count = std::stoi(line.substr(match.size())) + 1;
            ASSERT_GE(count, previousCount) << "the best got worse";
            previousCount = count;
            EXPECT_LE(static_cast<std::size_t>(count), match.size());
            for (const char c : line.substr(0, match.size())) {
                ASSERT_TRUE(IsAlphabetSymbol(c));
            }
        }
        EXPECT_EQ(previousCount, 11) << "the last generation line holds the full count less one";
    }
}

TEST_F(SelectionTest, SequentialGenerationsAverageTheExpectedCount) {
    // A generation reaches n letters with chance p = (1 - (26/27)^20)^n, so the generations of
    // a run follow a geometric distribution with mean 1/p and variance (1 - p)/p^2.
    NullLogSink nothing;
    for (const int n : {3, 5}) {
        const double p = std::pow(1.0 - std::pow(26.0 / 27.0, 20.0), n);
        const int runs = 3000;
        double sum = 0.0;
        for (int i = 0; i < runs; ++i) {
            Generator own(0x5eed0000ULL + static_cast<std::uint64_t>(i) * 2654435761ULL);
            const RunEnvironment environment{own, clock, nothing, cancel};
            const std::string word(static_cast<std::size_t>(n), 'M');
            const RunResult result =
                SequentialSelection(word, std::string(word.size(), 'E'), environment);
            sum += static_cast<double>(result.numMutations);
        }
        const double mean = sum / runs;
        const double standardError = std::sqrt(1.0 - p) / p / std::sqrt(double(runs));
        EXPECT_NEAR(mean, 1.0 / p, 4.0 * standardError) << n << " letters";
    }
}

// --- Refused input, cancel, progress

TEST_F(SelectionTest, TargetsThatCouldNeverMatchAreRefusedBeforeTheLogIsTouched) {
    const std::uint64_t before = generator.State();
    RunResult result = Run(Scheme::Attenuating, "CAT2", "ABCD");
    EXPECT_EQ(result.outcome, RunOutcome::InvalidInput);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->text, InputProblem::Text::Target);
    EXPECT_EQ(result.problem->position, 3U);
    EXPECT_EQ(result.problem->character, '2');

    result = Run(Scheme::Serial, "cat", "CAT");
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->character, 'c');

    // Scheme 3 also needs a first string of symbols, no longer than the target.
    result = Run(Scheme::Sequential, "CAT", "DO.");
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->text, InputProblem::Text::FirstString);
    EXPECT_EQ(result.problem->position, 2U);
    result = Run(Scheme::Sequential, "CA", "DOG");
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->kind, InputProblem::Kind::FirstStringTooLong);

    // Foreign letters in the first string are fine where no drawn symbol has to match them.
    EXPECT_FALSE(CheckInput(Scheme::Attenuating, "CAT", "c4t"));
    EXPECT_EQ(log.OpenCount(), 0);
    EXPECT_EQ(generator.State(), before);
}

TEST_F(SelectionTest, CancelStopsAfterTheGenerationInProgressAndKeepsItsLines) {
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        // Long enough that every scheme reports a few times before it could finish.
        std::string target;
        for (int i = 0; i < 10; ++i) {
            target += "CUMULATIVE SELECTION IS FAST";
        }
        const std::string first(target.size(), 'Q');
        cancel = false;
        int reports = 0;
        std::int64_t reportedGeneration = 0;
        RunEnvironment environment = Environment();
        environment.progressInterval = 0.0;
        environment.progress = [&](const RunProgress& progress) {
            ++reports;
            reportedGeneration = progress.generation;
            EXPECT_EQ(progress.targetLength, target.size());
            EXPECT_LE(progress.matchedLetters, target.size());
            if (reports == 2) {
                cancel = true;
            }
        };
        const RunResult result = RunScheme(scheme, target, first, environment);
        ASSERT_EQ(result.outcome, RunOutcome::Cancelled);
        EXPECT_FALSE(log.IsOpen());
        EXPECT_GE(result.numMutations, 1);
        EXPECT_EQ(reportedGeneration, result.numMutations) << "the closing report is the last";
        const std::vector<std::string> lines = Lines(log.Text());
        if (scheme == Scheme::Sequential) {
            EXPECT_EQ(result.numTotal, 20 * result.numMutations + 1);
            EXPECT_LE(static_cast<std::int64_t>(lines.size()), result.numMutations);
            ASSERT_FALSE(lines.empty());
            EXPECT_FALSE(lines.back().starts_with(target)) << "no final line after a cancel";
        } else {
            EXPECT_EQ(result.numTotal, 20 * result.numMutations);
            EXPECT_EQ(static_cast<std::int64_t>(lines.size()), result.numMutations);
        }
    }
}

TEST_F(SelectionTest, ACancelRaisedBeforeTheRunStopsItAfterOneGeneration) {
    cancel = true;
    const RunResult result =
        Run(Scheme::Serial, "CUMULATIVE SELECTION IS FAST", "QQQQQQQQQQQQQQQQQQQQQQQQQQQQ");
    EXPECT_EQ(result.outcome, RunOutcome::Cancelled);
    EXPECT_EQ(result.numMutations, 1);
    EXPECT_EQ(log.LineCount(), 1U);
}

// A watcher keeps its own copy of each report: every figure comes across, and a shorter text
// replaces a longer one rather than leaving its end behind.
TEST(RunFiguresTest, ACopyKeepsEveryFigureOfTheReport) {
    const std::string current = "METHINKS";
    const std::string last = "METHQ";
    RunProgress report;
    report.scheme = Scheme::Sequential;
    report.generation = 41;
    report.stringsMade = 821;
    report.currentString = current;
    report.matchedLetters = 6;
    report.targetLength = 8;
    report.elapsedSeconds = 0.125;
    report.lastOffspring = last;
    report.lockedLetters = 4;
    report.generationReached = 5;

    RunFigures<std::string> kept;
    kept.currentString = "A STRING LONGER THAN EITHER";
    kept.lastOffspring = "ANOTHER ONE, LONGER STILL";
    kept.CopyFigures(report);
    EXPECT_EQ(kept.scheme, Scheme::Sequential);
    EXPECT_EQ(kept.generation, 41);
    EXPECT_EQ(kept.stringsMade, 821);
    EXPECT_EQ(kept.currentString, current);
    EXPECT_EQ(kept.matchedLetters, 6U);
    EXPECT_EQ(kept.targetLength, 8U);
    EXPECT_EQ(kept.elapsedSeconds, 0.125);
    EXPECT_EQ(kept.lastOffspring, last);
    EXPECT_EQ(kept.lockedLetters, 4U);
    EXPECT_EQ(kept.generationReached, 5U);
}

TEST_F(SelectionTest, LogFailuresStopTheRunAndSayWhy) {
    FileLogSink missingFolder("/nonexistent-folder/hold.txt");
    const RunEnvironment environment{generator, clock, missingFolder, cancel};
    RunResult result = RunScheme(Scheme::Serial, "CAT", "DOG", environment);
    EXPECT_EQ(result.outcome, RunOutcome::LogFailed);
    EXPECT_NE(result.logError.find("/nonexistent-folder/hold.txt"), std::string::npos);
    EXPECT_EQ(result.numMutations, 0);

    // A full disk shows when the buffer is written out, at the latest when the log closes.
    FileLogSink full("/dev/full");
    const RunEnvironment fullDisk{generator, clock, full, cancel};
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}) {
        result = RunScheme(scheme, "CAT", "DOG", fullDisk);
        EXPECT_EQ(result.outcome, RunOutcome::LogFailed);
        EXPECT_NE(result.logError.find("No space left"), std::string::npos) << result.logError;
    }
}

} // namespace
} // namespace quarrow::testing
