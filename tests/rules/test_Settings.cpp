#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "fakes/SettingsFolder.h"

namespace {

namespace fs = std::filesystem;

// HiScore, MaxKnockOutScore, MaxHits, InputMode, PunishKeyL, PunishKeyR.
using Six = std::array<int64_t, 6>;
constexpr Six kDefaults = {0, 0, 0, 0, 37, 39};
constexpr std::array<const char*, 6> kKeys = {"HiScore",   "MaxKnockOutScore", "MaxHits",
                                              "InputMode", "PunishKeyL",       "PunishKeyR"};

class SettingsFile : public fakes::SettingsFolder {
protected:
    Six Loaded() {
        State().HiScore = State().MaxKnockOutScore = State().MaxHits = State().InputMode = -99;
        State().PunishKeyL = State().PunishKeyR = -99;
        game->LoadSettings(path_);
        return {State().HiScore,   State().MaxKnockOutScore, State().MaxHits,
                State().InputMode, State().PunishKeyL,       State().PunishKeyR};
    }

    void SetSix(const Six& v) {
        State().HiScore = static_cast<int32_t>(v[0]);
        State().MaxKnockOutScore = static_cast<int32_t>(v[1]);
        State().MaxHits = static_cast<int32_t>(v[2]);
        State().InputMode = static_cast<int32_t>(v[3]);
        State().PunishKeyL = static_cast<int16_t>(v[4]);
        State().PunishKeyR = static_cast<int16_t>(v[5]);
    }

