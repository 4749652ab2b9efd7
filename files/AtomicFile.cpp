#include "files/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "files/TemporaryFile.h"

namespace files {
namespace {

using State = TrustedPath::State;

bool IsWritable(const std::string& path, const struct stat& info) {
    return (info.st_mode & S_IWUSR) != 0 &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

void SyncFolder(const std::string& folder) {
    // Makes the rename itself durable; the new contents are already safe, so
    // a folder that cannot be synced is no reason to report failure.
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

FileContents Read(const TrustedPath& target, std::size_t maxBytes) {
    FileContents contents;
    if (target.state != State::kFound) {
        contents.state =
            target.state == State::kRefused ? FileState::kUnreadable : FileState::kMissing;
        return contents;
    }
    struct stat info = target.info;
    if (!S_ISREG(info.st_mode)) {
        contents.state = FileState::kUnreadable;
        return contents;
    }
    if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        contents.state = FileState::kTooLarge;
        return contents;
    }
    // Something else may stand at the name by the time it is opened: O_NONBLOCK
    // keeps a pipe from stalling the game, O_NOFOLLOW turns a new link away and
    // the second look turns away anything else.
    UniqueFd fd(::openat(target.folder.get(), target.name.c_str(),
                         O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        contents.state = FileState::kUnreadable;
        return contents;
    }
    // Reading one byte past the limit tells a file that grew since it was measured.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 16384> chunk{};
    while (bytes.size() <= maxBytes) {
        const std::size_t wanted = std::min(chunk.size(), maxBytes + 1 - bytes.size());
        const ssize_t got = ::read(fd.get(), chunk.data(), wanted);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            contents.state = FileState::kUnreadable;
            return contents;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    if (bytes.size() > maxBytes) {
        contents.state = FileState::kTooLarge;
        return contents;
    }
    contents.state = FileState::kRead;
    contents.bytes = std::move(bytes);
    return contents;
}

// The folder's name must still lead to the folder the checks were made in.
bool StillThere(const TrustedPath& target) {
    struct stat opened {};
    struct stat named {};
    const std::string folder = target.folderPath.empty() ? "/" : target.folderPath;
    return ::fstat(target.folder.get(), &opened) == 0 && ::stat(folder.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool Replace(const TrustedPath& found, std::string_view bytes) {
    const bool exists = found.state == State::kFound;
    const bool creatable = found.state == State::kAbsent && !found.throughLink;
    if (!exists && !creatable) {
        return false;
    }
    const std::string target = found.Path();
    const struct stat& existing = found.info;
    if (exists && (!S_ISREG(existing.st_mode) || existing.st_uid != ::geteuid() ||
                   !IsWritable(target, existing))) {
        return false;
    }
    if (!StillThere(found)) {
        return false;
    }

    RemoveStaleTemporaries(target);
    const std::optional<mode_t> mode =
        exists ? std::optional<mode_t>{existing.st_mode & 07777} : std::nullopt;
    const std::optional<std::string> temporary = WriteTemporaryBeside(target, bytes, mode);
    if (!temporary) {
        return false;
    }
    if (::rename(temporary->c_str(), target.c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

// Another copy of the game holds the lock for one save, a few milliseconds;
// but anyone who may read the folder can take it too, and must not freeze the
// game by keeping it.
constexpr auto kLongestLockWait = std::chrono::seconds(2);

// Without the lock the update still runs: a lost race between two copies
// costs less than a result never saved.
UniqueFd LockFolder(const TrustedPath& target) {
    if (target.state != State::kFound && target.state != State::kAbsent) {
        return UniqueFd{-1};
    }
    UniqueFd folder(::openat(target.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const auto giveUp = std::chrono::steady_clock::now() + kLongestLockWait;
    while (folder.valid() && ::flock(folder.get(), LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK || errno == EINTR;
        if (!held || std::chrono::steady_clock::now() >= giveUp) {
            return UniqueFd{-1};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return folder;
}

}  // namespace

FileContents ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    return Read(FollowTrustedLinks(path), maxBytes);
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    return Replace(FollowTrustedLinks(path), bytes);
}

FileUpdate::FileUpdate(const std::string& path, std::size_t maxBytes)
    : target_(FollowTrustedLinks(path)), lock_(LockFolder(target_)), maxBytes_(maxBytes) {
    // Another process may have replaced the file while this one waited.
    if (lock_.valid()) {
        target_ = FollowTrustedLinks(path);
    }
    contents_ = Read(target_, maxBytes_);
}

bool FileUpdate::Replace(std::string_view bytes) {
    const bool readable =
        contents_.state == FileState::kRead || contents_.state == FileState::kMissing;
    return readable && bytes.size() <= maxBytes_ && files::Replace(target_, bytes);
}

}  // namespace files
