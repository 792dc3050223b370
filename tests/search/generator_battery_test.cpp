// The generator under the program's own call patterns: symbol, pair and serial frequencies of
// each pattern's draws, and the draw-reseed chain of scheme 3 checked for merging and cycles.

#include "platform/generator.h"
#include "search/alphabet.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace quarrow {
namespace {

// Chi-square limits at p = 0.001.
constexpr double kSymbolLimit = 54.05; // 26 degrees of freedom
constexpr double kPairLimit = 852.0;   // 728 degrees of freedom

using Pattern = std::function<std::vector<std::uint32_t>(std::size_t count)>;

struct NamedPattern {
    const char* name;
    Pattern draw;
};

/// The values each caller draws, in the order it draws them.
std::vector<NamedPattern> Patterns() {
    return {
        {"plain draws (strings of the rate, first strings)",
         [](std::size_t count) {
             Generator generator;
             std::vector<std::uint32_t> values(count);
             for (auto& value : values) {
                 value = generator.NextValue();
             }
             return values;
         }},
        {"reseed with position x serial, draw (schemes 1 and 2)",
         [](std::size_t count) {
             Generator generator;
             std::vector<std::uint32_t> values;
             for (std::int64_t serial = 1; values.size() < count; ++serial) {
                 generator.ReseedWhole(serial);
                 for (std::int64_t j = 1; j <= 28 && values.size() < count; ++j) {
                     generator.Reseed(static_cast<double>(j) * static_cast<double>(serial));
                     values.push_back(generator.NextValue());
                 }
             }
             return values;
         }},
        {"draw, reseed with the value, draw (scheme 3)",
         [](std::size_t count) {
             Generator generator;
             std::vector<std::uint32_t> values(count);
             for (auto& value : values) {
                 generator.Reseed(static_cast<double>(generator.Next()));
                 value = generator.NextValue();
             }
             return values;
         }},
        {"reseed from a stopped clock, draw (the trial within one tick)",
         [](std::size_t count) {
             const testing::FakeTimeOfDayClock clock(43200.25f);
             Generator generator;
             std::vector<std::uint32_t> values(count);
             for (auto& value : values) {
                 generator.Reseed(clock);
                 value = generator.NextValue();
             }
             return values;
         }},
    };
}

double ChiSquare(const std::vector<double>& counts) {
    double total = 0.0;
    for (const double count : counts) {
        total += count;
    }
    const double expected = total / static_cast<double>(counts.size());
    double sum = 0.0;
    for (const double count : counts) {
        sum += (count - expected) * (count - expected) / expected;
    }
    return sum;
}

double Correlation(const std::vector<double>& x, const std::vector<double>& y) {
    const auto n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        syy += y[i] * y[i];
        sxy += x[i] * y[i];
    }
    return (n * sxy - sx * sy) / std::sqrt((n * sxx - sx * sx) * (n * syy - sy * sy));
}

TEST(GeneratorBattery, EveryCallPatternDrawsUniformIndependentSymbols) {
    constexpr std::size_t kPairs = std::size_t{729} * 300;
    for (const NamedPattern& pattern : Patterns()) {
        SCOPED_TRACE(pattern.name);
        const std::vector<std::uint32_t> values = pattern.draw(kPairs * 2);

        std::vector<double> symbols(kAlphabetSize);
        std::vector<double> pairs(static_cast<std::size_t>(kAlphabetSize) * kAlphabetSize);
        for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
            const int first = SymbolIndex(values[i]);
            const int second = SymbolIndex(values[i + 1]);
            ++symbols[static_cast<std::size_t>(first)];
            ++symbols[static_cast<std::size_t>(second)];
            ++pairs[(static_cast<std::size_t>(first) * kAlphabetSize) +
                    static_cast<std::size_t>(second)];
        }
        EXPECT_LT(ChiSquare(symbols), kSymbolLimit) << "symbol frequencies";
        EXPECT_LT(ChiSquare(pairs), kPairLimit) << "pair frequencies";

        // Serial correlation of the raw values at lags 1 to 3, and of their top and bottom
        // bits, which a congruential step would show first.
        const double limit = 4.5 / std::sqrt(static_cast<double>(values.size()));
        for (std::size_t lag = 1; lag <= 3; ++lag) {
            std::vector<double> x, y, lowX, lowY;
            for (std::size_t i = 0; i + lag < values.size(); ++i) {
                x.push_back(values[i]);
                y.push_back(values[i + lag]);
                lowX.push_back(values[i] & 0xff);
                lowY.push_back(values[i + lag] & 0xff);
            }
            EXPECT_LT(std::abs(Correlation(x, y)), limit) << "values at lag " << lag;
            EXPECT_LT(std::abs(Correlation(lowX, lowY)), limit) << "low bits at lag " << lag;
        }
        // Every bit of the value is set about half the time.
        for (int bit = 0; bit < 24; ++bit) {
            std::size_t set = 0;
            for (const std::uint32_t value : values) {
                set += (value >> bit) & 1U;
            }
            const double share = static_cast<double>(set) / static_cast<double>(values.size());
            EXPECT_NEAR(share, 0.5, 0.005) << "bit " << bit;
        }
    }
}

