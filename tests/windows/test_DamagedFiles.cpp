#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes/GameFixture.h"
#include "fakes/HostileFiles.h"
#include "platform/AppFolder.h"
#include "platform/ProfileFile.h"
#include "platform/qt/QtSound.h"
#include "windows/GameWindow.h"
#include "windows/Program.h"
#include "windows/TitleWindow.h"

namespace {

namespace fs = std::filesystem;

struct Damage {
    const char* name;
    void (*apply)(const fs::path& file);
    bool keepsTheContent = false;  // the file still holds all its headers promise
};

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const Damage kDamages[] = {
    {"missing", [](const fs::path& f) { fs::remove(f); }},
    {"empty", [](const fs::path& f) { hostile::Write(f, ""); }},
    {"truncated", [](const fs::path& f) { hostile::Write(f, Bytes(f).substr(0, 40)); }},
    {"garbage",
     [](const fs::path& f) {
         std::string noise(4096, '\0');
         for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>(i * 131 + 7);
         hostile::Write(f, noise);
     }},
    {"huge", [](const fs::path& f) { hostile::WriteSparse(f, Bytes(f), 200u << 20); }, true},
    {"pipe",
     [](const fs::path& f) {
         fs::remove(f);
         hostile::MakeFifo(f);
     }},
};

// The settings file has ways of its own to be in the way.
const Damage kSettingsOnlyDamages[] = {
    {"read-only", [](const fs::path& f) { ::chmod(f.c_str(), 0444); }},
    {"folder",
     [](const fs::path& f) {
         fs::remove(f);
         fs::create_directory(f);
     }},
    {"dangling link",
     [](const fs::path& f) {
         fs::remove(f);
         fs::create_symlink(f.parent_path() / "gone.ini", f);
     }},
};

struct Case {
    std::string file;  // relative to the game's folder
    Damage damage;
};

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const char* file : {"fdata/default_m.bmp", "fdata/default_c.bmp", "fdata/default_p.bmp",
                             "fdata/default_b.bmp", "fdata/default_f.bmp", "fdata/default_s.bmp",
                             "fdata/default_p.wav", "fendo.ini"}) {
        for (const Damage& damage : kDamages) cases.push_back({file, damage});
    }
    for (const Damage& damage : kSettingsOnlyDamages) cases.push_back({"fendo.ini", damage});
    return cases;
}

// Whatever is wrong with one file, a whole visit still works: the title
// window, a game with a beating, the game-over box, the title window again
// and Quit, with the results saved wherever the settings file can be written.
class DamagedFiles : public fakes::GameFixture, public testing::WithParamInterface<Case> {
protected:
    int beeps = 0;
    platform::QtSound realSound{[this] { ++beeps; }};

    void SetUp() override {
        GameFixture::SetUp();
        fakes::WriteBitmap24(appFolder / "fdata" / "default_s.bmp", 110, 140,
                             [](int, int) { return 0x00808080u; });
        fs::copy_file(fs::path(platform::AppFolder()) / "fdata" / "default_p.wav",
                      appFolder / "fdata" / "default_p.wav");
        // A first visit's results, so the damage has something to spoil.
        ProfileFile::WriteProfileString("Scores", "MaxHits", "1", Settings());
        game = std::make_unique<game::Game>(
            game::Services{clock, random, pump, messages, realSound, appFolder.string() + "/"});
    }

    std::string Settings() const { return (appFolder / "fendo.ini").string(); }

    static void PressOn(QWidget* window, Qt::Key key) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget(), key);
    }
};

TEST_P(DamagedFiles, AWholeVisitStillPlaysAndEnds) {
    const Case& c = GetParam();
    const fs::path damaged = appFolder / c.file;
    c.damage.apply(damaged);
    const bool settingsDamaged = c.file == "fendo.ini";
    struct stat before {};
    const bool existed = ::lstat(damaged.c_str(), &before) == 0;

    hostile::HangGuard guard;
    Program program(*game, pump);
    int quits = 0;
    program.onQuit = [&] { ++quits; };
    program.Start();
    ASSERT_TRUE(program.Title()->isVisible());

    const int32_t start = clock.now;
    pump.At(start + 600, [&] {
        MakeGuilty(0);
        State().SelectedSlot = 0;
        program.GameScreen()->picMain_MouseDown(1, 0, 0, 0);
    });
    pump.At(start + 650, [&] { program.GameScreen()->picMain_MouseDown(2, 0, 0, 0); });
    pump.At(start + 660, [&] { program.GameScreen()->picMain_MouseDown(1, 0, 0, 0); });
    pump.At(start + 9000, [&] { program.GameScreen()->close(); });
    PressOn(program.Title(), Qt::Key_Return);
    QCoreApplication::processEvents();

    ASSERT_GE(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].caption, "Got 144 pts");
    EXPECT_EQ(messages.shown.back().text, "ゲームオーバー 144pts");
    // Two hits, two bursts: a sound that cannot play gives the system's beep instead.
    const bool soundSpoilt = c.file == "fdata/default_p.wav" && !c.damage.keepsTheContent;
    EXPECT_EQ(beeps, soundSpoilt ? 2 : 0);
    ASSERT_TRUE(program.Title()->isVisible());
    PressOn(program.Title(), Qt::Key_Q);
    EXPECT_EQ(quits, 1);

    if (!settingsDamaged) {
        EXPECT_EQ(ProfileFile::ReadProfileString("Scores", "MaxHits", "", Settings()), "2");
        return;
    }
    // A settings file that cannot be read is not ours to overwrite: whatever
    // stood there stands there still. Missing or unreadable content starts afresh.
    struct stat after {};
    const bool exists = ::lstat(damaged.c_str(), &after) == 0;
    if (!existed) {
        EXPECT_EQ(ProfileFile::ReadProfileString("Scores", "MaxHits", "", Settings()), "2");
    } else if (S_ISREG(before.st_mode) && (before.st_mode & S_IWUSR) != 0 &&
               before.st_size < (1 << 20)) {
        EXPECT_EQ(ProfileFile::ReadProfileString("Scores", "MaxHits", "", Settings()), "2");
    } else {
        ASSERT_TRUE(exists);
        EXPECT_EQ(before.st_mode, after.st_mode);
        EXPECT_EQ(before.st_ino, after.st_ino);
        EXPECT_EQ(before.st_size, after.st_size);
    }
}

INSTANTIATE_TEST_SUITE_P(EachFileEachDamage, DamagedFiles, testing::ValuesIn(AllCases()),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.file + "_" + info.param.damage.name;
                             for (char& ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             }
                             return name;
                         });

}  // namespace
