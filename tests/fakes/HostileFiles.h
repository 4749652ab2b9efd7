#pragma once

// Things a hostile tester puts where the game expects a data file, and a
// guard that turns a loader waiting on one of them into a failed test.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace fakes {

namespace fs = std::filesystem;

// Ends the test process with SIGALRM if the guarded calls have not returned
// in time: a loader that waits on a pipe would otherwise hang the suite.
class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 20) { ::alarm(seconds); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
    ~HangGuard() { ::alarm(0); }
};

inline void Write(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
    Write(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// `bytes`, then a hole up to `length`: the file is that long without using
// the disk for it.
template <typename Bytes>
void WriteSparse(const fs::path& path, const Bytes& bytes, uintmax_t length) {
    Write(path, bytes);
    fs::resize_file(path, length);
}

inline bool MakeFifo(const fs::path& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

// A character device that never runs dry.
inline bool MakeDevice(const fs::path& path) {
    std::error_code error;
    fs::create_symlink("/dev/zero", path, error);
    return !error;
}

// Bound by its name from inside its folder: a socket's address holds at most
// 107 bytes, which a test folder under a long TMPDIR outgrows.
inline bool MakeSocket(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.filename().string();
    if (name.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, name.c_str(), name.size());
    std::error_code error;
    const fs::path before = fs::current_path(error);
    fs::current_path(path.parent_path(), error);
    const int fd = error ? -1 : ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    fs::current_path(before, error);
    return bound;
}

inline bool MakeFolder(const fs::path& path) {
    return fs::create_directory(path);
}

// The things at a data file's path that are not a file to read.
struct NotAFile {
    const char* name;
    bool (*make)(const fs::path&);
};
inline const NotAFile kNotAFile[] = {{"named pipe", MakeFifo},
                                     {"folder", MakeFolder},
                                     {"device", MakeDevice},
                                     {"socket", MakeSocket}};

// A fresh folder for one test, named after it, removed afterwards even when
// the test took its permissions away.
class TestFolder {
public:
    TestFolder() {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::path(testing::TempDir()) /
                (std::string("fendo_hostile_") + info->test_suite_name() + "_" + info->name());
        Reset();
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder() { Remove(); }
    const fs::path& path() const { return path_; }
    // Empty again, for the next case of a table.
    void Reset() const {
        Remove();
        fs::create_directories(path_);
    }

private:
    void Remove() const {
        std::error_code absent;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, absent);
        fs::remove_all(path_);
    }
    fs::path path_;
};

}  // namespace fakes
