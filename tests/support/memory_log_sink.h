#pragma once

#include "engine/generation_log.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarrow {

/// A log held in memory, CR LF included; tests read its bytes and how it was used.
class MemoryLogSink final : public LogSink {
public:
    bool Open() override {
        text_.clear();
        lines_ = 0;
        open_ = true;
        ++opens_;
        return true;
    }
    bool WriteLine(std::string_view line) override {
        text_.append(line);
        text_.append("\r\n");
        ++lines_;
        return true;
    }
    bool Close() override {
        open_ = false;
        return true;
    }
    std::string Error() const override { return {}; }
    std::uint64_t Size() const override { return text_.size(); }

    /// Every byte written since the last `Open`.
    const std::string& Text() const { return text_; }
    /// Lines written since the last `Open`.
    std::size_t LineCount() const { return lines_; }
    /// Whether the log is open (between `Open` and `Close`).
    bool IsOpen() const { return open_; }
    /// How many times `Open` was called.
    int OpenCount() const { return opens_; }

private:
    std::string text_;
    std::size_t lines_ = 0;
    bool open_ = false;
    int opens_ = 0;
};

} // namespace quarrow
