#include "platform/SoundModule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Row {
    const char* name;
    std::vector<std::string> paths;
    // What the one line on the log holds; nullptr when the module loads.
    const char* failure;
};

class SoundModuleTest : public testing::TestWithParam<Row> {};

// Whatever the module's fault, one line says so, once, and the punches go on
// in silence; a module that loads plays every punch after one Prepare.
TEST_P(SoundModuleTest, LoadsOnceOrSaysOnceWhyNot) {
    const Row& row = GetParam();
    const fs::path scratch =
        fs::path(testing::TempDir()) / ("sound-module-" + std::string(row.name));
    fs::remove(scratch.string() + ".wav");
    std::FILE* log = std::fopen((scratch.string() + ".log").c_str(), "w");
    ASSERT_NE(log, nullptr);
    {
        platform::SoundModule sound(row.paths, log);
        sound.PlayAsync(scratch.string() + ".wav");
        sound.Prepare();
        sound.PlayAsync(scratch.string() + ".wav");
    }
    std::fclose(log);
    const std::string logged = Contents(scratch.string() + ".log");
    const std::string played = Contents(scratch.string() + ".wav");
    if (!row.failure) {
        EXPECT_EQ(logged, "");
        EXPECT_EQ(played, "played after 1 prepare\nplayed after 1 prepare\n");
        return;
    }
    EXPECT_EQ(played, "");
    EXPECT_EQ(logged.rfind("fendo: the game plays without sound (", 0), 0U) << logged;
    EXPECT_NE(logged.find(row.failure), std::string::npos) << logged;
    EXPECT_EQ(logged.find('\n'), logged.size() - 1) << logged;
}

const std::string kMissing = "/nonexistent/libfendo_sound.so";
// A file of the module's name that is no library at all.
const std::string kNotALibrary = [] {
    const fs::path file = fs::path(testing::TempDir()) / "libfendo_sound.so";
    std::ofstream(file) << "not an ELF file";
    return file.string();
}();

INSTANTIATE_TEST_SUITE_P(
    Modules, SoundModuleTest,
    testing::Values(Row{"loads", {FENDO_RECORDING_SOUND_MODULE}, nullptr},
                    Row{"second_place", {kMissing, FENDO_RECORDING_SOUND_MODULE}, nullptr},
                    Row{"nowhere", {kMissing, kMissing + "2"}, "no sound module at /nonexistent/"},
                    Row{"no_folder", {}, "the program's own folder is not known"},
                    Row{"not_a_library", {kNotALibrary}, kNotALibrary.c_str()},
                    Row{"no_entry", {FENDO_NO_ENTRY_MODULE}, "FendoCreateSound"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(SoundModulePaths, BesideTheProgramThenTheInstallsFolderAndNeverRelative) {
    using Paths = std::vector<std::string>;
    EXPECT_EQ(platform::SoundModulePaths("/opt/fendo/"),
              (Paths{"/opt/fendo/libfendo_sound.so", "/opt/fendo/modules/libfendo_sound.so"}));
    EXPECT_EQ(platform::SoundModulePaths("./"), Paths{});
    EXPECT_EQ(platform::SoundModulePaths(""), Paths{});
}

}  // namespace
