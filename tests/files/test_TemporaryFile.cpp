#include "files/TemporaryFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "IniFolder.h"

namespace {

namespace fs = std::filesystem;
using TemporaryFile = fakes::IniFileTest;

TEST_F(TemporaryFile, RemovesOnlyTheTemporariesOfTheTargetThatAnEndedProcessLeft) {
    const std::string ended = std::to_string(fakes::EndedProcessId());
    const std::string running = std::to_string(::getpid());
    const std::string e = "fendo.ini." + ended;
    const std::vector<std::string> removed = {e + "-0.tmp", e + "-19.tmp"};
    // Run as another user: this process and process 1 are alive but not ours to signal.
    // clang-format off
    const std::vector<std::string> kept = {
        "fendo.ini", "fendo.ini." + running + "-0.tmp", "fendo.ini.1-0.tmp",
        e + "-x.tmp", e + "-.tmp", e + ".tmp",
        "fendo.ini.-" + ended + "-1.tmp", e + "-1.tmp.bak", e + "-1.TMP",
        "other.ini." + ended + "-1.tmp", "Fendo.ini." + ended + "-1.tmp", "fendo.ini.tmp",
    };
    // clang-format on
    for (const std::vector<std::string>* names : {&removed, &kept}) {
        for (const std::string& name : *names) {
            fakes::Write(folder_ / name, "x");
        }
    }
    const std::string folderByThatName = "fendo.ini." + ended + "-2.tmp";
    fs::create_directory(folder_ / folderByThatName);
    const std::string linkByThatName = "fendo.ini." + ended + "-3.tmp";
    fs::create_symlink("fendo.ini", folder_ / linkByThatName);

    fakes::AsNobody(folder_, [this] { return files::RemoveStaleTemporaries(path_), true; });

    std::vector<std::string> expected = kept;
    expected.push_back(folderByThatName);
    expected.push_back(linkByThatName);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(), expected);
}

// Both kinds of temporary, the unnamed one and the named one a filesystem
// without unnamed files gets, end up as a synced file holding the bytes.
TEST_F(TemporaryFile, BothKindsHoldTheBytesAndTheModeBesideTheTarget) {
    using Writer =
        std::optional<std::string> (*)(const std::string&, std::string_view, std::optional<mode_t>);
    for (const Writer write : {&files::WriteTemporaryBeside, &files::WriteNamedTemporaryBeside}) {
        const std::optional<std::string> name = write(path_, "[S]\r\nA=1\r\n", 0604);
        ASSERT_TRUE(name);
        EXPECT_EQ(fs::path(*name).parent_path(), folder_);
        EXPECT_TRUE(fs::path(*name).filename().string().starts_with("fendo.ini."));
        EXPECT_EQ(fakes::ReadBytes(*name), "[S]\r\nA=1\r\n");
        EXPECT_EQ(fs::status(*name).permissions(), fs::perms(0604));
        fs::remove(*name);
        // A write cut short leaves nothing.
        EXPECT_FALSE(
            fakes::UnderFileSizeLimit(8, [&] { return write(path_, "[S]\r\nA=123\r\n", {}); }));
    }
    // Nor does one with nowhere to go.
    EXPECT_FALSE(files::WriteTemporaryBeside((folder_ / "none" / "f.ini").string(), "x", {}));
    EXPECT_TRUE(FolderEntries().empty());
}

}  // namespace
