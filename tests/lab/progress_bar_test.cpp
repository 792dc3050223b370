#include "lab/progress_bar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace quarrow::lab {
namespace {

TEST(ProgressBarTest, LinesShowTheShareDoneAndTheTimeLeft) {
    struct Row {
        std::int64_t done;
        std::int64_t total;
        double elapsed;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {0, 200, 12.0, "[..........] 0/200 runs   0%  0:12 elapsed"},
        // 50 runs in 10 s: the other 150 take 30 s at that pace.
        {50, 200, 10.0, "[##........] 50/200 runs  25%  0:30 left"},
        {1, 3, 4000.0, "[###.......] 1/3 runs  33%  2:13:20 left"},
        {200, 200, 40.0, "[##########] 200/200 runs 100%  done"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(RenderProgress(row.done, row.total, row.elapsed, "runs", 10), row.expected);
    }
}

TEST(ProgressBarTest, StaysQuietWhenNotOnATerminal) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    {
        ProgressBar bar(file, 10, "runs", SystemMonotonic());
        EXPECT_FALSE(bar.Shown());
        bar.Update(5);
    }
    EXPECT_EQ(std::ftell(file), 0L);
    std::fclose(file);
}

} // namespace
} // namespace quarrow::lab
