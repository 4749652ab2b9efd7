#include "files/SettingsLocation.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fakes/Files.h"
#include "fakes/HostileFiles.h"

namespace {

namespace fs = std::filesystem;

// clang-format off
// What is odd about the program's folder app/, if anything.
enum class Program { kPlain, kWritableFile, kAnothersFile, kForeignGroup, kAnothersFolder,
    kAnothersLinkInRootsFolder, kOutOfInodes, kUsrBinAsRoot, kOptAsRoot, kLinkToUsrBinAsRoot,
    kRootsSeed };
enum class DataHome { kUnset, kAbsolute, kRelative, kUnsetAndHomeReadOnly, kAFile, kReadOnly,
    kReadOnlyFendo, kAnothersFendo, kOutOfInodes, kUnsetAndLocalShareOpenToAll };
enum class Where { kBeside, kDataHome, kLocalShare, kNowhere };

struct Case {
    const char* name;
    int programMode;  // of app/, the player's unless the row says otherwise
    Program program;
    const char* beside;  // beside the program, read-only unless the row says so; or nullptr
    DataHome dataHome;
    const char* alreadyKept;  // a file already in the user's data folder; nullptr for none
    Where expected;
    const char* expectedContents;  // nullptr: no file there yet
};

constexpr char kSeed[] = "[Scores]\r\nHiScore=7\r\n";
constexpr char kKept[] = "[Scores]\r\nHiScore=99\r\n";
constexpr uid_t kAnotherUser = 4242;
using P = Program;
using D = DataHome;
using W = Where;

constexpr Case kCases[] = {
    {"PortableCopyKeepsItsFile",       0755, P::kPlain, kSeed,   D::kAbsolute, nullptr, W::kBeside,     kSeed},
    {"PortableCopyWithoutAFileYet",    0755, P::kPlain, nullptr, D::kAbsolute, nullptr, W::kBeside,     nullptr},
    {"PortableCopyIgnoresAKeptFile",   0755, P::kPlain, kSeed,   D::kUnset,    kKept,   W::kBeside,     kSeed},
    {"InstalledSeedsXdgDataHome",      0555, P::kPlain, kSeed,   D::kAbsolute, nullptr, W::kDataHome,   kSeed},
    {"InstalledSeedsLocalShare",       0555, P::kPlain, kSeed,   D::kUnset,    nullptr, W::kLocalShare, kSeed},
    {"InstalledWithNothingToSeed",     0555, P::kPlain, nullptr, D::kAbsolute, nullptr, W::kDataHome,   nullptr},
    {"RelativeXdgDataHomeIsIgnored",   0555, P::kPlain, kSeed,   D::kRelative, nullptr, W::kLocalShare, kSeed},
    {"KeptFileWinsOverTheSeed",        0555, P::kPlain, kSeed,   D::kAbsolute, kKept,   W::kDataHome,   kKept},
    {"KeptFileInLocalShareWins",       0555, P::kPlain, kSeed,   D::kUnset,    kKept,   W::kLocalShare, kKept},
    {"NoDataFolderToBeHadKeepsNone",   0555, P::kPlain, kSeed,   D::kUnsetAndHomeReadOnly, nullptr, W::kNowhere, nullptr},
    {"WritableFileInReadOnlyFolder",   0555, P::kWritableFile, kSeed, D::kAbsolute, nullptr, W::kBeside, kSeed},
    {"AnothersFileInReadOnlyFolder",   0555, P::kAnothersFile, kSeed, D::kAbsolute, nullptr, W::kDataHome, nullptr},
    {"FolderOpenToAllIsNotUsed",       0777, P::kPlain, kSeed,   D::kAbsolute, nullptr, W::kDataHome,   nullptr},
    {"FolderOfAForeignGroupIsNotUsed", 0775, P::kForeignGroup, kSeed, D::kAbsolute, nullptr, W::kDataHome, nullptr},
    {"FolderOfThePlayersGroupIsUsed",  0775, P::kPlain, kSeed,   D::kAbsolute, nullptr, W::kBeside,     kSeed},
    {"StickyFolderOpenToAllIsUsed",   01777, P::kPlain, kSeed,   D::kAbsolute, nullptr, W::kBeside,     kSeed},
    {"AnothersCopyGivesNoSeed",        0755, P::kAnothersFolder, kSeed, D::kAbsolute, nullptr, W::kDataHome, nullptr},
    {"AnothersLinkIsNoSeed",          01777, P::kAnothersLinkInRootsFolder, kSeed, D::kAbsolute, nullptr, W::kDataHome, nullptr},
    {"AnothersDataFolderIsNotUsed",    0555, P::kPlain, kSeed,   D::kAnothersFendo, nullptr, W::kLocalShare, kSeed},
    {"LocalShareOpenToAllKeepsNone",   0555, P::kPlain, kSeed,   D::kUnsetAndLocalShareOpenToAll, nullptr, W::kNowhere, nullptr},
    {"XdgDataHomeThatIsAFile",         0555, P::kPlain, kSeed,   D::kAFile,    nullptr, W::kLocalShare, kSeed},
    {"ReadOnlyXdgDataHome",            0555, P::kPlain, kSeed,   D::kReadOnly, nullptr, W::kLocalShare, kSeed},
    {"ReadOnlyDataFolder",             0555, P::kPlain, kSeed,   D::kReadOnlyFendo, nullptr, W::kLocalShare, kSeed},
    {"NoInodesKeepTheFileBeside",      0755, P::kOutOfInodes, kSeed, D::kAbsolute, nullptr, W::kBeside, kSeed},
    {"NoInodesKeepTheXdgDataHome",     0555, P::kPlain, kSeed,   D::kOutOfInodes, nullptr, W::kDataHome, nullptr},
    {"UsrInstallIsNotWrittenByRoot",   0755, P::kUsrBinAsRoot, nullptr, D::kAbsolute, nullptr, W::kDataHome, nullptr},
    {"OptInstallIsNotWrittenByRoot",   0755, P::kOptAsRoot, nullptr, D::kAbsolute, nullptr, W::kDataHome, nullptr},
    {"UsrInstallByALinkIsNotWritten",  0755, P::kLinkToUsrBinAsRoot, nullptr, D::kAbsolute, nullptr, W::kDataHome, nullptr},
    {"RootsSeedIsTaken",               0555, P::kRootsSeed, kSeed, D::kAbsolute, nullptr, W::kDataHome, kSeed},
};
// clang-format on

// A filesystem over the folder with room for `entries` more files or
// folders and no more, as on a disk out of inodes.
bool MountOutOfInodes(const fs::path& folder, int entries) {
    fs::create_directories(folder);
    const std::string inodes = "nr_inodes=" + std::to_string(entries + 1);
    return ::mount("fendo-full", folder.c_str(), "tmpfs", 0, inodes.c_str()) == 0;
}

void MakeFolder(const fs::path& folder, int mode) {
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms(mode));
}

