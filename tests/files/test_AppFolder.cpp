#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "files/AppFolder.h"
#include "files/TrailingSeparator.h"

namespace {

namespace fs = std::filesystem;

TEST(WithTrailingSeparator, RootFolderKeepsItsOnlySeparator) {
    EXPECT_EQ(files::WithTrailingSeparator("/"), "/");
}

TEST(WithTrailingSeparator, AppendsOneSeparatorToAFolderWithoutOne) {
    EXPECT_EQ(files::WithTrailingSeparator("/opt/fendo"), "/opt/fendo/");
    EXPECT_EQ(files::WithTrailingSeparator("/opt/fendo/fdata"), "/opt/fendo/fdata/");
}

TEST(WithTrailingSeparator, LeavesAFolderThatAlreadyEndsInOne) {
    EXPECT_EQ(files::WithTrailingSeparator("/opt/fendo/"), "/opt/fendo/");
}

TEST(WithTrailingSeparator, LooksOnlyAtTheLastCharacter) {
    EXPECT_EQ(files::WithTrailingSeparator("/opt//fendo"), "/opt//fendo/");
    EXPECT_EQ(files::WithTrailingSeparator("/opt/fendo//"), "/opt/fendo//");
}

TEST(AppFolder, EndsInExactlyOneSeparator) {
    const std::string folder = files::AppFolder();
    ASSERT_GE(folder.size(), 1u);
    EXPECT_EQ(folder.back(), '/');
    if (folder.size() > 1) {
        EXPECT_NE(folder[folder.size() - 2], '/');
    }
}

TEST(AppFolder, IsTheAbsoluteFolderHoldingThisTestProgram) {
    const std::string folder = files::AppFolder();
    ASSERT_TRUE(fs::path(folder).is_absolute()) << folder;
    const fs::path program = fs::path(folder) / program_invocation_short_name;
    ASSERT_TRUE(fs::exists(program)) << program;
    EXPECT_TRUE(fs::equivalent(program, "/proc/self/exe")) << program;
}

TEST(AppFolder, DoesNotFollowTheWorkingFolder) {
    const std::string before = files::AppFolder();
    const fs::path home = fs::current_path();
    const fs::path elsewhere =
        fs::path(testing::TempDir()) / ("appfolder_" + std::to_string(getpid()));
    fs::create_directories(elsewhere);
    fs::current_path(elsewhere);
    const std::string after = files::AppFolder();
    fs::current_path(home);
    fs::remove_all(elsewhere);
    EXPECT_EQ(after, before);
}

}  // namespace
