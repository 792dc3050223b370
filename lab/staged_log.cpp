#include "lab/staged_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quarrow::lab {
namespace {

std::string Describe(const std::string& path, const char* problem) {
    return "cannot write the log \"" + path + "\": " + problem;
}

} // namespace

StagedLog::StagedLog(std::string path) : path_(std::move(path)) {
    // The hidden name sits in the log's own folder, since a rename cannot cross file systems.
    const std::size_t slash = path_.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    stagingPath_ = folder + "." + name + "." + std::to_string(getpid()) + ".partial";
}

StagedLog::~StagedLog() {
    Discard();
}

bool StagedLog::Prepare() {
    if (path_.empty()) {
        error_ = Describe(path_, "no file name given");
        return false;
    }
    struct stat existing {};
    if (stat(path_.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        error_ = Describe(path_, "it is a folder");
        return false;
    }
    const int descriptor =
        open(stagingPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        error_ = Describe(path_, std::strerror(errno));
        return false;
    }
    close(descriptor);
    staged_ = true;
    sink_ = std::make_unique<FileLogSink>(stagingPath_);
    return true;
}

LogSink& StagedLog::Sink() {
    return *sink_;
}

bool StagedLog::Commit() {
    if (!staged_) {
        error_ = Describe(path_, "nothing was written");
        return false;
    }
    sink_->Close();
    if (std::rename(stagingPath_.c_str(), path_.c_str()) != 0) {
        error_ = Describe(path_, std::strerror(errno));
        Discard();
        return false;
    }
    staged_ = false;
    return true;
}

void StagedLog::Discard() {
    if (!staged_) {
        return;
    }
    sink_->Close();
    std::remove(stagingPath_.c_str());
    staged_ = false;
}

} // namespace quarrow::lab
