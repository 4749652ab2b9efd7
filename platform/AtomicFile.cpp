#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/TemporaryFile.h"
#include "platform/UniqueFd.h"

namespace platform {
namespace {

// The file a path names once every symbolic link is followed; nullopt when a
// link leads nowhere or round in a loop.
std::optional<std::string> ResolvedTarget(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
        return path;
    }
    const std::unique_ptr<char, decltype(&std::free)> target(::realpath(path.c_str(), nullptr),
                                                             &std::free);
    if (!target) {
        return std::nullopt;
    }
    return std::string{target.get()};
}

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

}  // namespace

FileContents ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    FileContents contents;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        contents.state = missing ? FileState::kMissing : FileState::kUnreadable;
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.state = FileState::kUnreadable;
        return contents;
    }
    if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        contents.state = FileState::kTooLarge;
        return contents;
    }
    // Something else may stand at the path by the time it is opened: O_NONBLOCK
    // keeps a pipe from stalling the game and the second look turns it away.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> target = ResolvedTarget(path);
    if (!target) {
        return false;
    }
    struct stat existing {};
    const bool exists = ::stat(target->c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return false;
    }
    if (exists && (!S_ISREG(existing.st_mode) || !IsWritable(*target, existing))) {
        return false;
    }

    RemoveStaleTemporaries(*target);
    const std::optional<mode_t> mode =
        exists ? std::optional<mode_t>{existing.st_mode & 07777} : std::nullopt;
    const std::optional<std::string> temporary = WriteTemporaryBeside(*target, bytes, mode);
    if (!temporary) {
        return false;
    }
    if (::rename(temporary->c_str(), target->c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    SyncFolder(FolderOf(*target));
    return true;
}

}  // namespace platform
