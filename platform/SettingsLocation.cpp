#include "platform/SettingsLocation.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>

#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "platform/TrailingSeparator.h"

namespace platform {
namespace {

constexpr char kDataFolderName[] = "fendo";

// Only a real file creation tells: access() says yes to root on a read-only
// mount, and no to nothing that ACLs or attributes forbid.
bool FolderTakesWrites(const std::string& folder) {
    std::string probe = folder + ".fendo-write-check-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// With a trailing separator, or empty when the user has no usable folder.
std::string DataFolder(const UserFolders& user) {
    if (IsAbsolute(user.dataHome)) {
        return WithTrailingSeparator(user.dataHome) + kDataFolderName + "/";
    }
    if (IsAbsolute(user.home)) {
        return WithTrailingSeparator(user.home) + ".local/share/" + kDataFolderName + "/";
    }
    return {};
}

// Every folder this creates is private to the user; existing ones keep
// their modes.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

void SeedFrom(const std::string& source, const std::string& target) {
    if (Exists(target)) {
        return;
    }
    const FileContents seed = ReadWholeFile(source, ProfileFile::kLargestProfileFile);
    if (seed.state == FileState::kRead) {
        ReplaceFileAtomically(target, seed.bytes);
    }
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

std::string SettingsFilePath(const std::string& appFolder, const UserFolders& user) {
    const std::string folder = WithTrailingSeparator(appFolder);
    const std::string beside = folder + kSettingsFileName;
    if (FolderTakesWrites(folder)) {
        return beside;
    }
    const std::string dataFolder = DataFolder(user);
    if (dataFolder.empty() || !MakeFolders(dataFolder)) {
        return beside;
    }
    const std::string own = dataFolder + kSettingsFileName;
    SeedFrom(beside, own);
    return own;
}

std::string SettingsFilePath(const std::string& appFolder) {
    return SettingsFilePath(appFolder, UserFoldersFromEnvironment());
}

}  // namespace platform
