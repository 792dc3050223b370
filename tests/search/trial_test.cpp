#include "search/trial.h"

#include "tests/support/fakes.h"
#include "tests/support/scripted_generator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <vector>

namespace quarrow {
namespace {

using testing::FakeMonotonicClock;
using testing::FakeTimeOfDayClock;
using testing::ScriptedGenerator;

TEST(TrialCount, ReadsTheBoxLenientlyAndRoundsHalvesToEven) {
    struct Row {
        const char* text;
        std::optional<std::int64_t> strings;
    };
    const std::vector<Row> rows = {
        {"500", 500},
        {"2.5", 2},
        {"3.5", 4},
        {"1.5", 2},
        {"12abc", 12},
        {" 1 2\t3 ", 123},
        {"5E3", 5000},
        {"abc", 0},
        {"", 0},
        {"0", 0},
        {"0.5", 0},
        {"-7", 0},
        {"-1E+300", 0},
        {"2147483647", 2'147'483'647},
        {"2147483647.4", 2'147'483'647},
        // Rounds up to 2^31, one past the largest 32-bit count.
        {"2147483647.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"1E+999", std::nullopt},
        {"-1E+999", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReadTrialCount(row.text), row.strings) << '"' << row.text << '"';
    }
    // Long texts count by their value: 10^390 is too large, not 0, and a tiny one is 0.
    const std::string zeros(400, '0');
    EXPECT_EQ(ReadTrialCount("1" + zeros + "e-10"), std::nullopt);
    EXPECT_EQ(ReadTrialCount("0." + zeros + "1"), 0);
    EXPECT_EQ(ReadTrialCount("5" + zeros + "e-400"), 5);
}

TEST(Trial, TheLastOfEqualBestStringsWinsAndTheFirstAlwaysCounts) {
    // Scores against "AB": AX 1, XB 1, CC 0, so XB, the later of the two best, is kept.
    FakeTimeOfDayClock clock(100.0f);
    auto generator = ScriptedGenerator::Drawing("AXXBCC");
    const TrialResult result = RunMatchingTrialWith(generator, clock, "AB", 3);
    EXPECT_EQ(result.stringsMade, 3);
    EXPECT_EQ(result.bestString, "XB");
    EXPECT_EQ(result.bestCount, 1U);
    EXPECT_FALSE(result.cancelled);
    // A reseed before every single symbol, not once per string.
    EXPECT_EQ(generator.Draws(), 6U);
    EXPECT_EQ(generator.Reseeds(), 6U);

    // A single string scoring nothing still becomes the best, with a count of 0 (not none).
    auto missing = ScriptedGenerator::Drawing("QQ");
    const TrialResult one = RunMatchingTrialWith(missing, clock, "AB", 1);
    EXPECT_EQ(one.bestString, "QQ");
    EXPECT_EQ(one.bestCount, 0U);

    // A strictly better string later on replaces an earlier best; a worse one does not.
    auto improving = ScriptedGenerator::Drawing("XXAXABQB");
    const TrialResult better = RunMatchingTrialWith(improving, clock, "AB", 4);
    EXPECT_EQ(better.bestString, "AB");
    EXPECT_EQ(better.bestCount, 2U);
}

TEST(Trial, NoCountMakesNoStringAndAnEmptyTargetScoresZero) {
    FakeTimeOfDayClock clock;
    for (const std::int64_t asked : {0, -3}) {
        Generator generator;
        const TrialResult none = RunMatchingTrial(generator, clock, "HELLO", asked);
        EXPECT_EQ(none.stringsMade, 0);
        EXPECT_EQ(none.bestString, "");
        EXPECT_FALSE(none.bestCount.has_value());
        EXPECT_EQ(generator.State(), Generator().State()) << "no draw without a string";
    }

    Generator generator;
    const TrialResult empty = RunMatchingTrial(generator, clock, "", 50);
    EXPECT_EQ(empty.stringsMade, 50);
    EXPECT_EQ(empty.bestString, "");
    EXPECT_EQ(empty.bestCount, 0U);
}

TEST(Trial, TheBestStringHasTheTargetsLengthAndOnlyAlphabetSymbolsMatch) {
    // The clock reads one fixed second throughout: the reseeds must still not repeat a symbol.
    FakeTimeOfDayClock clock(43200.0f);
    Generator generator;
    const std::string target = "hello world 42";
    const TrialResult result = RunMatchingTrial(generator, clock, target, 5000);
    ASSERT_EQ(result.bestString.size(), target.size());
    // Only the two spaces of the target are alphabet symbols.
    EXPECT_LE(result.bestCount.value(), 2U);
    EXPECT_EQ(result.bestCount.value(), MatchCount(result.bestString, target));
    std::set<char> symbols;
    for (const char c : result.bestString) {
        EXPECT_TRUE(IsAlphabetSymbol(c)) << int(c);
        symbols.insert(c);
    }
    EXPECT_GT(symbols.size(), 3U);

    // Over many strings of a short capital target, chance finds it.
    const TrialResult found = RunMatchingTrial(generator, clock, "HI", 20'000);
    EXPECT_EQ(found.bestString, "HI");
    EXPECT_EQ(found.bestCount, 2U);
}

TEST(Trial, ReportsProgressAndStopsWhenCancelled) {
    FakeTimeOfDayClock seedClock;
    // Every reading of this clock is a second later, so each check of the clock reports.
    FakeMonotonicClock clock(0.0, 1.0);
    std::atomic<bool> cancel{false};
    std::vector<std::int64_t> made;
    std::vector<std::size_t> bestLengths;
    TrialHooks hooks;
    hooks.clock = &clock;
    hooks.cancel = &cancel;
    hooks.progress = [&](const TrialProgress& progress) {
        made.push_back(progress.stringsMade);
        bestLengths.push_back(progress.bestString.size());
        EXPECT_EQ(progress.stringsAsked, 10'000'000);
        EXPECT_TRUE(progress.bestCount.has_value());
        if (made.size() == 3) {
            cancel = true;
        }
    };
    Generator generator;
    const std::string target = "CUMULATIVE SELECTION IS FAST";
    const TrialResult result = RunMatchingTrial(generator, seedClock, target, 10'000'000, hooks);
    EXPECT_TRUE(result.cancelled);
    ASSERT_EQ(made.size(), 3U);
    EXPECT_LT(made[0], made[1]);
    EXPECT_LT(made[1], made[2]);
    EXPECT_EQ(result.stringsMade, made[2]);
    EXPECT_EQ(bestLengths, std::vector<std::size_t>(3, target.size()));
    // The best so far comes back whole.
    EXPECT_EQ(result.bestString.size(), target.size());
    EXPECT_EQ(result.bestCount.value(), MatchCount(result.bestString, target));

    // A flag raised before the start makes nothing.
    Generator fresh;
    const TrialResult none = RunMatchingTrial(fresh, seedClock, target, 100, hooks);
    EXPECT_TRUE(none.cancelled);
    EXPECT_EQ(none.stringsMade, 0);
    EXPECT_FALSE(none.bestCount.has_value());
}

} // namespace
} // namespace quarrow