    // Kind, permission bits, size, link target and the first bytes of every
    // entry: what a save that was refused must leave exactly as it was.
    std::vector<std::string> Snapshot() const {
        std::vector<std::string> entries;
        for (const fs::directory_entry& e : fs::directory_iterator(folder_)) {
            struct stat info {};
            ::lstat(e.path().c_str(), &info);
            std::string what = e.path().filename().string() + " " + std::to_string(info.st_mode) +
                               " " + std::to_string(info.st_size) + " ";
            if (S_ISLNK(info.st_mode)) {
                what += fs::read_symlink(e.path()).string();
            } else if (S_ISREG(info.st_mode)) {
                std::ifstream in(e.path(), std::ios::binary);
                std::string head(256, '\0');
                in.read(head.data(), static_cast<std::streamsize>(head.size()));
                head.resize(static_cast<std::size_t>(in.gcount()));
                what += head;
            }
            entries.push_back(what);
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }

};

const std::string kAllSix =
    "[Scores]\r\nHiScore=11\r\nMaxKnockOutScore=22\r\nMaxHits=33\r\n"
    "[Control Settings]\r\nInputMode=1\r\nPunishKeyL=65\r\nPunishKeyR=66\r\n";
constexpr Six kAllSixValues = {11, 22, 33, 1, 65, 66};

struct ValueCase {
    int key;
    const char* text;
    int64_t expected;
};

// Each text stands as the value of one key, the five others hold good values
// that must load whatever the odd one holds.
TEST_F(SettingsFile, LoadTakesEachKeysDefaultForAValueThatIsNotAPlainFittingInteger) {
    const std::vector<ValueCase> cases = {
        {4, "70000", 37},
        {4, "32768", 37},
        {4, "32767", 32767},
        {4, "-32768", -32768},
        {5, "-32769", 39},
        {5, "65536", 39},
        {0, "99999999999", 0},
        {0, "2147483648", 0},
        {0, "2147483647", 2147483647},
        {0, "-2147483648", -2147483648LL},
        {0, "-2147483649", 0},
        {0, "99999999999999999999999999", 0},
        {0, "-5", -5},
        {1, "+12", 12},
        {1, "--1", 0},
        {1, "+-2", 0},
        {4, "-+2", 37},
        {1, "-", 0},
        {1, "+", 0},
        {2, "", 0},
        {2, "   ", 0},
        {2, " \t 12 \t", 12},
        {2, "\"89\"", 89},
        {2, "007", 7},
        {2, "-0", 0},
        {3, "abc", 0},
        {3, "2abc", 0},
        {3, "1 2", 0},
        {3, "0x1", 0},
        {3, "&H1", 0},
        {3, "1e0", 0},
        {3, "1.0", 0},
        {3, "\xEF\xBC\x92", 0},  // a full-width 2
        {4, "65;left", 37},
        {5, "\"\"", 39},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(std::string(kKeys[c.key]) + "=" + c.text);
        std::string file = kAllSix;
        const std::string key = std::string(kKeys[c.key]) + "=";
        const std::size_t at = file.find(key) + key.size();
        file.replace(at, file.find('\r', at) - at, c.text);
        WriteRaw(file);
        Six expected = kAllSixValues;
        expected[c.key] = c.expected;
        EXPECT_EQ(Loaded(), expected);
    }
}

TEST_F(SettingsFile, LoadFillsWhatIsMissingWithDefaults) {
    EXPECT_EQ(Loaded(), kDefaults);
    WriteRaw("[Control Settings]\r\nInputMode=2\r\n");
    EXPECT_EQ(Loaded(), (Six{0, 0, 0, 2, 37, 39}));
    WriteRaw("[scores]\nhiscore = -5\n");
    EXPECT_EQ(Loaded(), (Six{-5, 0, 0, 0, 37, 39}));
    WriteRaw(kAllSix);
    EXPECT_EQ(Loaded(), kAllSixValues);
}

TEST_F(SettingsFile, FirstSaveWritesTheSixKeysInOrderWithWindowsLineEnds) {
    SetSix({1234, 567, 89, 0, 37, 39});
    game->SaveSettings(path_);
    EXPECT_EQ(ReadRaw(),
              "[Scores]\r\n"
              "HiScore=1234\r\n"
              "MaxKnockOutScore=567\r\n"
              "MaxHits=89\r\n"
              "[Control Settings]\r\n"
              "InputMode=0\r\n"
              "PunishKeyL=37\r\n"
              "PunishKeyR=39\r\n");
    EXPECT_EQ(fs::directory_iterator(folder_)->path().filename(), "fendo.ini");
}

TEST_F(SettingsFile, SaveKeepsEveryOtherLineAndWritesPlainDecimals) {
    WriteRaw(
        "; mine\r\n"
        "[Window]\r\n"
        "Left=3\r\n"
        "[Scores]\r\n"
        "HiScore = 1\r\n"
        "Comment=keep me\r\n"
        "\r\n"
        "[Control Settings]\r\n"
        "inputmode=2\r\n");
    SetSix({-5, 2147483647, 0, 2, -32768, 32767});
    game->SaveSettings(path_);
    EXPECT_EQ(ReadRaw(),
              "; mine\r\n"
              "[Window]\r\n"
              "Left=3\r\n"
              "[Scores]\r\n"
              "HiScore=-5\r\n"
              "Comment=keep me\r\n"
              "MaxKnockOutScore=2147483647\r\n"
              "MaxHits=0\r\n"
              "\r\n"
              "[Control Settings]\r\n"
              "inputmode=2\r\n"
              "PunishKeyL=-32768\r\n"
              "PunishKeyR=32767\r\n");
    EXPECT_EQ(Loaded(), (Six{-5, 2147483647, 0, 2, -32768, 32767}));
}

struct DamageCase {
    const char* name;
    std::function<void(const fs::path& folder, const std::string& ini)> setUp;
    Six loaded;
    bool saved;
};

// Whatever stands at the settings path, loading gives what can be read and
// returns; a save replaces only a readable, writable regular file of sane
// size and leaves anything else exactly as it was.
TEST_F(SettingsFile, DamagedFilesLoadWhatCanBeReadAndAreNotReplacedUnlessSafe) {
    const auto raw = [](std::string bytes) {
        return [bytes](const fs::path&, const std::string& ini) {
            std::ofstream(ini, std::ios::binary) << bytes;
        };
    };
    const std::vector<DamageCase> cases = {
        {"no file", [](const fs::path&, const std::string&) {}, kDefaults, true},
        {"empty file", raw(""), kDefaults, true},
        {"garbage", raw(std::string("\x00\xff\x01[\r\n=\n\xfe", 9)), kDefaults, true},
        {"garbage around one good key",
         raw(std::string("\x7f\x00junk\n[Scores]\nMaxHits=4\n\x01\x02=", 25)),
         {0, 0, 4, 0, 37, 39},
         true},
        {"read-only file",
         [](const fs::path&, const std::string& ini) {
             std::ofstream(ini, std::ios::binary) << kAllSix;
             fs::permissions(ini, fs::perms::owner_read | fs::perms::group_read);
         },
         kAllSixValues, false},
        {"link to a read-only file",
         [](const fs::path& folder, const std::string& ini) {
             std::ofstream(folder / "real.ini", std::ios::binary) << kAllSix;
             fs::permissions(folder / "real.ini", fs::perms::owner_read);
             fs::create_symlink("real.ini", ini);
         },
         kAllSixValues, false},
        {"folder", [](const fs::path&, const std::string& ini) { fs::create_directory(ini); },
         kDefaults, false},
        {"pipe", [](const fs::path&, const std::string& ini) { ::mkfifo(ini.c_str(), 0644); },
         kDefaults, false},
        {"device",
         [](const fs::path&, const std::string& ini) { fs::create_symlink("/dev/zero", ini); },
         kDefaults, false},
        {"dangling link",
         [](const fs::path&, const std::string& ini) { fs::create_symlink("gone.ini", ini); },
         kDefaults, false},
        {"200 MB sparse file",
         [](const fs::path&, const std::string& ini) {
             std::ofstream(ini, std::ios::binary) << kAllSix;
             fs::resize_file(ini, 200u << 20);
         },
         kDefaults, false},
    };
    const Six saved = {777, 88, 9, 2, 81, 82};
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        c.setUp(folder_, path_);
        EXPECT_EQ(Loaded(), c.loaded);

        const std::vector<std::string> before = Snapshot();
        SetSix(saved);
        game->SaveSettings(path_);
        if (c.saved) {
            EXPECT_EQ(Loaded(), saved);
            EXPECT_EQ(fs::symlink_status(path_).type(), fs::file_type::regular);
            EXPECT_EQ(Snapshot().size(), 1u);
        } else {
            EXPECT_EQ(Snapshot(), before);
        }
    }
}

}  // namespace
