#include "engine/generation_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quarrow {
namespace {

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
    ASSERT_TRUE(sink.Close());
    EXPECT_EQ(ReadFile(path), "A\xC3\xA9Z  1\r\n");
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

} // namespace
} // namespace quarrow
