#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quarrow::testing {

/// A small file system of its own (tmpfs) for a test, mounted on a fresh folder and unmounted
/// at the end, so that a full disk or a read-only disk is real and touches nothing else.
/// Mounting needs the administrator; elsewhere `Mounted()` is false and `Why()` says why.
class SmallFilesystem {
public:
    explicit SmallFilesystem(std::size_t bytes, const std::string& name = "disk") {
        folder_ = std::filesystem::temp_directory_path() /
                  ("quarrow_small_fs_" + std::to_string(getpid()) + "_" + name);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
        if (mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0) {
            mounted_ = true;
        } else {
            why_ = std::string("cannot mount a small file system: ") + std::strerror(errno);
        }
    }
    ~SmallFilesystem() {
        if (mounted_) {
            umount2(folder_.c_str(), MNT_DETACH);
        }
        std::filesystem::remove_all(folder_);
    }
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    const std::filesystem::path& Folder() const { return folder_; }

    /// Fills what is left of the disk with a file of `name`, leaving about `spare` bytes.
    void Fill(std::size_t spare = 0, const std::string& name = "filler") const {
        std::ofstream out(folder_ / name, std::ios::binary);
        const std::vector<char> block(4096, 'x');
        for (;;) {
            const auto info = std::filesystem::space(folder_);
            if (info.available <= spare) {
                break;
            }
            const std::size_t chunk = std::min<std::size_t>(block.size(), info.available - spare);
            if (!out.write(block.data(), static_cast<std::streamsize>(chunk)) || !out.flush()) {
                break;
            }
        }
    }

    /// Makes the whole disk read-only, even to the administrator.
    bool MakeReadOnly() const {
        return mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string why_;
};

/// A folder where writing fails once its files hold a few kilobytes: a small tmpfs mounted on
/// it where the test may mount one, else an ordinary folder under a file size limit for the
/// whole process and the programs it starts (writes past the limit fail with EFBIG, as on a
/// full disk they fail with ENOSPC). Write what must fit before making one.
class FullDiskFolder {
public:
    FullDiskFolder(std::filesystem::path where, std::size_t bytes) : where_(std::move(where)) {
        std::filesystem::create_directories(where_);
        const std::string options = "size=" + std::to_string(bytes);
        mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (!mounted_) {
            ::getrlimit(RLIMIT_FSIZE, &savedLimit_);
            rlimit limit = savedLimit_;
            limit.rlim_cur = bytes;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        }
    }
    ~FullDiskFolder() {
        if (mounted_) {
            ::umount2(where_.c_str(), MNT_DETACH);
        } else {
            ::setrlimit(RLIMIT_FSIZE, &savedLimit_);
            std::signal(SIGXFSZ, savedSignal_);
        }
    }
    FullDiskFolder(const FullDiskFolder&) = delete;
    FullDiskFolder& operator=(const FullDiskFolder&) = delete;

    std::filesystem::path File(const char* name) const { return where_ / name; }
    /// What the system says when a write fails here.
    std::string Reason() const { return std::strerror(mounted_ ? ENOSPC : EFBIG); }

private:
    std::filesystem::path where_;
    bool mounted_ = false;
    rlimit savedLimit_{};
    void (*savedSignal_)(int) = SIG_DFL;
};

} // namespace quarrow::testing
