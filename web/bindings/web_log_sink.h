#pragma once

#include "engine/generation_log.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarrow::web {

/// The generation log in the page's own storage, through the worker's log hooks: the lines as
/// `FileLogSink` writes them (CR LF, Latin-1 bytes of 128 and above as UTF-8), through a buffer
/// that only ever holds whole lines. A failed write cuts the file back to its last whole line,
/// so a log that ran out of room still ends with a complete line.
class WebLogSink final : public LogSink {
public:
    /// The file's name as the user's messages give it.
    static constexpr char kShownName[] = "generation.log";
    static constexpr std::size_t kBufferSize = std::size_t{1} << 16;

    bool Open() override;
    bool WriteLine(std::string_view line) override;
    bool Close() override;
    std::string Error() const override { return error_; }
    std::uint64_t Size() const override { return completeBytes_ + buffer_.size(); }

    /// Hands the buffered lines to the file now; false once the log cannot be written.
    bool Flush();

private:
    bool Fail(const char* action, int fault);

    std::string buffer_;
    std::uint64_t completeBytes_ = 0;
    bool open_ = false;
    bool failed_ = false;
    std::string error_;
};

} // namespace quarrow::web
