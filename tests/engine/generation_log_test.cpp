#include "engine/generation_log.h"

#include "engine/selection.h"
#include "platform/generator.h"
#include "tests/support/fakes.h"
#include "tests/support/small_filesystem.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quarrow {
namespace {

using testing::FullDiskFolder;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileLogSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("quarrow-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        path = folder / "hold.txt";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::filesystem::path path;
};

TEST_F(FileLogSinkTest, WritesEveryLineWithCrLfAndEmptiesTheFileOnOpen) {
    { std::ofstream(path) << "an older run\n"; }
    // A tiny buffer makes the lines cross it many times, and one line outgrows it.
    FileLogSink sink(path.string(), 64);
    ASSERT_TRUE(sink.Open());
    std::string expected;
    for (int i = 0; i < 200; ++i) {
        const std::string line = "CQT  " + std::to_string(i);
        ASSERT_TRUE(sink.WriteLine(line));
        expected += line + "\r\n";
    }
    const std::string longLine(1000, 'Z');
    ASSERT_TRUE(sink.WriteLine(longLine));
    ASSERT_TRUE(sink.WriteLine(""));
    expected += longLine + "\r\n\r\n";
    ASSERT_TRUE(sink.Close());
    EXPECT_EQ(ReadFile(path), expected);

    // The sink starts afresh on the next run.
    ASSERT_TRUE(sink.Open());
    ASSERT_TRUE(sink.WriteLine("CAT   3"));
    ASSERT_TRUE(sink.Close());
    EXPECT_EQ(ReadFile(path), "CAT   3\r\n");
}

TEST_F(FileLogSinkTest, WritesLatin1LettersAsUtf8) {
    FileLogSink sink(path.string());
    ASSERT_TRUE(sink.Open());
    ASSERT_TRUE(sink.WriteLine("A\xE9Z  1"));
    // Its size is that of the file it makes, buffered or written.
    EXPECT_EQ(sink.Size(), 9U);
    ASSERT_TRUE(sink.Close());
    EXPECT_EQ(ReadFile(path), "A\xC3\xA9Z  1\r\n");
    EXPECT_EQ(sink.Size(), 9U);
}

TEST_F(FileLogSinkTest, ReportsWhyTheFileCannotBeCreatedOrWritten) {
    FileLogSink missing((folder / "no-such-folder" / "hold.txt").string());
    EXPECT_FALSE(missing.Open());
    EXPECT_NE(missing.Error().find("no-such-folder/hold.txt"), std::string::npos);
    EXPECT_NE(missing.Error().find("No such file"), std::string::npos) << missing.Error();
    EXPECT_FALSE(missing.WriteLine("X"));

    // A full device fails as soon as the buffer is written out: mid-run or on closing.
    FileLogSink full("/dev/full", 64);
    ASSERT_TRUE(full.Open());
    bool failed = false;
    for (int i = 0; i < 100 && !failed; ++i) {
        failed = !full.WriteLine("ABCDEFGHIJ  3");
    }
    EXPECT_TRUE(failed);
    EXPECT_FALSE(full.Close());
    EXPECT_NE(full.Error().find("No space left"), std::string::npos) << full.Error();

    FileLogSink fullAtClose("/dev/full");
    ASSERT_TRUE(fullAtClose.Open());
    ASSERT_TRUE(fullAtClose.WriteLine("CAT   3"));
    EXPECT_FALSE(fullAtClose.Close());
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "the file ends inside a line";
    return lines;
}

constexpr std::size_t kDiskBytes = std::size_t{16} * 1024;

TEST_F(FileLogSinkTest, AFullDiskLeavesOnlyWholeLines) {
    // Buffers of several sizes end their writes at different places in a line; a line longer
    // than the whole disk leaves nothing at all.
    struct Case {
        std::size_t buffer;
        std::size_t lineLength;
    };
    for (const Case c : {Case{64, 37}, Case{1000, 37}, Case{5000, 313}, Case{1 << 20, 100'000}}) {
        SCOPED_TRACE(c.lineLength);
        const testing::FullDiskFolder disk(folder / "small", kDiskBytes);
        const std::filesystem::path file = disk.File("hold.txt");
        FileLogSink sink(file.string(), c.buffer);
        ASSERT_TRUE(sink.Open());
        std::vector<std::string> written;
        bool failed = false;
        for (int i = 0; i < 1000 && !failed; ++i) {
            std::string line(c.lineLength, static_cast<char>('A' + i % 26));
            line += "  " + std::to_string(i);
            written.push_back(line);
            failed = !sink.WriteLine(line);
        }
        failed = !sink.Close() || failed;
        EXPECT_TRUE(failed) << "the disk never filled";
        EXPECT_FALSE(sink.Error().empty());

        // Its size is what reached the file, not what was handed to it.
        EXPECT_EQ(sink.Size(), std::filesystem::file_size(file));
        const std::vector<std::string> kept = LinesOf(ReadFile(file));
        ASSERT_LT(kept.size(), written.size());
        for (std::size_t i = 0; i < kept.size(); ++i) {
            ASSERT_EQ(kept[i], written[i]) << "line " << i;
        }
        if (c.lineLength < 1000) {
            EXPECT_GT(kept.size(), 0U);
        }
    }
}

TEST_F(FileLogSinkTest, ARunWhoseDiskFillsFailsAndItsLogEndsWithAWholeLine) {
    const testing::FullDiskFolder disk(folder / "small", kDiskBytes);
    const std::filesystem::path file = disk.File("hold.txt");
    FileLogSink log(file.string(), 4096);
    Generator generator;
    generator.Reseed(7.0);
    testing::FakeMonotonicClock clock(0.0, 0.001);
    const std::atomic<bool> cancel{false};
    const std::string target(500, 'Q');
    const RunResult result =
        RunScheme(Scheme::Serial, target, std::string(500, ' '), {generator, clock, log, cancel});

    EXPECT_EQ(result.outcome, RunOutcome::LogFailed);
    EXPECT_NE(result.logError.find(file.string()), std::string::npos) << result.logError;
    const std::vector<std::string> lines = LinesOf(ReadFile(file));
    ASSERT_FALSE(lines.empty());
    // Each kept line is a whole generation line: 500 letters, the separator, a count.
    for (const std::string& line : lines) {
        ASSERT_GE(line.size(), 504U);
        EXPECT_EQ(line.substr(0, 500).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ "),
                  std::string::npos);
        EXPECT_EQ(line.substr(500, 3), "   ");
        EXPECT_EQ(line.find_first_not_of("0123456789", 503), std::string::npos) << line;
    }
    EXPECT_NE(lines.back().substr(0, 500), target) << "no final line was claimed";
}

} // namespace
} // namespace quarrow
