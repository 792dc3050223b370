#include "web/bindings/web_log_sink.h"

#include "web/bindings/web_hooks.h"

namespace quarrow::web {

bool WebLogSink::Open() {
    buffer_.clear();
    buffer_.reserve(kBufferSize);
    completeBytes_ = 0;
    failed_ = false;
    error_.clear();
    if (const StorageFault fault = LogBegin(); fault != StorageFault::None) {
        return Fail("cannot be created", static_cast<int>(fault));
    }
    open_ = true;
    return true;
}

bool WebLogSink::WriteLine(std::string_view line) {
    if (failed_ || !open_) {
        return false;
    }
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80U) {
            buffer_ += c;
        } else {
            buffer_ += static_cast<char>(0xC0U | (byte >> 6));
            buffer_ += static_cast<char>(0x80U | (byte & 0x3FU));
        }
    }
    buffer_ += "\r\n";
    return buffer_.size() < kBufferSize || Flush();
}

bool WebLogSink::Flush() {
    if (failed_ || !open_) {
        return !failed_;
    }
    if (buffer_.empty()) {
        return true;
    }
    std::size_t written = 0;
    if (const StorageFault fault = LogAppend(buffer_.data(), buffer_.size(), written);
        fault != StorageFault::None) {
        // The storage may hold part of the lines: the file goes back to the end of the last line
        // that reached it whole.
        const std::size_t lineEnd = buffer_.rfind('\n', written == 0 ? 0 : written - 1);
        const std::size_t kept = lineEnd == std::string::npos || written == 0 ? 0 : lineEnd + 1;
        (void)LogCut(completeBytes_ + kept);
        completeBytes_ += kept;
        return Fail("cannot be written", static_cast<int>(fault));
    }
    completeBytes_ += buffer_.size();
    buffer_.clear();
    return true;
}

bool WebLogSink::Close() {
    if (!open_) {
        return !failed_;
    }
    const bool flushed = Flush();
    open_ = false;
    if (const StorageFault fault = LogEnd(); fault != StorageFault::None && !failed_) {
        return Fail("cannot be closed", static_cast<int>(fault));
    }
    return flushed && !failed_;
}

bool WebLogSink::Fail(const char* action, int fault) {
    failed_ = true;
    buffer_.clear();
    error_ = std::string("The file ") + kShownName + " " + action + ": " +
             (fault == static_cast<int>(StorageFault::Full)
                  ? "the storage this browser gives the page is full"
                  : "the browser refused to write it");
    return false;
}

} // namespace quarrow::web
