#include "analysis/distribution_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quarrow::analysis {
namespace {

EvolveRecord Record(bool finished, std::int64_t generations) {
    EvolveRecord record;
    record.finished = finished;
    record.generations = generations;
    record.strings = generations * 20 + 1;
    return record;
}

TEST(DistributionDataTest, ChartHoldsEachSchemesFinishedRunsInRunOrder) {
    EvolveBatch batch;
    batch.phrase = "CAT";
    batch.schemes = {Scheme::Sequential, Scheme::Attenuating};
    batch.runs = 3;
    // A cancelled batch: the sequential scheme's run 1 and the attenuating run 2 never ended.
    const std::vector<std::vector<EvolveRecord>> records = {
        {Record(true, 7), Record(false, 99), Record(true, 3)},
        {Record(true, 12), Record(true, 5), Record(false, 0)}};
    EXPECT_EQ(RunsFinished(records), 4);

    const DistributionData data = DistributionOfBatch(batch, records, true, "seed 9");
    EXPECT_EQ(data.phrase, "CAT");
    EXPECT_EQ(data.runsRequested, 3);
    EXPECT_TRUE(data.interrupted);
    EXPECT_EQ(data.seedText, "seed 9");
    ASSERT_EQ(data.schemes.size(), 2U);
    EXPECT_EQ(data.schemes[0].scheme, Scheme::Sequential);
    EXPECT_EQ(data.schemes[0].generations, (std::vector<std::int64_t>{7, 3}));
    EXPECT_EQ(data.schemes[0].strings, (std::vector<std::int64_t>{141, 61}));
    EXPECT_EQ(data.schemes[1].scheme, Scheme::Attenuating);
    EXPECT_EQ(data.schemes[1].generations, (std::vector<std::int64_t>{12, 5}));
}

} // namespace
} // namespace quarrow::analysis
