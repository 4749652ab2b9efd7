#include "platform/SettingsLocation.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

enum class Where { kBeside, kDataHome, kLocalShare };
enum class DataHome { kUnset, kAbsolute, kRelative };

struct Case {
    const char* name;
    bool folderTakesWrites;
    const char* beside;  // the file beside the program; nullptr for none
    DataHome dataHome;
    const char* alreadyKept;  // a file already in the user's data folder; nullptr for none
    Where expected;
    const char* expectedContents;  // nullptr: no file there yet
};

constexpr char kSeed[] = "[Scores]\r\nHiScore=7\r\n";
constexpr char kKept[] = "[Scores]\r\nHiScore=99\r\n";

// clang-format off
constexpr Case kCases[] = {
    {"PortableCopyKeepsItsFile",          true,  kSeed,   DataHome::kAbsolute, nullptr, Where::kBeside,     kSeed},
    {"PortableCopyWithoutAFileYet",       true,  nullptr, DataHome::kAbsolute, nullptr, Where::kBeside,     nullptr},
    {"PortableCopyIgnoresAKeptFile",      true,  kSeed,   DataHome::kUnset,    kKept,   Where::kBeside,     kSeed},
    {"InstalledSeedsXdgDataHome",         false, kSeed,   DataHome::kAbsolute, nullptr, Where::kDataHome,   kSeed},
    {"InstalledSeedsLocalShare",          false, kSeed,   DataHome::kUnset,    nullptr, Where::kLocalShare, kSeed},
    {"InstalledWithNothingToSeed",        false, nullptr, DataHome::kAbsolute, nullptr, Where::kDataHome,   nullptr},
    {"InstalledWithNothingToSeedNoXdg",   false, nullptr, DataHome::kUnset,    nullptr, Where::kLocalShare, nullptr},
    {"RelativeXdgDataHomeIsIgnored",      false, kSeed,   DataHome::kRelative, nullptr, Where::kLocalShare, kSeed},
    {"KeptFileWinsOverTheSeed",           false, kSeed,   DataHome::kAbsolute, kKept,   Where::kDataHome,   kKept},
    {"KeptFileInLocalShareWins",          false, kSeed,   DataHome::kUnset,    kKept,   Where::kLocalShare, kKept},
};
// clang-format on

std::optional<std::string> Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Account {
    uid_t uid;
    gid_t gid;
};

Account Nobody() {
    const passwd* user = getpwnam("nobody");
    const group* nogroup = getgrnam("nogroup");
    if (user == nullptr) {
        return {65534, 65534};
    }
    return {user->pw_uid, nogroup != nullptr ? nogroup->gr_gid : user->pw_gid};
}

// Root writes through permission bits, so a read-only folder only stays read-only for an
// ordinary account: run the call as nobody in a child process, whose answer comes back in a
// pipe.
std::string AsOrdinaryUser(const std::function<std::string()>& call) {
    if (geteuid() != 0) {
        return call();
    }
    int ends[2];
    if (pipe(ends) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        const Account nobody = Nobody();
        if (setgroups(0, nullptr) != 0 || setresgid(nobody.gid, nobody.gid, nobody.gid) != 0 ||
            setresuid(nobody.uid, nobody.uid, nobody.uid) != 0) {
            _exit(3);
        }
        const std::string answer = call();
        const bool sent =
            write(ends[1], answer.data(), answer.size()) == static_cast<ssize_t>(answer.size());
        _exit(sent ? 0 : 4);
    }
    close(ends[1]);
    std::string answer;
    char buffer[512];
    for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;) {
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    return answer;
}

