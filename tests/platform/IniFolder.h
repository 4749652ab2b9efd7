#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProfileFile.h"

namespace testsupport {

inline void WriteRawTo(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadRawFrom(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder per test with the settings file's path in it.
class IniFileTest : public testing::Test {
protected:
    void SetUp() override {
        const testing::TestInfo* const info = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::path(testing::TempDir()) /
                  ("ProfileFile_" + std::to_string(getpid()) + "_" + info->test_suite_name() + "_" +
                   info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "fendo.ini").string();
    }

    void TearDown() override {
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        std::filesystem::remove_all(folder_);
    }

    void WriteRaw(const std::string& bytes) const { WriteRawTo(path_, bytes); }
    std::string ReadRaw() const { return ReadRawFrom(path_); }

    std::string Read(std::string_view section, std::string_view entry,
                     std::string_view fallback = "<default>") const {
        return ProfileFile::ReadProfileString(section, entry, fallback, path_);
    }

    bool Write(std::string_view section, std::string_view entry, std::string_view value) const {
        return ProfileFile::WriteProfileString(section, entry, value, path_);
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const std::filesystem::directory_entry& e :
             std::filesystem::directory_iterator(folder_)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Runs the call as a player without privileges, for whom permission bits
    // count. Root hands the folder to "nobody" and runs the call in a child
    // that has given root up, so the check runs in CI as well.
    bool AsPlayer(const std::function<bool()>& call) const {
        if (::geteuid() != 0) {
            return call();
        }
        const passwd* const nobody = ::getpwnam("nobody");
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        const gid_t gid = nobody ? nobody->pw_gid : 65534;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder_)) {
            ::lchown(e.path().c_str(), uid, gid);
        }
        ::lchown(folder_.c_str(), uid, gid);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
                ::_exit(2);
            }
            ::_exit(call() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not give root up";
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    std::filesystem::path folder_;
    std::string path_;
};

}  // namespace testsupport
