#pragma once

#include <filesystem>
#include <string>

#include "fakes/Files.h"
#include "fakes/GameFixture.h"
#include "fakes/HostileFiles.h"

namespace fakes {

// A game with a folder of its own for the settings file, read and written raw.
class SettingsFolder : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        folder_ = appFolder / "settings";
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "fendo.ini").string();
    }

    void WriteRaw(const std::string& bytes) const { fakes::Write(path_, bytes); }
    std::string ReadRaw() const { return ReadBytes(path_).value_or(""); }

    std::filesystem::path folder_;
    std::string path_;
};

}  // namespace fakes
