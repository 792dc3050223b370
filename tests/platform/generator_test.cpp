#include "platform/generator.h"

#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <vector>

namespace quarrow {
namespace {

std::vector<float> Take(Generator& generator, int count) {
    std::vector<float> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        values.push_back(generator.Next());
    }
    return values;
}

TEST(Generator, ValuesStayInTheHalfOpenUnitInterval) {
    Generator generator;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = generator.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(Generator, TheDocumentedInitialStateRepeatsItsSequence) {
    Generator a;
    Generator b(Generator::kInitialState);
    EXPECT_EQ(Take(a, 100), Take(b, 100));
}

TEST(Generator, AnEqualSeedNeverRepeatsOrCancelsTheEarlierSequence) {
    // The schemes reseed with the same count twice in a row at every generation, and the trial
    // reseeds with one clock reading many times: each reseed must lead somewhere new.
    Generator generator;
    std::set<std::uint64_t> states{generator.State()};
    std::set<float> firstValues;
    for (int i = 0; i < 1000; ++i) {
        generator.Reseed(0.0);
        EXPECT_TRUE(states.insert(generator.State()).second) << "state repeated at reseed " << i;
        Generator peek = generator;
        firstValues.insert(peek.Next());
    }
    EXPECT_GT(firstValues.size(), 990U);

    Generator twice;
    const std::uint64_t before = twice.State();
    twice.Reseed(7.0);
    twice.Reseed(7.0);
    EXPECT_NE(twice.State(), before);
}

TEST(Generator, EqualClockReadingsGiveDifferentDraws) {
    testing::FakeTimeOfDayClock clock(43200.5f);
    Generator generator;
    std::set<float> draws;
    for (int i = 0; i < 200; ++i) {
        generator.Reseed(clock);
        draws.insert(generator.Next());
    }
    EXPECT_GT(draws.size(), 195U);
}

TEST(Generator, ReseedDependsOnTheSeedAndOnTheState) {
    Generator a;
    Generator b;
    a.Reseed(1.0);
    b.Reseed(2.0);
    EXPECT_NE(a.State(), b.State());

    Generator c(1);
    Generator d(2);
    c.Reseed(5.0);
    d.Reseed(5.0);
    EXPECT_NE(c.State(), d.State());

    Generator plusZero;
    Generator minusZero;
    plusZero.Reseed(0.0);
    minusZero.Reseed(-0.0);
    EXPECT_EQ(plusZero.State(), minusZero.State());
}

TEST(Generator, ReseedWithProductsKeepsValuesUniform) {
    // The schemes reseed with j * s before every draw; those draws must still be uniform.
    Generator generator;
    std::array<int, 10> buckets{};
    const int draws = 200'000;
    for (int s = 1; s <= draws / 20; ++s) {
        for (int j = 1; j <= 20; ++j) {
            generator.Reseed(static_cast<double>(j) * s);
            ++buckets[static_cast<std::size_t>(generator.Next() * 10)];
        }
    }
    double chiSquare = 0.0;
    const double expected = draws / 10.0;
    for (const int count : buckets) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 27.88); // 9 degrees of freedom, p = 0.001
}

} // namespace
} // namespace quarrow

namespace quarrow {
namespace {

TEST(Generator, TheIntegerPathIsTheFloatInterfaceExactly) {
    // Values, value seeds and whole-number seeds taken as integers give the same states as the
    // float interface with the same numbers; the chain of scheme 3 is the same as its steps.
    Generator floats(99);
    Generator integers(99);
    for (int i = 0; i < 1000; ++i) {
        const float value = floats.Next();
        const std::uint32_t whole = integers.NextValue();
        ASSERT_EQ(value, static_cast<float>(whole) * 0x1.0p-24f);
        floats.Reseed(static_cast<double>(value));
        integers.ReseedWithValue(whole);
        floats.Reseed(static_cast<double>(i) * 3.0);
        integers.ReseedWhole(std::int64_t{i} * 3);
        ASSERT_EQ(floats.State(), integers.State()) << "after round " << i;
    }

    Generator stepwise(7);
    ValueChain chain(stepwise);
    for (int i = 0; i < 100; ++i) {
        stepwise.Reseed(static_cast<double>(stepwise.Next()));
        if (i % 5 == 0) {
            chain.Churn();
            continue;
        }
        ASSERT_EQ(chain.ChurnAndDraw(), stepwise.NextValue());
    }
    EXPECT_EQ(chain.State(), stepwise.State());
}

} // namespace
} // namespace quarrow
