#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

namespace platform {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(UniqueFd&&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // close() can report a failed delayed write, so the caller must see it.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string ResolvedTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return path;
    }
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string{"/"} : path.substr(0, slash);
}

// Names are unique within the process by the counter and between processes
// by the pid; O_EXCL settles any remaining clash with a leftover file.
UniqueFd CreateTemporary(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = target + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        UniqueFd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST) {
            return fd;
        }
    }
    return UniqueFd(-1);
}

void SyncFolder(const std::string& folder) {
    // Makes the rename itself durable; the new contents are already safe, so
    // a folder that cannot be synced is no reason to report failure.
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

}  // namespace

FileContents ReadWholeFile(const std::string& path) {
    FileContents contents;
    // O_NONBLOCK keeps a pipe at the path from stalling the game; it changes
    // nothing for a regular file.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        contents.state = missing ? FileState::kMissing : FileState::kUnreadable;
        return contents;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        contents.state = FileState::kUnreadable;
        return contents;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> buffer{};
    while (true) {
        const ssize_t got = ::read(fd.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            contents.state = FileState::kUnreadable;
            return contents;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    contents.state = FileState::kRead;
    contents.bytes = std::move(bytes);
    return contents;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = ResolvedTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return false;
    }
    // The rename would replace a file that its owner made read-only, root's
    // or not: such a file is left as it is.
    if (exists && ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        return false;
    }
    if (!exists && errno != ENOENT) {
        return false;
    }

    std::string temporary;
    UniqueFd fd = CreateTemporary(target, temporary);
    if (!fd.valid()) {
        return false;
    }

    const bool written = (!exists || ::fchmod(fd.get(), existing.st_mode & 07777) == 0) &&
                         WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    const bool closed = fd.Close();
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace platform
