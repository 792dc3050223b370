#include "lab/staged_log.h"

#include "tests/support/small_filesystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

bool WriteLog(StagedLog& log, const std::string& line) {
    return log.Prepare() && log.Sink().Open() && log.Sink().WriteLine(line) && log.Commit();
}

TEST_F(StagedLogTest, ReplacingKeepsWhatTheNameStandsFor) {
    const fs::path file = folder / "real.txt";
    std::ofstream(file) << "earlier";
    chmod(file.c_str(), 0600);
    const fs::path link = folder / "link.txt";
    fs::create_symlink("real.txt", link);
    const fs::path hard = folder / "hard.txt";
    fs::create_hard_link(file, hard);

    StagedLog throughLink(link.string());
    ASSERT_TRUE(WriteLog(throughLink, "ONE")) << throughLink.Error();
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(Read(file), "ONE\r\n");
    EXPECT_EQ(Read(hard), "earlier") << "another hard link keeps the earlier file";
    EXPECT_EQ(fs::hard_link_count(file), 1U);
    struct stat status {};
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600U);

    // A file of one link is replaced whole, and keeps its mode too.
    fs::remove(hard);
    chmod(file.c_str(), 0640);
    StagedLog direct(file.string());
    ASSERT_TRUE(WriteLog(direct, "TWO")) << direct.Error();
    EXPECT_EQ(Read(file), "TWO\r\n");
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640U);
    EXPECT_EQ(FilesInFolder(), 2U);

    // A new file gets the mode any new file of the user gets.
    const mode_t mask = umask(022);
    StagedLog fresh((folder / "new.txt").string());
    ASSERT_TRUE(WriteLog(fresh, "NEW")) << fresh.Error();
    umask(mask);
    ASSERT_EQ(stat((folder / "new.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644U);
}

TEST_F(StagedLogTest, AnAdministratorKeepsTheOwnerOfTheFileReplaced) {
    const fs::path file = folder / "theirs.txt";
    std::ofstream(file) << "earlier";
    if (geteuid() != 0 || chown(file.c_str(), 4242, 4343) != 0) {
        GTEST_SKIP() << "needs an administrator";
    }
    StagedLog log(file.string());
    ASSERT_TRUE(WriteLog(log, "MINE")) << log.Error();
    struct stat status {};
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 4242U);
    EXPECT_EQ(status.st_gid, 4343U);
}

TEST_F(StagedLogTest, AReadOnlyFileIsRefusedAndLeftAlone) {
    const fs::path file = folder / "kept.txt";
    std::ofstream(file) << "keep me";
    chmod(file.c_str(), 0444);
    StagedLog log(file.string());
    EXPECT_FALSE(log.Prepare());
    EXPECT_NE(log.Error().find("read-only"), std::string::npos) << log.Error();
    EXPECT_EQ(Read(file), "keep me");
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(StagedLogTest, TheHiddenFileHasAShortRandomNameOfItsOwn) {
    // The longest name a folder takes must still work: the hidden name does not grow with it.
    const fs::path longest = folder / std::string(255, 'L');
    std::set<std::string> hidden;
    for (int i = 0; i < 3; ++i) {
        StagedLog log(longest.string());
        ASSERT_TRUE(log.Prepare()) << log.Error();
        const std::string name = fs::path(log.StagingPath()).filename().string();
        EXPECT_LE(name.size(), 20U) << name;
        EXPECT_EQ(name.front(), '.');
        hidden.insert(name);
        ASSERT_TRUE(log.Sink().Open());
        ASSERT_TRUE(log.Sink().WriteLine("LONG"));
        ASSERT_TRUE(log.Commit()) << log.Error();
    }
    EXPECT_EQ(hidden.size(), 3U) << "a name that can be guessed can be planted";
    EXPECT_EQ(Read(longest), "LONG\r\n");
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(StagedLogTest, APipeIsWrittenDirectlyAndStaysAPipe) {
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Read(pipe); });
    StagedLog log(pipe.string());
    const bool written = WriteLog(log, "PIPED");
    reader.join();
    EXPECT_TRUE(written) << log.Error();
    EXPECT_EQ(received, "PIPED\r\n");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(StagedLogTest, ADeviceIsWrittenDirectlyAndStaysADevice) {
    // A null device of the test's own, which only an administrator may make.
    const fs::path device = folder / "null";
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "cannot make a device node here";
    }
    StagedLog log(device.string());
    ASSERT_TRUE(WriteLog(log, "GONE")) << log.Error();
    EXPECT_EQ(fs::status(device).type(), fs::file_type::character);
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(StagedLogTest, AFullDiskLeavesTheEarlierLogUnderEveryName) {
    quarrow::testing::SmallFilesystem disk(std::size_t{256} * 1024, "staged");
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const fs::path path = disk.Folder() / "hold.txt";
    const fs::path other = disk.Folder() / "other name.txt";
    const std::string earlier(40000, 'E');
    std::ofstream(path, std::ios::binary) << earlier;
    fs::create_hard_link(path, other);
    const std::string line(99, 'N');

    // Room for the new log once but not twice: staged, then copied over the linked file, it
    // would run out half way through the copy.
    disk.Fill(std::size_t{100} * 1024);
    StagedLog fits(path.string());
    ASSERT_TRUE(fits.Prepare()) << fits.Error();
    ASSERT_TRUE(fits.Sink().Open());
    for (int i = 0; i < 800; ++i) {
        ASSERT_TRUE(fits.Sink().WriteLine(line));
    }
    ASSERT_TRUE(fits.Commit()) << fits.Error();
    EXPECT_EQ(fs::file_size(path), 800U * 101U);
    EXPECT_EQ(Read(other), earlier);

    // No room at all: the run's log fails, and both names keep what they held.
    fs::create_hard_link(other, disk.Folder() / "third.txt");
    fs::remove(disk.Folder() / "filler");
    disk.Fill(0);
    StagedLog full(other.string());
    ASSERT_TRUE(full.Prepare()) << full.Error();
    bool written = full.Sink().Open();
    for (int i = 0; written && i < 4000; ++i) {
        written = full.Sink().WriteLine(line);
    }
    EXPECT_FALSE(written && full.Commit());
    full.Discard();
    EXPECT_EQ(Read(other), earlier);
    EXPECT_EQ(Read(disk.Folder() / "third.txt"), earlier);
}

} // namespace
} // namespace quarrow::lab
