#include "platform/SettingsLocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "fakes/Files.h"
#include "fakes/HostileFiles.h"

namespace {

namespace fs = std::filesystem;

enum class Where { kBeside, kDataHome, kLocalShare };
enum class DataHome { kUnset, kAbsolute, kRelative, kUnsetAndHomeReadOnly };

struct Case {
    const char* name;
    bool folderTakesWrites;
    const char* beside;  // the file beside the program, read-only; nullptr for none
    DataHome dataHome;
    const char* alreadyKept;  // a file already in the user's data folder; nullptr for none
    Where expected;
    const char* expectedContents;  // nullptr: no file there yet
};

constexpr char kSeed[] = "[Scores]\r\nHiScore=7\r\n";
constexpr char kKept[] = "[Scores]\r\nHiScore=99\r\n";
using D = DataHome;
using W = Where;

// clang-format off
constexpr Case kCases[] = {
    {"PortableCopyKeepsItsFile",       true,  kSeed,   D::kAbsolute, nullptr, W::kBeside,     kSeed},
    {"PortableCopyWithoutAFileYet",    true,  nullptr, D::kAbsolute, nullptr, W::kBeside,     nullptr},
    {"PortableCopyIgnoresAKeptFile",   true,  kSeed,   D::kUnset,    kKept,   W::kBeside,     kSeed},
    {"InstalledSeedsXdgDataHome",      false, kSeed,   D::kAbsolute, nullptr, W::kDataHome,   kSeed},
    {"InstalledSeedsLocalShare",       false, kSeed,   D::kUnset,    nullptr, W::kLocalShare, kSeed},
    {"InstalledWithNothingToSeed",     false, nullptr, D::kAbsolute, nullptr, W::kDataHome,   nullptr},
    {"RelativeXdgDataHomeIsIgnored",   false, kSeed,   D::kRelative, nullptr, W::kLocalShare, kSeed},
    {"KeptFileWinsOverTheSeed",        false, kSeed,   D::kAbsolute, kKept,   W::kDataHome,   kKept},
    {"KeptFileInLocalShareWins",       false, kSeed,   D::kUnset,    kKept,   W::kLocalShare, kKept},
    {"NoDataFolderToBeHadReadsBeside", false, kSeed,   D::kUnsetAndHomeReadOnly, nullptr, W::kBeside, kSeed},
};
// clang-format on

// The player, an ordinary user whom a read-only folder stops, owns
// everything here; the program's folder app/ is the player's to write only
// in a portable copy.
TEST(SettingsLocation, ChoosesTheFolderThatKeepsResults) {
    const hostile::TestFolder base;
    const fs::path app = base.path() / "app";
    const fs::path home = base.path() / "home";
    const fs::path xdg = base.path() / "xdg-data";
    const auto dataFolder = [&](Where where) {
        return where == W::kDataHome ? xdg / "fendo" : home / ".local" / "share" / "fendo";
    };
    const std::string dataHomes[] = {"", xdg.string(), "xdg-data", ""};  // by DataHome
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(base.path());
        fs::create_directories(app);
        fs::create_directories(home);
        fs::permissions(base.path(), fs::perms(0755));
        if (c.beside != nullptr) {
            hostile::Write(app / "fendo.ini", c.beside);
            fs::permissions(app / "fendo.ini", fs::perms(0444));
        }
        if (c.alreadyKept != nullptr) {
            const fs::path kept =
                dataFolder(c.dataHome == D::kAbsolute ? W::kDataHome : W::kLocalShare);
            fs::create_directories(kept);
            hostile::Write(kept / "fendo.ini", c.alreadyKept);
        }
        if (!c.folderTakesWrites) {
            fs::permissions(app, fs::perms(0555));
        }
        if (c.dataHome == D::kUnsetAndHomeReadOnly) {
            fs::permissions(home, fs::perms(0500));
        }
        const platform::UserFolders folders = {dataHomes[static_cast<int>(c.dataHome)],
                                               home.string()};
        const fs::path expected =
            c.expected == W::kBeside ? app / "fendo.ini" : dataFolder(c.expected) / "fendo.ini";

        EXPECT_TRUE(fakes::AsNobody(
            base.path(),
            [&] {
                return platform::SettingsFilePath(app.string() + "/", folders) == expected.string();
            }))
            << "not chosen: " << expected;
        EXPECT_EQ(fakes::ReadBytes(expected), c.expectedContents
                                                  ? std::optional<std::string>(c.expectedContents)
                                                  : std::nullopt);
        // The file beside the program is read, never moved or changed, and the
        // write check leaves nothing behind.
        EXPECT_EQ(fakes::Snapshot(app).size(), c.beside == nullptr ? 0u : 1u);
        EXPECT_EQ(fakes::ReadBytes(app / "fendo.ini"),
                  c.beside ? std::optional<std::string>(c.beside) : std::nullopt);
        if (c.alreadyKept == nullptr && c.expected != W::kLocalShare) {
            EXPECT_FALSE(fs::exists(home / ".local"));
        }
        if (c.alreadyKept == nullptr && c.expected != W::kBeside) {
            const fs::perms mode = fs::status(dataFolder(c.expected)).permissions();
            EXPECT_EQ(mode & fs::perms::all, fs::perms::owner_all) << "the data folder is private";
            EXPECT_TRUE(!c.beside || (fs::status(expected).permissions() &
                                      fs::perms::owner_write) != fs::perms::none)
                << "the seed is the player's to write";
        }
        fs::permissions(app, fs::perms::owner_all, fs::perm_options::add);
        fs::permissions(home, fs::perms::owner_all, fs::perm_options::add);
    }
}

}  // namespace
