#include "files/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "IniFolder.h"

namespace {

namespace fs = std::filesystem;
using AtomicWrite = fakes::IniFileTest;

struct Target {
    const char* name;
    std::function<fs::path(const fs::path& folder, const fs::path& ini)> setUp;  // the file written
    bool written;
    bool asPlayer = false;  // permission bits stop root's writes only where the mode says so
};

// Only a readable, writable regular file of sane size is replaced, through
// any links; for root as for anyone, a file whose owner may not write it is
// kept as it is, the way a read-only attribute keeps it. A refused write
// leaves every entry of the folder exactly as it was.
TEST_F(AtomicWrite, ReplacesOnlyAWritableRegularFileOfSaneSizeThroughAnyLinks) {
    const auto file = [](fs::perms perms, const char* name = "fendo.ini") {
        return [perms, name](const fs::path& folder, const fs::path&) {
            fakes::Write(folder / name, "[S]\r\nA=1\r\n");
            fs::permissions(folder / name, perms);
            return folder / name;
        };
    };
    const auto linkTo = [&file](fs::perms perms) {
        return [&file, perms](const fs::path& folder, const fs::path& ini) {
            fs::create_symlink("real.ini", ini);
            return file(perms, "real.ini")(folder, ini);
        };
    };
    using P = fs::perms;
    const P rw = P::owner_read | P::owner_write;
    const P r = P::owner_read | P::group_read | P::others_read;
    const std::vector<Target> cases = {
        {"0644 file", file(rw | P::group_read | P::others_read), true},
        {"0600 file", file(rw), true},
        {"0444 file", file(r), false},
        {"0464 file, only its group may write", file(r | P::group_write), false},
        {"0200 file, not readable", file(P::owner_write), false, true},
        {"0666 file of another user",
         [&](const fs::path& folder, const fs::path& ini) {
             const fs::path written = file(rw | P::group_write | P::others_write)(folder, ini);
             return ::lchown(written.c_str(), 12345, 12345), written;
         },
         false},
        {"link to a 0640 file", linkTo(rw | P::group_read), true},
        {"link to a 0444 file", linkTo(r), false},
        {"link to a link to a 0600 file",
         [&](const fs::path& folder, const fs::path& ini) {
             fs::create_symlink("hop.ini", ini);
             return linkTo(rw)(folder, folder / "hop.ini");
         },
         true},
        {"dangling link", [](auto&, auto& ini) { return fs::create_symlink("gone.ini", ini), ini; },
         false},
        {"link in a loop",
         [](auto&, auto& ini) { return fs::create_symlink("fendo.ini", ini), ini; }, false},
        {"file in a read-only folder",
         [&](const fs::path& folder, const fs::path& ini) {
             file(rw)(folder, ini);
             fs::permissions(folder, P::owner_read | P::owner_exec);
             return ini;
         },
         false, true},
        {"200 MB sparse file",
         [](auto&, auto& ini) { return fakes::WriteSparse(ini, "[S]\r\n", 200u << 20), ini; },
         false},
    };
    std::vector<Target> all = cases;
    for (const fakes::NotAFile& kind : fakes::kNotAFile) {
        all.push_back(
            {kind.name, [&kind](auto&, auto& ini) { return kind.make(ini), ini; }, false});
    }
    for (const Target& c : all) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const fs::path written = c.setUp(folder_, path_);
        auto before = fakes::Snapshot(folder_);
        const auto mode = fs::symlink_status(written).permissions();
        const fakes::HangGuard guard;

        EXPECT_EQ(c.asPlayer ? fakes::AsNobody(folder_, [&] { return Write("S", "A", "2"); })
                             : Write("S", "A", "2"),
                  c.written);
        if (!c.written) {
            EXPECT_EQ(fakes::Snapshot(folder_), before);
            continue;
        }
        EXPECT_EQ(fakes::ReadBytes(written), "[S]\r\nA=2\r\n");
        EXPECT_EQ(fs::symlink_status(written).permissions(), mode);
        auto after = fakes::Snapshot(folder_);
        after[written.filename().string()] = before[written.filename().string()];
        EXPECT_EQ(after, before) << "links and other entries stay as they were";
    }
}

