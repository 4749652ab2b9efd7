#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/Files.h"
#include "fakes/HostileFiles.h"
#include "platform/ProfileFile.h"

namespace testsupport {

inline void WriteRawTo(const std::filesystem::path& path, const std::string& bytes) {
    hostile::Write(path, bytes);
}

inline std::string ReadRawFrom(const std::filesystem::path& path) {
    return fakes::ReadBytes(path).value_or("");
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

    std::filesystem::path folder_;
    std::string path_;
};

}  // namespace testsupport