// Everything the user owns lives under user/; the program's folder app/ is the
// user's to write only in a portable copy.
class SettingsLocationTest : public testing::Test {
protected:
    void SetUp() override {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        base_ = fs::path(testing::TempDir()) /
                ("SettingsLocation_" + std::to_string(getpid()) + "_" + info->name());
        fs::remove_all(base_);
        fs::create_directories(app());
        fs::create_directories(home());
        fs::permissions(base_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    }

    void TearDown() override {
        fs::permissions(app(), fs::perms::owner_all, fs::perm_options::add);
        fs::permissions(home(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(base_);
    }

    fs::path app() const { return base_ / "app"; }
    fs::path user() const { return base_ / "user"; }
    fs::path home() const { return user() / "home"; }
    fs::path xdgDataHome() const { return user() / "xdg-data"; }
    fs::path localShare() const { return home() / ".local" / "share"; }

    fs::path DataFolderFor(Where where) const {
        return where == Where::kDataHome ? xdgDataHome() / "fendo" : localShare() / "fendo";
    }

    platform::UserFolders Folders(DataHome dataHome) const {
        switch (dataHome) {
            case DataHome::kAbsolute:
                return {xdgDataHome().string(), home().string()};
            case DataHome::kRelative:
                return {"xdg-data", home().string()};
            case DataHome::kUnset:
                break;
        }
        return {"", home().string()};
    }

    // The folders the user owns become nobody's when the call runs as nobody.
    void HandUserFoldersOver() const {
        if (geteuid() != 0) {
            return;
        }
        const Account nobody = Nobody();
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(user())) {
            ASSERT_EQ(lchown(entry.path().c_str(), nobody.uid, nobody.gid), 0) << entry.path();
        }
        ASSERT_EQ(chown(user().c_str(), nobody.uid, nobody.gid), 0);
    }

    void MakeAppFolderReadOnly() const {
        fs::permissions(app(), fs::perms::owner_read | fs::perms::owner_exec |
                                   fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
    }

    std::vector<std::string> AppEntries() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(app())) {
            names.push_back(e.path().filename().string());
        }
        return names;
    }

    std::string AppFolderText() const { return app().string() + "/"; }

    fs::path base_;
};

TEST_F(SettingsLocationTest, ChoosesTheFolderThatKeepsResults) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (c.beside != nullptr) {
            WriteFile(app() / "fendo.ini", c.beside);
        }
        if (c.alreadyKept != nullptr) {
            const fs::path kept = DataFolderFor(
                c.dataHome == DataHome::kAbsolute ? Where::kDataHome : Where::kLocalShare);
            fs::create_directories(kept);
            WriteFile(kept / "fendo.ini", c.alreadyKept);
        }
        const platform::UserFolders folders = Folders(c.dataHome);
        const std::string appFolder = AppFolderText();

        std::string chosen;
        if (c.folderTakesWrites) {
            chosen = platform::SettingsFilePath(appFolder, folders);
        } else {
            HandUserFoldersOver();
            MakeAppFolderReadOnly();
            chosen = AsOrdinaryUser([&] { return platform::SettingsFilePath(appFolder, folders); });
        }

        const fs::path expected = c.expected == Where::kBeside
                                      ? app() / "fendo.ini"
                                      : DataFolderFor(c.expected) / "fendo.ini";
        EXPECT_EQ(chosen, expected.string());
        const std::optional<std::string> kept = Contents(expected);
        if (c.expectedContents == nullptr) {
            EXPECT_FALSE(kept.has_value());
        } else {
            EXPECT_EQ(kept.value_or("(no file)"), c.expectedContents);
        }
        // The file beside the program is read, never moved or changed, and the
        // write check leaves nothing behind.
        EXPECT_EQ(Contents(app() / "fendo.ini"),
                  c.beside == nullptr ? std::nullopt : std::optional<std::string>(c.beside));
        EXPECT_EQ(AppEntries().size(), c.beside == nullptr ? 0u : 1u);
        if (c.expected != Where::kBeside && c.alreadyKept == nullptr) {
            const fs::perms mode = fs::status(DataFolderFor(c.expected)).permissions();
            EXPECT_EQ(mode & fs::perms::all, fs::perms::owner_all) << "the data folder is private";
        }
    }
}

TEST_F(SettingsLocationTest, WithNoDataFolderToBeHadTheFileBesideIsStillRead) {
    WriteFile(app() / "fendo.ini", kSeed);
    HandUserFoldersOver();
    fs::permissions(home(), fs::perms::owner_read | fs::perms::owner_exec);
    MakeAppFolderReadOnly();
    const std::string appFolder = AppFolderText();
    const std::string chosen = AsOrdinaryUser(
        [&] { return platform::SettingsFilePath(appFolder, Folders(DataHome::kUnset)); });
    EXPECT_EQ(chosen, (app() / "fendo.ini").string());
    EXPECT_FALSE(fs::exists(home() / ".local"));
}

TEST_F(SettingsLocationTest, TheSeedIsTheUsersToWrite) {
    WriteFile(app() / "fendo.ini", kSeed);
    fs::permissions(app() / "fendo.ini",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    HandUserFoldersOver();
    MakeAppFolderReadOnly();
    const std::string appFolder = AppFolderText();
    const std::string answer = AsOrdinaryUser([&] {
        const std::string path =
            platform::SettingsFilePath(appFolder, Folders(DataHome::kAbsolute));
        return path + (access(path.c_str(), W_OK) == 0 ? "\nwritable" : "\nread-only");
    });
    EXPECT_EQ(answer, (xdgDataHome() / "fendo" / "fendo.ini").string() + "\nwritable");
}

}  // namespace
