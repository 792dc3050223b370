#include "lab/progress_bar.h"

#include "tests/support/fakes.h"

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
    // A time left the caller knows wins over the pace of the runs so far.
    EXPECT_EQ(RenderProgress(150, 200, 8.0, "runs", 10, 1100.0),
              "[#######...] 150/200 runs  75%  18:20 left");
    EXPECT_EQ(RenderProgress(0, 200, 8.0, "runs", 10, 1e300 * 1e300),
              "[..........] 0/200 runs   0%  no end in sight");
}

TEST(ProgressBarTest, OffATerminalALineEveryTenSeconds) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    testing::FakeMonotonicClock clock(100.0);
    {
        ProgressBar bar(file, 10, "runs", clock);
        EXPECT_FALSE(bar.Shown());
        clock.Set(109.0);
        bar.Update(5);
        // A batch that ends within ten seconds leaves nothing behind.
        EXPECT_EQ(std::ftell(file), 0L);
        clock.Set(110.5);
        bar.Update(6, 30.0);
        clock.Set(115.0);
        bar.Update(7);
        clock.Set(121.0);
        bar.Update(8, 12.0);
        clock.Set(140.0);
        bar.Update(10);
    }
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    EXPECT_EQ(text, "[##################............] 6/10 runs  60%  0:30 left\n"
                    "[########################......] 8/10 runs  80%  0:12 left\n");
}

} // namespace
} // namespace quarrow::lab
