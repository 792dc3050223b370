#include "search/string_rate.h"

#include "search/alphabet.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace quarrow {
namespace {

TEST(StringRate, MakesRealStringsWithoutReseedingForTheWholeWindow) {
    // Readings 0, 0.25, 0.5, 0.75, 1.0: three batches begin inside the one-second window.
    testing::FakeMonotonicClock clock(0.0, 0.25);
    std::atomic<bool> cancel{false};
    Generator generator;
    const std::int64_t count = CountStringsPerSecond(generator, clock, 28, cancel);
    ASSERT_GT(count, 0);
    EXPECT_EQ(count % 3, 0);

    // Exactly one draw per symbol of every counted string, and nothing else.
    Generator reference;
    for (std::int64_t i = 0; i < count * 28; ++i) {
        reference.Next();
    }
    EXPECT_EQ(generator.State(), reference.State());
}

TEST(StringRate, CountsForAboutTheWindowOnTheRealClock) {
    std::atomic<bool> cancel{false};
    Generator generator;
    for (const std::size_t length : {std::size_t{0}, std::size_t{28}, std::size_t{100'000}}) {
        const auto start = std::chrono::steady_clock::now();
        const std::int64_t count =
            CountStringsPerSecond(generator, SystemMonotonic(), length, cancel, 0.05);
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_GE(count, 1) << "length " << length;
        EXPECT_GE(took, 0.05);
        EXPECT_LT(took, 0.5) << "length " << length;
    }
}

TEST(StringRate, StopsAtOnceWhenCancelled) {
    std::atomic<bool> cancel{true};
    Generator generator;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CountStringsPerSecond(generator, SystemMonotonic(), 28, cancel), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

} // namespace
} // namespace quarrow
