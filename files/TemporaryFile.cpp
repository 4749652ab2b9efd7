#include "files/TemporaryFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <memory>

#include "files/UniqueFd.h"

namespace files {
namespace {

constexpr std::string_view kSuffix = ".tmp";

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Unique within the process by the counter and between running processes by
// the pid; the pid also tells a later save whether the writer is still alive.
std::string NextTemporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
           std::string{kSuffix};
}

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

bool Fill(int fd, std::string_view bytes, std::optional<mode_t> mode) {
    return (!mode || ::fchmod(fd, *mode) == 0) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
}

constexpr int kNameAttempts = 100;

// Linking by the /proc path needs no privilege; AT_EMPTY_PATH is the way
// when /proc is not mounted, open to privileged processes only.
std::optional<std::string> LinkBeside(int fd, const std::string& target) {
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = NextTemporaryName(target);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
            return name;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

enum class Outcome { kWritten, kUnavailable, kFailed };

Outcome WriteUnnamed(const std::string& target, std::string_view bytes, std::optional<mode_t> mode,
                     std::string& name) {
    UniqueFd fd(::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        return Outcome::kUnavailable;
    }
    if (!Fill(fd.get(), bytes, mode)) {
        return Outcome::kFailed;
    }
    std::optional<std::string> linked = LinkBeside(fd.get(), target);
    if (!linked) {
        return Outcome::kUnavailable;
    }
    name = std::move(*linked);
    if (!fd.Close()) {
        ::unlink(name.c_str());
        return Outcome::kFailed;
    }
    return Outcome::kWritten;
}

// "<pid>-<count>" with nothing else; 0 when the text is not of that form.
pid_t WriterOf(std::string_view middle) {
    const std::size_t dash = middle.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == middle.size()) {
        return 0;
    }
    pid_t pid = 0;
    const char* const pidEnd = middle.data() + dash;
    const auto [p, error] = std::from_chars(middle.data(), pidEnd, pid);
    if (error != std::errc{} || p != pidEnd || pid <= 0) {
        return 0;
    }
    const std::string_view count = middle.substr(dash + 1);
    for (const char c : count) {
        if (c < '0' || c > '9') {
            return 0;
        }
    }
    return pid;
}

bool HasEnded(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string{"/"} : path.substr(0, slash);
}

std::optional<std::string> WriteNamedTemporaryBeside(const std::string& target,
                                                     std::string_view bytes,
                                                     std::optional<mode_t> mode) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = NextTemporaryName(target);
        UniqueFd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fd.valid()) {
            if (errno == EEXIST) {
                continue;
            }
            return std::nullopt;
        }
        const bool written = Fill(fd.get(), bytes, mode);
        if (!fd.Close() || !written) {
            ::unlink(name.c_str());
            return std::nullopt;
        }
        return name;
    }
    return std::nullopt;
}

std::optional<std::string> WriteTemporaryBeside(const std::string& target, std::string_view bytes,
                                                std::optional<mode_t> mode) {
    std::string name;
    switch (WriteUnnamed(target, bytes, mode, name)) {
        case Outcome::kWritten:
            return name;
        case Outcome::kFailed:
            return std::nullopt;
        case Outcome::kUnavailable:
            break;
    }
    return WriteNamedTemporaryBeside(target, bytes, mode);
}

void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = NameOf(target) + ".";
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) {
            continue;
        }
        const std::string_view middle =
            name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
        const pid_t writer = name.size() > prefix.size() + kSuffix.size() ? WriterOf(middle) : 0;
        struct stat info {};
        if (writer == 0 || !HasEnded(writer) ||
            ::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode)) {
            continue;
        }
        ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

}  // namespace files
