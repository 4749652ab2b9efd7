#include "files/TrustedPath.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string_view>

namespace files {
namespace {

// As many as the kernel follows in one lookup.
constexpr int kMostLinks = 40;

bool MayFollow(const struct stat& link, const struct stat& folder) {
    const uid_t player = ::geteuid();
    const bool folderTrusted = folder.st_uid == player || folder.st_uid == 0;
    return link.st_uid == player || (link.st_uid == folder.st_uid && folderTrusted);
}

std::string LinkTarget(int linkFd) {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlinkat(linkFd, "", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        return {};
    }
    return {buffer.data(), static_cast<std::size_t>(length)};
}

std::string ParentOf(const std::string& folder) {
    const std::size_t slash = folder.rfind('/');
    return slash == std::string::npos ? std::string{} : folder.substr(0, slash);
}

bool OpenRoot(UniqueFd& folder, struct stat& info) {
    folder = UniqueFd(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && ::fstat(folder.get(), &info) == 0;
}

// The next name of the path, taken off its front, and whether it was the last.
std::string TakeName(std::string& pending, bool& last) {
    const std::size_t start = pending.find_first_not_of('/');
    const std::size_t end = pending.find('/', start);
    std::string name = pending.substr(start, end - start);
    pending = end == std::string::npos ? std::string{} : pending.substr(end);
    last = pending.find_first_not_of('/') == std::string::npos;
    return name;
}

}  // namespace

// Walks one name at a time from a folder it holds open, so nothing swapped
// in behind its back is followed unchecked. folderPath is kept without its
// trailing separator: "" is the root.
TrustedPath FollowTrustedLinks(const std::string& path) {
    TrustedPath out;
    std::string pending = path;
    if (!path.starts_with('/')) {
        std::array<char, 4096> cwd{};
        if (::getcwd(cwd.data(), cwd.size()) == nullptr) {
            return out;
        }
        pending = std::string{cwd.data()} + "/" + path;
    }
    UniqueFd folder{-1};
    struct stat folderInfo {};
    if (!OpenRoot(folder, folderInfo)) {
        return out;
    }
    std::string folderPath;
    int links = 0;
    // Ends at the name of a file, never at that of a folder.
    while (pending.find_first_not_of('/') != std::string::npos) {
        bool last = false;
        const std::string name = TakeName(pending, last);
        if (name == ".") {
            continue;
        }
        UniqueFd next(::openat(folder.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (!next.valid()) {
            const bool missing = errno == ENOENT || errno == ENOTDIR;
            out.state = !missing ? TrustedPath::State::kRefused
                        : last   ? TrustedPath::State::kAbsent
                                 : TrustedPath::State::kMissing;
            if (out.state == TrustedPath::State::kAbsent) {
                out.folder = std::move(folder);
                out.folderPath = folderPath;
                out.name = name;
            }
            return out;
        }
        if (::fstat(next.get(), &info) != 0) {
            return out;
        }
        if (S_ISLNK(info.st_mode)) {
            const std::string target = LinkTarget(next.get());
            if (++links > kMostLinks || !MayFollow(info, folderInfo) || target.empty()) {
                return out;
            }
            out.throughLink = out.throughLink || last;
            pending = target + pending;
            if (target.starts_with('/')) {
                folderPath.clear();
                if (!OpenRoot(folder, folderInfo)) {
                    return out;
                }
            }
            continue;
        }
        if (last && name != "..") {
            out.state = TrustedPath::State::kFound;
            out.folder = std::move(folder);
            out.folderPath = folderPath;
            out.name = name;
            out.info = info;
            return out;
        }
        if (!S_ISDIR(info.st_mode)) {
            out.state = TrustedPath::State::kMissing;
            return out;
        }
        folder = std::move(next);
        folderInfo = info;
        folderPath = name == ".." ? ParentOf(folderPath) : folderPath + "/" + name;
    }
    return out;
}

}  // namespace files
