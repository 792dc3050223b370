#include "search/blind_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace quarrow::testing {
namespace {

using std::chrono::seconds;

// The lane follows the run's count exactly, a slice at a time, and the same seed makes the same
// strings however the slices fall.
TEST(BlindSearch, CatchesUpToTheCountItIsGivenAndRepeatsForASeed) {
    BlindSearch once("METHINKS IT IS LIKE A WEASEL", 7);
    BlindSearch inSlices("METHINKS IT IS LIKE A WEASEL", 7);
    EXPECT_TRUE(once.CatchUp(5000, seconds(10)));
    for (const std::int64_t strings : {1, 10, 1000, 5000}) {
        EXPECT_TRUE(inSlices.CatchUp(strings, seconds(10)));
        EXPECT_EQ(inSlices.Strings(), strings);
    }
    EXPECT_EQ(once.Best(), inSlices.Best());
    EXPECT_EQ(once.BestRight(), inSlices.BestRight());
    EXPECT_FALSE(once.Found());
    EXPECT_GT(once.Rate(), 0.0);
    // No time at all makes nothing more.
    EXPECT_FALSE(once.CatchUp(6000, std::chrono::nanoseconds(0)));
    EXPECT_EQ(once.Strings(), 5000);
}

TEST(BlindSearch, StopsAtTheStringThatMatchesAShortTarget) {
    BlindSearch search("A", 3);
    EXPECT_TRUE(search.CatchUp(1'000'000, seconds(10)));
    EXPECT_TRUE(search.Found());
    EXPECT_LT(search.Strings(), 1'000'000);
    EXPECT_EQ(search.Best(), "A");
}

TEST(BlindSearch, ItsEndingStatesTheStringsAndTheTimeInTheLearnersNumbers) {
    EXPECT_EQ(BlindStringsText(3), "19,683");
    EXPECT_EQ(BlindStringsText(11), "5.6 × 10¹⁵");
    const BlindSearchEnding untimed = DescribeBlindEnding(11, 0.0);
    EXPECT_EQ(untimed.power, "27¹¹");
    EXPECT_FALSE(untimed.timed);
    // 27^3 strings at 19,683 a second: one second, in the catalogue's unit phrase.
    const BlindSearchEnding second = DescribeBlindEnding(3, 19683.0);
    EXPECT_TRUE(second.timed);
    EXPECT_FALSE(second.inYears);
    EXPECT_NE(std::string(second.phrase), "");
    // Past some 30,000 years, the years as a power of ten.
    const BlindSearchEnding ages = DescribeBlindEnding(28, 1.0e7);
    EXPECT_TRUE(ages.inYears);
    EXPECT_NE(ages.years.find("10"), std::string::npos);
}

} // namespace
} // namespace quarrow::testing