// A link is followed only when the player owns it, or when root owns both it
// and its folder: one that another user could have planted in a folder open
// to them leads nowhere, for reads and writes alike, root's included.
TEST_F(AtomicWrite, FollowsOnlyLinksNoOtherUserCanHavePlanted) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making links and folders of other users needs root";
    }
    const uid_t nobody = fakes::NobodyId();
    constexpr uid_t kOther = 12345;
    struct Case {
        uid_t link, folder, player;
        bool followed;
    };
    const std::vector<Case> cases = {
        {nobody, kOther, nobody, true},
        {0, 0, nobody, true},
        {0, 0, 0, true},
        {kOther, kOther, nobody, false},
        {0, nobody, nobody, false},
        {kOther, nobody, nobody, false},
        {kOther, 0, nobody, false},
        {kOther, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "link " << c.link << ", folder " << c.folder << ", player " << c.player);
        TearDown();
        SetUp();
        const fs::path links = folder_ / "links", real = folder_ / "real";
        fs::create_directories(real);
        fakes::Write(real / "private.ini", "[S]\r\nA=1\r\n");
        fs::permissions(real / "private.ini", fs::perms(0600));
        fs::create_directory(links);
        fs::permissions(links, fs::perms(c.folder == 0 ? 01777 : 0777));
        fs::create_symlink("../real/private.ini", links / "fendo.ini");
        ASSERT_EQ(::lchown((links / "fendo.ini").c_str(), c.link, c.link), 0);
        ASSERT_EQ(::chown(links.c_str(), c.folder, c.folder), 0);
        for (const fs::path& mine : {real, real / "private.ini"}) {
            ASSERT_EQ(::chown(mine.c_str(), c.player, c.player), 0);
        }
        const std::string ini = links / "fendo.ini";
        EXPECT_EQ(fakes::RunAs(c.player,
                               [&] { return files::ReadProfileString("S", "A", "0", ini) == "1"; }),
                  c.followed);
        EXPECT_EQ(
            fakes::RunAs(c.player, [&] { return files::WriteProfileString("S", "B", "2", ini); }),
            c.followed);
        EXPECT_EQ(fakes::ReadBytes(real / "private.ini"),
                  c.followed ? "[S]\r\nA=1\r\nB=2\r\n" : "[S]\r\nA=1\r\n");
        EXPECT_TRUE(fs::is_symlink(links / "fendo.ini"));
    }
}

// A file-size limit makes writing the new contents fail part way, for root as
// well: the old settings must survive a write that dies after it started, and
// what a killed save left is cleared by the next one, which succeeds.
TEST_F(AtomicWrite, ASaveCutShortKeepsTheOldFileAndTheNextSaveClearsUp) {
    const std::string before = "[Scores]\r\nHiScore=1\r\n";
    WriteRaw(before);
    EXPECT_FALSE(fakes::UnderFileSizeLimit(8, [&] { return Write("Scores", "HiScore", "123"); }));
    EXPECT_EQ(ReadRaw(), before);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});

    fakes::Write(folder_ / ("fendo.ini." + std::to_string(fakes::EndedProcessId()) + "-0.tmp"),
                 "[");
    EXPECT_TRUE(Write("Scores", "HiScore", "123456789"));
    EXPECT_EQ(Read("Scores", "HiScore"), "123456789");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"fendo.ini"});
}

// The update writes where it read or nowhere: a folder moved away meanwhile
// keeps what it held, and what took its name gets nothing.
TEST_F(AtomicWrite, AnUpdateWritesNothingOnceItsFolderWasMovedAway) {
    const fs::path moved = folder_.string() + ".moved";
    for (const bool fileThere : {true, false}) {
        SCOPED_TRACE(fileThere ? "file there" : "no file yet");
        if (fileThere) {
            WriteRaw("[S]\r\nA=1\r\n");
        }
        files::FileUpdate update(path_, 1024);
        fs::rename(folder_, moved);
        fs::create_directory(folder_);
        EXPECT_FALSE(update.Replace("[S]\r\nA=2\r\n"));
        EXPECT_EQ(fakes::ReadBytes(moved / "fendo.ini").value_or("none"),
                  fileThere ? "[S]\r\nA=1\r\n" : "none");
        EXPECT_TRUE(fs::is_empty(folder_));
        fs::remove_all(folder_);
        fs::rename(moved, folder_);
        fs::remove(path_);
    }
}

// Files under /proc say they are empty and then read on: the limit holds
// for what is read, not for the size first seen.
TEST(ReadWholeFile, AFileThatReadsLongerThanItsSizeIsTooLarge) {
    EXPECT_EQ(files::ReadWholeFile("/proc/self/status", 16).state, files::FileState::kTooLarge);
    EXPECT_EQ(files::ReadWholeFile("/proc/self/status", 1048576).state, files::FileState::kRead);
}

}  // namespace
