#pragma once

#include "engine/generation_log.h"

#include <memory>
#include <string>

#include <sys/types.h>

namespace quarrow::lab {

/// A generation log that appears under its name only when complete.
///
/// For a new name or a regular file the run writes to a hidden file with a random name in the
/// same folder, created exclusively so nothing planted there can be followed, and `Commit`
/// renames it into place in one step; a failed or interrupted run's file is removed, so no
/// half-written log is ever left, and an earlier log of that name stays as it was. A file
/// replaced this way keeps its permissions (and, where the user may set it, its owner); a
/// symbolic link is followed to the file it names, which is replaced in its own folder; a file
/// with other hard links is replaced the same way, so its other names keep the earlier log.
/// Anything else that can be written, a device or a pipe, is written directly.
class StagedLog {
public:
    explicit StagedLog(std::string path);
    /// Removes the hidden file unless it was committed.
    ~StagedLog();
    StagedLog(const StagedLog&) = delete;
    StagedLog& operator=(const StagedLog&) = delete;

    /// Checks that the log can be written there and creates the hidden file; false, with
    /// `Error`, when it cannot.
    bool Prepare();
    /// Where the run writes; valid after a successful `Prepare`.
    LogSink& Sink();
    /// Moves the finished log to its name; false, with `Error`, when that fails.
    bool Commit();
    /// Removes the hidden file.
    void Discard();

    const std::string& Path() const { return path_; }
    const std::string& Error() const { return error_; }
    /// The hidden file's name while there is one, else empty.
    const std::string& StagingPath() const { return stagingPath_; }

private:
    enum class Way { Rename, Direct };

    bool Fail(const std::string& problem);

    std::string path_;
    /// The file the log goes to: the path with any symbolic links followed.
    std::string target_;
    std::string stagingPath_;
    int stagingDescriptor_ = -1;
    Way way_ = Way::Rename;
    mode_t mode_ = 0;
    bool existed_ = false;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    std::unique_ptr<FileLogSink> sink_;
    bool staged_ = false;
    std::string error_;
};

} // namespace quarrow::lab
