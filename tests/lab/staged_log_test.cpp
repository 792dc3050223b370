#include "lab/staged_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quarrow::lab {
namespace {

namespace fs = std::filesystem;

class StagedLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("quarrow_lab_staged_" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

TEST_F(StagedLogTest, TheLogAppearsOnlyWhenCommitted) {
    const fs::path path = folder / "hold.txt";
    StagedLog log(path.string());
    ASSERT_TRUE(log.Prepare()) << log.Error();
    ASSERT_TRUE(log.Sink().Open());
    ASSERT_TRUE(log.Sink().WriteLine("CAT   3"));
    EXPECT_FALSE(fs::exists(path));
    ASSERT_TRUE(log.Commit()) << log.Error();
    EXPECT_EQ(Read(path), "CAT   3\r\n");
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(StagedLogTest, ADiscardedLogLeavesTheEarlierOneAndNoLeftovers) {
    const fs::path path = folder / "hold.txt";
    std::ofstream(path) << "earlier";
    {
        StagedLog log(path.string());
        ASSERT_TRUE(log.Prepare());
        ASSERT_TRUE(log.Sink().Open());
        ASSERT_TRUE(log.Sink().WriteLine("half a run"));
        // Dropped without a commit, as when a run is interrupted.
    }
    EXPECT_EQ(Read(path), "earlier");
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(StagedLogTest, PlacesThatCannotHoldALogAreRefusedBeforeTheRun) {
    StagedLog missingFolder((folder / "no such folder" / "hold.txt").string());
    EXPECT_FALSE(missingFolder.Prepare());
    EXPECT_NE(missingFolder.Error().find("No such file or directory"), std::string::npos)
        << missingFolder.Error();

    StagedLog aFolder(folder.string());
    EXPECT_FALSE(aFolder.Prepare());
    EXPECT_NE(aFolder.Error().find("folder"), std::string::npos) << aFolder.Error();

    StagedLog noName("");
    EXPECT_FALSE(noName.Prepare());
    EXPECT_EQ(FilesInFolder(), 0U);
}

} // namespace
} // namespace quarrow::lab
