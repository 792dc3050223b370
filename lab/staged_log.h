#pragma once

#include <memory>
#include <string>

#include "engine/generation_log.h"

namespace quarrow::lab {

/// A generation log that appears under its name only when complete.
///
/// The run writes to a hidden file in the same folder, which `Commit` renames into place in one
/// step; a failed or interrupted run's file is removed, so no half-written log is ever left,
/// and an earlier log of that name stays as it was.
class StagedLog {
public:
    explicit StagedLog(std::string path);
    /// Removes the hidden file unless it was committed.
    ~StagedLog();
    StagedLog(const StagedLog&) = delete;
    StagedLog& operator=(const StagedLog&) = delete;

    /// Checks that the log can be written there by creating the hidden file; false, with
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

private:
    std::string path_;
    std::string stagingPath_;
    std::unique_ptr<FileLogSink> sink_;
    bool staged_ = false;
    std::string error_;
};

} // namespace quarrow::lab
