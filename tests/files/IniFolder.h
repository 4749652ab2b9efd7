#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/Files.h"
#include "fakes/HostileFiles.h"
#include "files/ProfileFile.h"

namespace fakes {

// A fresh folder per test with the settings file's path in it.
class IniFileTest : public testing::Test {
protected:
    void SetUp() override { folderOwner_.Reset(); }

    void WriteRaw(const std::string& bytes) const { fakes::Write(path_, bytes); }
    std::string ReadRaw() const { return fakes::ReadBytes(path_).value_or(""); }

    std::string Read(std::string_view section, std::string_view entry,
                     std::string_view fallback = "<default>") const {
        return files::ReadProfileString(section, entry, fallback, path_);
    }

    bool Write(std::string_view section, std::string_view entry, std::string_view value) const {
        return files::WriteProfileString(section, entry, value, path_);
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

    const fakes::TestFolder folderOwner_;
    const std::filesystem::path folder_ = folderOwner_.path();
    const std::string path_ = (folder_ / "fendo.ini").string();
};

}  // namespace fakes
