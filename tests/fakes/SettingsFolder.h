#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fakes/GameFixture.h"

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

    void WriteRaw(const std::string& bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }

    std::string ReadRaw() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder_;
    std::string path_;
};

}  // namespace fakes
