#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "IniFolder.h"
#include "platform/ProfileFile.h"

namespace {

namespace fs = std::filesystem;
using AtomicWrite = testsupport::IniFileTest;
using testsupport::ReadRawFrom;
using testsupport::WriteRawTo;

TEST_F(AtomicWrite, LeavesNoTemporaryFilesBehind) {
    EXPECT_TRUE(Write("Scores", "HiScore", "1"));
    EXPECT_TRUE(Write("Scores", "HiScore", "2"));
    EXPECT_TRUE(Write("Control Settings", "InputMode", "1"));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});
}

TEST_F(AtomicWrite, FailsWhenThePathIsAFolderAndLeavesItAlone) {
    fs::create_directory(path_);
    std::ofstream(fs::path(path_) / "inside", std::ios::binary) << "x";
    EXPECT_FALSE(Write("Scores", "HiScore", "1"));
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});
}

TEST_F(AtomicWrite, FailsWhenTheFolderIsMissingAndCreatesNothing) {
    const std::string nowhere = (folder_ / "missing" / "fendo.ini").string();
    EXPECT_FALSE(ProfileFile::WriteProfileString("Scores", "HiScore", "1", nowhere));
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(AtomicWrite, FailsWhenAFolderOnThePathIsARegularFile) {
    WriteRaw("[S]\nA=1\n");
    const std::string underFile = path_ + "/fendo.ini";
    EXPECT_FALSE(ProfileFile::WriteProfileString("S", "A", "2", underFile));
    EXPECT_EQ(ReadRaw(), "[S]\nA=1\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});
}

TEST_F(AtomicWrite, FailsInAReadOnlyFolderAndKeepsTheOldFile) {
    WriteRaw("[S]\nA=1\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(AsPlayer([&] { return Write("S", "A", "2"); }));
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(ReadRaw(), "[S]\nA=1\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});
}

TEST_F(AtomicWrite, FailsWhenTheFileCannotBeReadAndKeepsIt) {
    WriteRaw("[S]\nA=1\n");
    fs::permissions(path_, fs::perms::owner_write);
    EXPECT_FALSE(AsPlayer([&] { return Write("S", "B", "2"); }));
    fs::permissions(path_, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(ReadRaw(), "[S]\nA=1\n");
}

// A file-size limit makes writing the new contents fail part way, for root as
// well, which is the case the temporary file exists for: the old settings must
// survive a write that dies after it started.
TEST_F(AtomicWrite, FailedWriteOfTheNewContentsKeepsTheOldFileWhole) {
    const std::string before = "[Scores]\r\nHiScore=1\r\n";
    WriteRaw(before);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 8;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = Write("Scores", "HiScore", "123456789");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadRaw(), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});
    EXPECT_TRUE(Write("Scores", "HiScore", "123456789"));
    EXPECT_EQ(Read("Scores", "HiScore"), "123456789");
}

// What a failed write must leave exactly as it was: every entry of the
// folder with its kind, permission bits and contents or link target.
void Describe(const fs::path& folder, const fs::path& under,
              std::map<std::string, std::string>& entries) {
    for (const fs::directory_entry& e : fs::directory_iterator(under)) {
        const fs::file_status status = fs::symlink_status(e.path());
        std::string what = std::to_string(static_cast<int>(status.type())) + " " +
                           std::to_string(static_cast<int>(status.permissions())) + " ";
        if (fs::is_symlink(status)) {
            what += fs::read_symlink(e.path()).string();
        } else if (fs::is_regular_file(status)) {
            what += ReadRawFrom(e.path());
        } else if (fs::is_directory(status)) {
            Describe(folder, e.path(), entries);
        }
        entries[e.path().lexically_relative(folder).string()] = what;
    }
}

std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    Describe(folder, folder, entries);
    return entries;
}

struct PermissionCase {
    const char* name;
    std::function<fs::path(const fs::path& folder, const fs::path& ini)> setUp;  // the file written
    bool written;
};

// Permission bits decide, for root as for anyone: a file whose owner may not
// write it is kept as it is, the way a read-only attribute keeps it.
TEST_F(AtomicWrite, ReplacesOnlyAWritableRegularFileThroughAnyLinks) {
    const auto file = [](fs::perms perms) {
        return [perms](const fs::path&, const fs::path& ini) {
            WriteRawTo(ini, "[S]\r\nA=1\r\n");
            fs::permissions(ini, perms);
            return ini;
        };
    };
    const auto linkTo = [](fs::perms perms, const std::string& target) {
        return [perms, target](const fs::path& folder, const fs::path& ini) {
            fs::create_directories(folder / "real");
            WriteRawTo(folder / "real" / "settings.ini", "[S]\r\nA=1\r\n");
            fs::permissions(folder / "real" / "settings.ini", perms);
            fs::create_symlink(target, ini);
            return folder / "real" / "settings.ini";
        };
    };
    using P = fs::perms;
    const P rw = P::owner_read | P::owner_write;
    const P r = P::owner_read | P::group_read | P::others_read;
    const std::vector<PermissionCase> cases = {
        {"0644 file", file(rw | P::group_read | P::others_read), true},
        {"0600 file", file(rw), true},
        {"0444 file", file(r), false},
        {"0400 file", file(P::owner_read), false},
        {"0555 file", file(r | P::owner_exec | P::group_exec | P::others_exec), false},
        {"0464 file, only its group may write", file(r | P::group_write), false},
        {"link to a 0644 file", linkTo(rw | P::group_read, "real/settings.ini"), true},
        {"link to a 0444 file", linkTo(r, "real/settings.ini"), false},
        {"link to a link to a 0600 file",
         [&](const fs::path& folder, const fs::path& ini) {
             const fs::path real = linkTo(rw, "real/settings.ini")(folder, folder / "hop.ini");
             fs::create_symlink("hop.ini", ini);
             return real;
         },
         true},
        {"dangling link",
         [](const fs::path& folder, const fs::path& ini) {
             fs::create_symlink("gone.ini", ini);
             return folder / "gone.ini";
         },
         false},
        {"link in a loop",
         [](const fs::path& folder, const fs::path& ini) {
             fs::create_symlink("fendo.ini", ini);
             return folder / "fendo.ini";
         },
         false},
    };
    for (const PermissionCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        const fs::path written = c.setUp(folder_, path_);
        const std::map<std::string, std::string> before = Snapshot(folder_);
        const auto modeBefore = fs::symlink_status(written).permissions();

        EXPECT_EQ(Write("S", "A", "2"), c.written);
        if (!c.written) {
            EXPECT_EQ(Snapshot(folder_), before);
            continue;
        }
        EXPECT_EQ(ReadRawFrom(written), "[S]\r\nA=2\r\n");
        EXPECT_EQ(fs::symlink_status(written).permissions(), modeBefore);
        std::map<std::string, std::string> after = Snapshot(folder_);
        ASSERT_EQ(after.size(), before.size());
        for (const auto& [name, what] : before) {
            EXPECT_EQ(after.count(name), 1u) << name;
        }
    }
}

TEST_F(AtomicWrite, ReadsAFileUpToTheLimitAndNothingOfALongerOne) {
    constexpr std::size_t kLimit = 4096;
    WriteRaw(std::string(kLimit, 'x'));
    const platform::FileContents whole = platform::ReadWholeFile(path_, kLimit);
    EXPECT_EQ(whole.state, platform::FileState::kRead);
    EXPECT_EQ(whole.bytes.size(), kLimit);
    WriteRaw(std::string(kLimit + 1, 'x'));
    const platform::FileContents tooLong = platform::ReadWholeFile(path_, kLimit);
    EXPECT_EQ(tooLong.state, platform::FileState::kTooLarge);
    EXPECT_TRUE(tooLong.bytes.empty());
}

// A device gives bytes without end and a pipe may never give any: neither is
// opened, and neither is replaced.
TEST_F(AtomicWrite, LeavesDevicesAndPipesAloneWithoutReadingThem) {
    fs::create_symlink("/dev/zero", path_);
    EXPECT_EQ(platform::ReadWholeFile(path_, 1 << 20).state, platform::FileState::kUnreadable);
    EXPECT_FALSE(platform::ReplaceFileAtomically(path_, "[S]\r\n"));
    EXPECT_EQ(fs::read_symlink(path_), "/dev/zero");
    fs::remove(path_);
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    EXPECT_EQ(platform::ReadWholeFile(path_, 1 << 20).state, platform::FileState::kUnreadable);
    EXPECT_FALSE(platform::ReplaceFileAtomically(path_, "[S]\r\n"));
    EXPECT_TRUE(fs::is_fifo(path_));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});
}

}  // namespace
