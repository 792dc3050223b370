#include "analysis/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarrow::analysis {
namespace {

TEST(StatisticsTest, PercentilesInterpolateBetweenNeighbours) {
    struct Row {
        std::vector<double> values;
        double p;
        double expected;
    };
    const std::vector<Row> rows = {
        {{5.0}, 0.5, 5.0},
        {{1.0, 2.0}, 0.5, 1.5}, // an even count: the middle pair's mean
        {{1.0, 2.0, 3.0, 4.0, 5.0}, 0.5, 3.0},
        {{1.0, 2.0, 3.0, 4.0, 5.0}, 0.1, 1.4},
        {{1.0, 2.0, 3.0, 4.0, 5.0}, 0.9, 4.6},
        {{1.0, 2.0, 3.0, 4.0, 5.0}, 0.0, 1.0},
        {{1.0, 2.0, 3.0, 4.0, 5.0}, 1.0, 5.0},
        {{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 0.1, 10.0},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(Percentile(row.values, row.p), row.expected)
            << "p = " << row.p << " of " << row.values.size() << " values";
    }
}

TEST(StatisticsTest, SummaryOfUnsortedValues) {
    const auto summary = Summarise({9.0, 1.0, 5.0, 3.0, 7.0});
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->count, 5U);
    EXPECT_DOUBLE_EQ(summary->mean, 5.0);
    EXPECT_DOUBLE_EQ(summary->median, 5.0);
    EXPECT_DOUBLE_EQ(summary->min, 1.0);
    EXPECT_DOUBLE_EQ(summary->max, 9.0);
    EXPECT_DOUBLE_EQ(summary->percentile10, 1.8);
    EXPECT_DOUBLE_EQ(summary->percentile90, 8.2);
    // Sample deviation: squares 16 + 4 + 0 + 4 + 16 over 4.
    EXPECT_DOUBLE_EQ(summary->standardDeviation.value(), std::sqrt(10.0));
    EXPECT_DOUBLE_EQ(summary->StandardError().value(), std::sqrt(10.0) / std::sqrt(5.0));
}

TEST(StatisticsTest, LargeCloseValuesKeepTheirSpread) {
    // String counts of long runs: a naive sum of squares would lose the spread entirely.
    const double base = 1e12;
    const auto summary = Summarise({base + 1, base + 2, base + 3});
    ASSERT_TRUE(summary.has_value());
    EXPECT_DOUBLE_EQ(summary->mean, base + 2);
    EXPECT_NEAR(summary->standardDeviation.value(), 1.0, 1e-6);
}

TEST(StatisticsTest, EmptyAndSingleBatches) {
    EXPECT_FALSE(Summarise({}).has_value());
    const auto one = Summarise({42.0});
    ASSERT_TRUE(one.has_value());
    // One value has no spread to measure: undefined, not 0.
    EXPECT_FALSE(one->standardDeviation.has_value());
    EXPECT_FALSE(one->StandardError().has_value());
    EXPECT_DOUBLE_EQ(one->percentile10, 42.0);
    EXPECT_DOUBLE_EQ(one->percentile90, 42.0);
}

} // namespace
} // namespace quarrow::analysis