TEST(GeneratorBattery, EverySeedKindTurnsOverTheWholeState) {
    // From one state, two different seeds must leave states that differ in every bit about half
    // the time: no part of the state runs on untouched by the seed.
    const auto shares = [](const std::function<void(Generator&, std::uint64_t)>& reseed) {
        std::array<int, 64> flips{};
        constexpr int kTrials = 20000;
        Generator source(12345);
        for (int t = 0; t < kTrials; ++t) {
            const std::uint64_t state = source.State();
            const std::uint64_t seeds =
                (static_cast<std::uint64_t>(source.NextValue()) << 24) | source.NextValue();
            Generator a(state);
            Generator b(state);
            reseed(a, seeds & 0xffffff);
            reseed(b, seeds >> 24);
            const std::uint64_t difference = a.State() ^ b.State();
            for (std::size_t bit = 0; bit < 64; ++bit) {
                flips[bit] += static_cast<int>((difference >> bit) & 1U);
            }
        }
        std::array<double, 64> result{};
        for (std::size_t bit = 0; bit < 64; ++bit) {
            result[bit] = flips[bit] / double(kTrials);
        }
        return result;
    };
    const auto whole = shares(
        [](Generator& g, std::uint64_t seed) { g.ReseedWhole(static_cast<std::int64_t>(seed)); });
    const auto clock = shares([](Generator& g, std::uint64_t seed) {
        g.Reseed(43200.0 + static_cast<double>(seed) / 128.0 + 1.0 / 256.0);
    });
    for (std::size_t bit = 0; bit < 64; ++bit) {
        // The lowest bits of a sum follow the seeds' own lowest bits; from bit 1 up they mix.
        EXPECT_NEAR(whole[bit], 0.5, bit == 0 ? 0.5 : 0.03) << "whole-number seed, bit " << bit;
        EXPECT_NEAR(clock[bit], 0.5, 0.03) << "clock seed, bit " << bit;
    }
}

TEST(GeneratorBattery, TheSchemeThreeChainNeitherMergesNorCyclesSoon) {
    // One link: take the value and reseed with it, then draw.
    const auto link = [](std::uint64_t state) {
        return Generator::Step(Generator::NextThenReseedWithIt(state));
    };
    // Chains started side by side from neighbouring states stay apart.
    constexpr std::size_t kChains = 1 << 14;
    std::vector<std::uint64_t> states(kChains);
    for (std::size_t i = 0; i < kChains; ++i) {
        states[i] = Generator::kInitialState + i;
    }
    for (int step = 0; step < 4096; ++step) {
        for (auto& state : states) {
            state = link(state);
        }
    }
    std::sort(states.begin(), states.end());
    EXPECT_EQ(std::adjacent_find(states.begin(), states.end()), states.end()) << "chains merged";

    // No cycle within 2^25 links from a few starting points (Brent's method).
    for (const std::uint64_t start :
         {std::uint64_t{0}, std::uint64_t{1}, Generator::kInitialState}) {
        std::uint64_t tortoise = start;
        std::uint64_t hare = link(start);
        std::uint64_t power = 1;
        std::uint64_t length = 1;
        std::uint64_t steps = 0;
        while (tortoise != hare && steps < (std::uint64_t{1} << 25)) {
            if (power == length) {
                tortoise = hare;
                power *= 2;
                length = 0;
            }
            hare = link(hare);
            ++length;
            ++steps;
        }
        EXPECT_NE(tortoise, hare) << "a cycle of " << length << " links from " << start;
    }
}

} // namespace
} // namespace quarrow
