#pragma once

// Looking at what a test left on disk, and running a call as a player whom
// permission bits stop, which root is not.

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>

namespace fakes {

namespace fs = std::filesystem;

// The whole file, or nothing when it cannot be opened.
inline std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every entry under the folder with its kind, mode, size and link target or
// first bytes: what a refused write must leave exactly as it was.
inline std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        ::lstat(e.path().c_str(), &info);
        std::string what = std::to_string(info.st_mode) + " " + std::to_string(info.st_size) + " ";
        if (S_ISLNK(info.st_mode)) {
            what += fs::read_symlink(e.path()).string();
        } else if (S_ISREG(info.st_mode)) {
            std::ifstream in(e.path(), std::ios::binary);
            std::string head(256, '\0');
            in.read(head.data(), static_cast<std::streamsize>(head.size()));
            what += head.substr(0, static_cast<std::size_t>(in.gcount()));
        }
        entries[e.path().lexically_relative(folder).string()] = what;
    }
    return entries;
}

// Runs the call with every write past `bytes` failing, for root as well, the
// way a full disk makes a save fail part way.
template <typename Call>
auto UnderFileSizeLimit(rlim_t bytes, const Call& call) {
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{bytes, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = call();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    return result;
}

// The id of a process that has ended, as a killed writer's would be.
inline pid_t EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

inline uid_t NobodyId() {
    const passwd* const user = ::getpwnam("nobody");
    return user ? user->pw_uid : 65534;
}

// Hands everything under `owned`, and `owned` itself, to "nobody".
inline void GiveToNobody(const fs::path& owned) {
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(owned)) {
        ::lchown(e.path().c_str(), NobodyId(), NobodyId());
    }
    ::lchown(owned.c_str(), NobodyId(), NobodyId());
}

// Runs the call in a child process as the user (with that user's id as its
// group too) and tells whether it returned true. Needs root, unless the user
// is the one running the test.
inline bool RunAs(uid_t uid, const std::function<bool()>& call) {
    if (uid == ::geteuid()) {
        return call();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(uid) == 0 && ::setuid(uid) == 0;
        ::_exit(!dropped ? 2 : call() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not give root up";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs the call as "nobody", who is handed everything under `owned` first,
// and tells whether it returned true. Without root the call simply runs.
inline bool AsNobody(const fs::path& owned, const std::function<bool()>& call) {
    if (::geteuid() != 0) {
        return call();
    }
    GiveToNobody(owned);
    return RunAs(NobodyId(), call);
}

// The text, one code unit per character, as UTF-16 with a byte order mark.
template <typename Text>
std::string Utf16(const Text& text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const auto unit : text) {
        const auto code = static_cast<char16_t>(unit);
        const char high = static_cast<char>(code >> 8);
        const char low = static_cast<char>(code & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace fakes
