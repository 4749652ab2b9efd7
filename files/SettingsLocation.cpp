#include "files/SettingsLocation.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/AtomicFile.h"
#include "files/ProfileFile.h"
#include "files/TemporaryFile.h"
#include "files/TrailingSeparator.h"

namespace files {
namespace {

constexpr char kDataFolderName[] = "fendo";

// Where the package manager puts what it installs. A game there is shared
// by every user and goes away with its package, so nothing of one player's
// is ever written beside it, not even by root.
constexpr std::array<std::string_view, 2> kSystemPrefixes = {"/usr/", "/opt/"};

bool IsSystemInstall(const std::string& folder) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(folder, error);
    const std::string checked = error ? folder : WithTrailingSeparator(real.string());
    return std::any_of(kSystemPrefixes.begin(), kSystemPrefixes.end(),
                       [&](std::string_view prefix) { return checked.starts_with(prefix); });
}

// Why the player cannot trust the folder with their settings, or nullptr.
// Whoever else may add or rename entries in it could put a link to another
// of the player's files, or a file of their own, where the settings go. The
// sticky bit keeps others from renaming or removing the player's entries, and
// what they add stays theirs, for the file's own owner check to turn away.
const char* Distrust(const struct stat& folder, bool rootMayOwn) {
    if (folder.st_uid != ::geteuid() && !(rootMayOwn && folder.st_uid == 0)) {
        return "it belongs to another user";
    }
    if ((folder.st_mode & S_ISVTX) != 0) {
        return nullptr;
    }
    if ((folder.st_mode & S_IWOTH) != 0) {
        return "other users may write to it";
    }
    if ((folder.st_mode & S_IWGRP) != 0 && folder.st_gid != ::getegid()) {
        return "its group may write to it";
    }
    return nullptr;
}

// The permission bits decide, for the ids that the writes would be made
// with; a real write would also fail for a full disk, which passes.
bool MayWrite(const std::string& path, int what) {
    return ::faccessat(AT_FDCWD, path.c_str(), what, AT_EACCESS) == 0;
}

bool IsTrustedFolder(const std::string& folder, bool rootMayOwn) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           Distrust(info, rootMayOwn) == nullptr;
}

// A copy of the game in a folder of the player's own keeps its settings
// with it: in a file there that the player may write, or in a new one.
bool KeepsFileBeside(const std::string& folder) {
    if (IsSystemInstall(folder) || !IsTrustedFolder(folder, false)) {
        return false;
    }
    const std::string file = folder + kSettingsFileName;
    struct stat info {};
    const bool writableFile = ::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                              info.st_uid == ::geteuid() && MayWrite(file, W_OK);
    return writableFile || MayWrite(folder, W_OK | X_OK);
}

// Makes the folder and any missing parents, private to the player; folders
// that exist keep their modes. On failure errno tells why.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

// Why the data folder cannot keep the settings, or empty when it can. A
// folder that a full disk keeps from being made is still the place: the
// results then last the session, and the next start makes the folder.
std::string Unusable(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            return std::strerror(errno);
        }
        if (!MakeFolders(folder)) {
            const int error = errno;
            return error == ENOSPC || error == EDQUOT ? "" : std::strerror(error);
        }
        if (::stat(folder.c_str(), &info) != 0) {
            return std::strerror(errno);
        }
    }
    if (!S_ISDIR(info.st_mode)) {
        return "it is not a folder";
    }
    if (const char* why = Distrust(info, false)) {
        return why;
    }
    return MayWrite(folder, W_OK | X_OK) ? "" : "it cannot be written";
}

// The first use of a data folder starts from the settings beside the
// program, but only from a file or link that the player or root put there, in
// a folder where no one else could have swapped it; it is written only where
// nothing is yet.
void SeedFrom(const std::string& programFolder, const std::string& target) {
    const std::string source = programFolder + kSettingsFileName;
    struct stat info {};
    if (!IsTrustedFolder(programFolder, true) || ::lstat(source.c_str(), &info) != 0 ||
        (info.st_uid != ::geteuid() && info.st_uid != 0) || ::lstat(target.c_str(), &info) == 0 ||
        errno != ENOENT) {
        return;
    }
    const FileContents seed = ReadWholeFile(source, kLargestProfileFile);
    if (seed.state != FileState::kRead) {
        return;
    }
    const std::optional<std::string> temporary =
        WriteTemporaryBeside(target, seed.bytes, std::nullopt);
    if (temporary && ::renameat2(AT_FDCWD, temporary->c_str(), AT_FDCWD, target.c_str(),
                                 RENAME_NOREPLACE) != 0) {
        ::unlink(temporary->c_str());
    }
}

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// In the order they are tried, each with a trailing separator.
std::vector<std::string> DataFolders(const UserFolders& user) {
    std::vector<std::string> folders;
    if (IsAbsolute(user.dataHome)) {
        folders.push_back(WithTrailingSeparator(user.dataHome) + kDataFolderName + "/");
    }
    if (IsAbsolute(user.home)) {
        folders.push_back(WithTrailingSeparator(user.home) + ".local/share/" + kDataFolderName +
                          "/");
    }
    return folders;
}

std::string AccountHome() {
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string{} : std::string{value};
}

}  // namespace

UserFolders UserFoldersFromEnvironment() {
    UserFolders user{Variable("XDG_DATA_HOME"), Variable("HOME")};
    if (user.home.empty()) {
        user.home = AccountHome();
    }
    return user;
}

std::optional<std::string> SettingsFilePath(const std::string& appFolder, const UserFolders& user) {
    const std::string programFolder = WithTrailingSeparator(appFolder);
    if (KeepsFileBeside(programFolder)) {
        return programFolder + kSettingsFileName;
    }
    std::string refusal = "there is no home folder";
    for (const std::string& folder : DataFolders(user)) {
        const std::string why = Unusable(folder);
        if (why.empty()) {
            const std::string own = folder + kSettingsFileName;
            SeedFrom(programFolder, own);
            return own;
        }
        refusal = "not in " + folder + ": " + why;
    }
    // stdio, not iostream: <iostream> alone costs every start half a megabyte of libstdc++'s
    // locale set-up.
    std::fprintf(stderr, "fendo: results are kept for this session only (%s)\n", refusal.c_str());
    return std::nullopt;
}

std::optional<std::string> SettingsFilePath(const std::string& appFolder) {
    return SettingsFilePath(appFolder, UserFoldersFromEnvironment());
}

}  // namespace files
