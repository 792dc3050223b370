#include "engine/generation_log.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace quarrow {

namespace {
constexpr std::size_t kLineEndSize = 2;
// The longest a line can grow when every byte needs two in UTF-8.
constexpr std::size_t kUtf8Growth = 2;

bool HasHighBit(const char* bytes, std::size_t size) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::uint64_t seen = 0;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        seen |= word;
    }
    for (; i < size; ++i) {
        seen |= static_cast<unsigned char>(bytes[i]);
    }
    return (seen & kHighBits) != 0;
}

} // namespace

FileLogSink::FileLogSink(std::string path, std::size_t bufferSize, std::string shownName)
    : path_(std::move(path)), shownName_(std::move(shownName)),
      buffer_(std::make_unique<char[]>(bufferSize < 64 ? 64 : bufferSize)),
      capacity_(bufferSize < 64 ? 64 : bufferSize) {}

FileLogSink::~FileLogSink() {
    Close();
}

bool FileLogSink::Open() {
    Close();
    failed_ = false;
    error_.clear();
    used_ = 0;
    completeBytes_ = 0;
    descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor_ < 0) {
        Fail("cannot be created", errno);
        return false;
    }
    return true;
}

bool FileLogSink::WriteLine(std::string_view line) {
    if (descriptor_ < 0 || failed_) {
        return false;
    }
    const std::size_t worst = line.size() * kUtf8Growth + kLineEndSize;
    if (capacity_ - used_ < worst) {
        if (!Flush()) {
            return false;
        }
        if (capacity_ < worst) {
            // A line longer than the whole buffer: grow it once, keeping nothing to move.
            capacity_ = worst;
            buffer_ = std::make_unique<char[]>(capacity_);
        }
    }
    char* out = buffer_.get() + used_;
    // Almost every line is pure ASCII: copy it whole, then look for high bits in the copy,
    // eight bytes at a time, and redo the rare line that has one.
    std::memcpy(out, line.data(), line.size());
    if (!HasHighBit(out, line.size())) {
        out += line.size();
    } else {
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80U) {
                *out++ = c;
            } else {
                *out++ = static_cast<char>(0xC0U | (byte >> 6));
                *out++ = static_cast<char>(0x80U | (byte & 0x3FU));
            }
        }
    }
    out[0] = '\r';
    out[1] = '\n';
    used_ = static_cast<std::size_t>(out + kLineEndSize - buffer_.get());
    return true;
}

bool FileLogSink::Close() {
    if (descriptor_ < 0) {
        return !failed_;
    }
    const bool flushed = Flush();
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (flushed && closed != 0) {
        Fail("cannot be closed", errno);
    }
    return !failed_;
}

bool FileLogSink::Flush() {
    if (failed_) {
        return false;
    }
    std::size_t done = 0;
    while (done < used_) {
        const ssize_t written = ::write(descriptor_, buffer_.get() + done, used_ - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int reason = errno;
            DropPartialLine(done);
            Fail("cannot be written", reason);
            return false;
        }
        if (written == 0) {
            DropPartialLine(done);
            Fail("cannot be written", ENOSPC);
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    completeBytes_ += used_;
    used_ = 0;
    return true;
}

void FileLogSink::DropPartialLine(std::size_t reached) {
    // The buffer starts on a line boundary, so whatever follows its last line end among the
    // bytes that reached the file is the start of a line that never will be finished.
    std::size_t whole = reached;
    while (whole > 0 && buffer_[whole - 1] != '\n') {
        --whole;
    }
    completeBytes_ += whole;
    if (whole < reached && ::ftruncate(descriptor_, static_cast<off_t>(completeBytes_)) != 0) {
        // A file that cannot be cut back (a device, a pipe) keeps what it has; the run reports
        // the write failure all the same.
    }
}

void FileLogSink::Fail(const char* action, int errorNumber) {
    failed_ = true;
    used_ = 0;
    error_ = "The file " + (shownName_.empty() ? path_ : shownName_) + " " + action + ": " +
             std::generic_category().message(errorNumber);
}

} // namespace quarrow
