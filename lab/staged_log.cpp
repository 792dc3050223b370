#include "lab/staged_log.h"

#include "lab/interrupt.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarrow::lab {
namespace {

std::string Describe(const std::string& path, const std::string& problem) {
    return "cannot write the log \"" + path + "\": " + problem;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

/// `path` with its symbolic links followed to the name they end at, which need not exist
/// yet; empty, with errno set, when the links loop.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::vector<char> link(static_cast<std::size_t>(PATH_MAX) + 1);
        const ssize_t length = readlink(path.c_str(), link.data(), link.size() - 1);
        if (length < 0) {
            return path;
        }
        const std::string named(link.data(), static_cast<std::size_t>(length));
        path = named.starts_with('/') ? named : FolderOf(path).append(named);
        if (path.starts_with("/proc/")) {
            // /dev/stdout and its kind: the process's own descriptors, written directly.
            return path;
        }
    }
    errno = ELOOP;
    return {};
}

mode_t NewFileMode() {
    // The umask can only be read by setting it; nothing else runs while the log is prepared.
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

StagedLog::StagedLog(std::string path) : path_(std::move(path)) {}

StagedLog::~StagedLog() {
    Discard();
}

bool StagedLog::Fail(const std::string& problem) {
    error_ = Describe(path_, problem);
    return false;
}

bool StagedLog::Prepare() {
    if (path_.empty()) {
        return Fail("no file name given");
    }
    target_ = FollowLinks(path_);
    if (target_.empty()) {
        return Fail(std::strerror(errno));
    }
    struct stat existing {};
    existed_ = stat(target_.c_str(), &existing) == 0;
    if (existed_) {
        if (S_ISDIR(existing.st_mode)) {
            return Fail("it is a folder");
        }
        // A file without a write permission for anyone is read-only even to an
        // administrator, whom `access` lets through.
        const bool allowed = access(target_.c_str(), W_OK) == 0;
        const int problem = allowed ? 0 : errno;
        if (!allowed || (existing.st_mode & 0222) == 0) {
            return Fail(problem == 0 || problem == EACCES || problem == EROFS
                            ? "it is read-only to you"
                            : std::strerror(problem));
        }
        mode_ = existing.st_mode & 07777;
        owner_ = existing.st_uid;
        group_ = existing.st_gid;
        if (!S_ISREG(existing.st_mode) || target_.starts_with("/proc/")) {
            // A device or a pipe must stay what it is: renaming a file over it would replace it.
            way_ = Way::Direct;
            sink_ = std::make_unique<FileLogSink>(target_, FileLogSink::kDefaultBufferSize, path_);
            return true;
        }
        // A file with other hard links is replaced by rename too: its other names keep the
        // earlier log. Rewriting it in place would cut every name's log if the disk filled up.
        way_ = Way::Rename;
    } else {
        mode_ = NewFileMode();
        way_ = Way::Rename;
    }

    // A short random name of its own, so a long final name never makes it too long, and
    // exclusive creation, which follows no link planted under that name.
    std::string pattern = FolderOf(target_) + ".quarrow-XXXXXX";
    {
        // A signal between creating the file and naming it for removal would leave it behind.
        const FatalSignalsHeld held;
        stagingDescriptor_ = mkostemp(pattern.data(), O_CLOEXEC);
        if (stagingDescriptor_ < 0) {
            return Fail(std::strerror(errno));
        }
        stagingPath_ = pattern;
        staged_ = true;
        RemoveOnFatalSignal(stagingPath_.c_str());
    }
    // The sink reopens the file through the descriptor, so it writes this very file even if
    // its name were swapped in the folder meanwhile.
    sink_ = std::make_unique<FileLogSink>("/proc/self/fd/" + std::to_string(stagingDescriptor_),
                                          FileLogSink::kDefaultBufferSize, path_);
    return true;
}

LogSink& StagedLog::Sink() {
    return *sink_;
}

bool StagedLog::Commit() {
    if (sink_ == nullptr) {
        return Fail("nothing was written");
    }
    if (!sink_->Close()) {
        const std::string problem = sink_->Error();
        Discard();
        return Fail(problem);
    }
    if (way_ == Way::Direct) {
        return true;
    }
    if (!staged_) {
        return Fail("nothing was written");
    }
    if (existed_) {
        // Keeps the owner where the user may set it (an administrator, or the user's own
        // file); otherwise the log is the user's, as any file they write anew.
        const int kept = fchown(stagingDescriptor_, owner_, group_);
        (void)kept;
    }
    if (fchmod(stagingDescriptor_, mode_) != 0) {
        Fail(std::strerror(errno));
        Discard();
        return false;
    }
    const bool done = std::rename(stagingPath_.c_str(), target_.c_str()) == 0;
    if (done) {
        staged_ = false;
    } else {
        Fail(std::strerror(errno));
    }
    Discard();
    return done;
}

void StagedLog::Discard() {
    if (sink_ != nullptr) {
        sink_->Close();
    }
    if (stagingDescriptor_ >= 0) {
        close(stagingDescriptor_);
        stagingDescriptor_ = -1;
    }
    if (staged_) {
        unlink(stagingPath_.c_str());
        staged_ = false;
    }
    if (!stagingPath_.empty()) {
        RemoveOnFatalSignal(nullptr);
        stagingPath_.clear();
    }
}

} // namespace quarrow::lab