// The player is "nobody", whom permission bits stop, and owns everything
// here unless the row hands it to someone else.
TEST(SettingsLocation, ChoosesTheFolderThatKeepsResults) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to hand files to other users and to mount a full disk";
    }
    // Mounts that a crash leaves then go with this process.
    EXPECT_TRUE(::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0);
    const fakes::TestFolder base;
    const fs::path app = base.path() / "app";
    const fs::path home = base.path() / "home";
    const fs::path xdg = base.path() / "xdg-data";
    const fs::path localShare = home / ".local" / "share" / "fendo";
    const auto dataFolder = [&](Where where) {
        return where == W::kDataHome ? xdg / "fendo" : localShare;
    };
    std::vector<std::string> notRun;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        base.Reset();
        MakeFolder(home, 0755);
        fs::permissions(base.path(), fs::perms(0755));
        const bool full = c.program == P::kOutOfInodes || c.dataHome == D::kOutOfInodes;
        const fs::path fullFolder = c.program == P::kOutOfInodes ? app : xdg;
        if (full && !MountOutOfInodes(fullFolder, c.program == P::kOutOfInodes && c.beside)) {
            notRun.push_back(c.name);
            continue;
        }
        fs::create_directories(app);
        if (c.beside != nullptr) {
            fakes::Write(app / "fendo.ini", c.beside);
            const bool writable = c.program == P::kWritableFile || c.program == P::kAnothersFile;
            fs::permissions(app / "fendo.ini", fs::perms(writable ? 0666 : 0444));
        }
        const fs::path kept =
            dataFolder(c.dataHome == D::kAbsolute ? W::kDataHome : W::kLocalShare);
        if (c.alreadyKept != nullptr) {
            MakeFolder(kept, 0700);
            fakes::Write(kept / "fendo.ini", c.alreadyKept);
        }
        if (c.program == P::kAnothersLinkInRootsFolder) {
            fs::rename(app / "fendo.ini", home / "notes");
            fs::create_symlink(home / "notes", app / "fendo.ini");
        }
        fs::permissions(app, fs::perms(c.programMode));
        if (c.dataHome == D::kUnsetAndHomeReadOnly) {
            fs::permissions(home, fs::perms(0500));
        } else if (c.dataHome == D::kAFile) {
            fakes::Write(xdg, kKept);
        } else if (c.dataHome == D::kReadOnly || c.dataHome == D::kReadOnlyFendo) {
            MakeFolder(c.dataHome == D::kReadOnly ? xdg : xdg / "fendo", 0555);
        } else if (c.dataHome == D::kAnothersFendo) {
            MakeFolder(xdg / "fendo", 0775);
            fakes::Write(xdg / "fendo" / "fendo.ini", kKept);
            fs::permissions(xdg / "fendo" / "fendo.ini", fs::perms(0666));
            fs::permissions(xdg, fs::perms(01777));
        } else if (c.dataHome == D::kUnsetAndLocalShareOpenToAll) {
            MakeFolder(localShare, 0777);
        }
        fakes::GiveToNobody(base.path());
        if (c.program == P::kForeignGroup) {
            ::lchown(app.c_str(), -1, 0);
        }
        if (c.program == P::kAnothersFolder || c.program == P::kAnothersLinkInRootsFolder) {
            ::lchown(app.c_str(), c.program == P::kAnothersFolder ? kAnotherUser : 0, -1);
        }
        if (c.program == P::kLinkToUsrBinAsRoot) {
            fs::create_symlink("/usr/bin", base.path() / "bin");
        }
        if (c.program == P::kRootsSeed) {
            ::lchown((app / "fendo.ini").c_str(), 0, -1);
        }
        if (c.program == P::kAnothersFile || c.program == P::kAnothersLinkInRootsFolder) {
            ::lchown((app / "fendo.ini").c_str(), kAnotherUser, -1);
        }
        if (c.dataHome == D::kAnothersFendo) {
            ::lchown((xdg / "fendo").c_str(), kAnotherUser, -1);
            ::lchown((xdg / "fendo" / "fendo.ini").c_str(), kAnotherUser, -1);
        }
        // By DataHome.
        const std::string dataHomes[] = {"", xdg, "xdg-data", "", xdg, xdg, xdg, xdg, xdg, ""};
        const files::UserFolders folders = {dataHomes[static_cast<int>(c.dataHome)], home};
        const bool asRoot = c.program == P::kUsrBinAsRoot || c.program == P::kOptAsRoot ||
                            c.program == P::kLinkToUsrBinAsRoot;
        const std::string programFolder = !asRoot ? app.string() + "/"
                                          : c.program == P::kLinkToUsrBinAsRoot
                                              ? (base.path() / "bin").string() + "/"
                                          : c.program == P::kOptAsRoot ? "/opt/"
                                                                       : "/usr/bin/";
        const fs::path expected =
            c.expected == W::kBeside ? app / "fendo.ini" : dataFolder(c.expected) / "fendo.ini";
        const auto before = fakes::Snapshot(app);

        testing::internal::CaptureStderr();
        const auto chooses = [&] {
            return files::SettingsFilePath(programFolder, folders) ==
                   (c.expected == W::kNowhere ? std::nullopt : std::optional(expected.string()));
        };
        // From a folder the player may write, where a relative XDG_DATA_HOME could be made.
        const auto fromBase = [&] {
            fs::current_path(base.path());
            return chooses();
        };
        EXPECT_TRUE(asRoot ? chooses() : fakes::AsNobody(home, fromBase))
            << "not chosen: " << expected;
        const std::string warning = testing::internal::GetCapturedStderr();
        // Only a player left without a place hears of it: once, with the folder named.
        EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), c.expected == W::kNowhere)
            << warning;
        EXPECT_TRUE(c.expected != W::kNowhere || warning.find(localShare) != std::string::npos)
            << warning;
        EXPECT_EQ(fakes::ReadBytes(expected), c.expectedContents
                                                  ? std::optional<std::string>(c.expectedContents)
                                                  : std::nullopt);
        // The program's folder is only looked at: nothing made, moved or changed there.
        EXPECT_EQ(fakes::Snapshot(app), before);
        if (c.alreadyKept == nullptr && (c.expected == W::kBeside || c.expected == W::kDataHome)) {
            EXPECT_FALSE(fs::exists(home / ".local"));
        }
        if (c.alreadyKept == nullptr &&
            (c.expected == W::kDataHome || c.expected == W::kLocalShare) && !full) {
            const fs::perms mode = fs::status(dataFolder(c.expected)).permissions();
            EXPECT_EQ(mode & fs::perms::all, fs::perms::owner_all) << "the data folder is private";
            EXPECT_TRUE(!c.expectedContents || (fs::status(expected).permissions() &
                                                fs::perms::owner_write) != fs::perms::none)
                << "the seed is the player's to write";
        }
        if (full) {
            ::umount2(fullFolder.c_str(), MNT_DETACH);
        }
    }
    if (!notRun.empty()) {
        GTEST_SKIP() << "no full disk could be mounted for " << testing::PrintToString(notRun);
    }
}

}  // namespace
