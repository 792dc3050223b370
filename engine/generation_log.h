#pragma once

#include "platform/interface.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quarrow {

/// Where a selection run writes its generation log: one line per generation and a final line.
///
/// A run calls `Open` once, `WriteLine` for every line and `Close` once, all on the run's own
/// thread. Lines are handed over without their line end; every sink ends each line with CR LF.
/// A false return means the log can no longer be written: the run stops, calls `Close` and
/// reports `Error()`. A sink is reusable: `Open` starts a new, empty log.
class LogSink : public Interface {
public:
    /// Starts an empty log, replacing an earlier one; false if it cannot be created.
    virtual bool Open() = 0;
    /// Appends one line and its CR LF; false once the log cannot be written.
    virtual bool WriteLine(std::string_view line) = 0;
    /// Writes out whatever is still buffered and closes; false if that fails. Safe to call
    /// when the log is not open.
    virtual bool Close() = 0;
    /// Why the last failed call failed, in words for the user (empty when nothing failed).
    virtual std::string Error() const = 0;
    /// Bytes of the log since `Open`, line ends included: those written and those buffered to
    /// be, until a write fails; from then on only those that reached the log.
    virtual std::uint64_t Size() const = 0;
};

/// A log that keeps nothing: for batch runs that only want the counts.
class NullLogSink final : public LogSink {
public:
    bool Open() override { return true; }
    bool WriteLine(std::string_view) override { return true; }
    bool Close() override { return true; }
    std::string Error() const override { return {}; }
    std::uint64_t Size() const override { return 0; }
};

/// The generation log as a file, written through a large buffer: a run writes a line per
/// generation, tens of millions of them, so nothing is flushed per line.
///
/// The engine's strings hold one byte per position (Latin-1); bytes of 128 and above are
/// written as their UTF-8 sequence, so the file is plain UTF-8 text for any editor. The folder
/// must exist. Any earlier file of that name is emptied on `Open`.
///
/// The buffer only ever holds whole lines, and when a write fails (a full disk, a file size
/// limit) the file is cut back to the end of the last line that reached it whole, so a failed
/// log still ends with a complete line.
class FileLogSink final : public LogSink {
public:
    static constexpr std::size_t kDefaultBufferSize = std::size_t{1} << 20;

    /// `shownName`, when given, is the name `Error` gives the file in place of `path` (a file
    /// reached through a descriptor's path is named as the user named it).
    explicit FileLogSink(std::string path, std::size_t bufferSize = kDefaultBufferSize,
                         std::string shownName = {});
    ~FileLogSink() override;

    bool Open() override;
    bool WriteLine(std::string_view line) override;
    bool Close() override;
    std::string Error() const override { return error_; }
    std::uint64_t Size() const override { return completeBytes_ + used_; }

    const std::string& Path() const { return path_; }

private:
    bool Flush();
    void Fail(const char* action, int errorNumber);
    // Cuts the file back to the last line end among its first `reached` bytes.
    void DropPartialLine(std::size_t reached);

    std::string path_;
    std::string shownName_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    // Bytes of the file that are known to hold whole lines.
    std::size_t completeBytes_ = 0;
    int descriptor_ = -1;
    bool failed_ = false;
    std::string error_;
};

} // namespace quarrow
