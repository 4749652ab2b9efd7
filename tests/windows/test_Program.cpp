#include "windows/Program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/Files.h"
#include "fakes/GameFixture.h"
#include "fakes/HostileFiles.h"
#include "files/AppFolder.h"
#include "files/ProfileFile.h"
#include "platform/InputCodes.h"
#include "sound/QtSound.h"
#include "windows/GameWindow.h"
#include "windows/TitleWindow.h"

namespace {

namespace fs = std::filesystem;
using Button = platform::MouseButton;

// The program's windows have no parent: the one of a kind that is there now.
template <typename Window>
Window* Current() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget))
            return window;
    return nullptr;
}
constexpr auto* Title = &Current<windows::TitleWindow>;
constexpr auto* Screen = &Current<windows::GameWindow>;

struct Damage {
    const char* name;
    void (*apply)(const fs::path& file);
    bool keepsTheContent;  // the file still holds all its headers promise
    bool replaceable;      // a save may write a settings file over it
    // What the settings file holds as MaxHits after a visit that left it as it stood.
    const char* maxHitsLeft = "(none)";
    bool nowhere = false;  // no place for a settings file at all

    friend void PrintTo(const Damage& damage, std::ostream* os) { *os << damage.name; }
};

// A comment line fills the file up, so the keys a save adds would take it
// past the longest file a load reads.
void PadTo1048516Bytes(const fs::path& file) {
    const std::string bytes = *fakes::ReadBytes(file);
    fakes::Write(file, bytes + ";" + std::string(1048516 - bytes.size() - 3, 'x') + "\r\n");
}
void BreakUtf16(const fs::path& file) {
    fakes::Write(file, fakes::Utf16(*fakes::ReadBytes(file)) + "x");
}
// clang-format off
const Damage kDamages[] = {
    {"intact", [](const fs::path&) {}, true, true},
    {"missing", [](const fs::path& f) { fs::remove(f); }, false, true},
    {"empty", [](const fs::path& f) { fakes::Write(f, ""); }, false, true},
    {"truncated", [](const fs::path& f) { fakes::Write(f, fakes::ReadBytes(f)->substr(0, 40)); },
     false, true},
    {"garbage", [](const fs::path& f) { fakes::Write(f, std::string(4096, '\xA5')); },
     false, true},
    {"huge", [](const fs::path& f) { fakes::WriteSparse(f, *fakes::ReadBytes(f), 200 << 20); },
     true, false},
    {"pipe", [](const fs::path& f) { fs::remove(f), fakes::MakeFifo(f); }, false, false},
};
// Ways of its own for the settings file to be in the way.
const Damage kSettingsDamages[] = {
    {"read_only", [](const fs::path& f) { fs::permissions(f, fs::perms::owner_read); }, true, false,
     "1"},
    {"too_long_to_grow", PadTo1048516Bytes, true, false, "1"},
    {"not_utf16_after_its_mark", BreakUtf16, false, false},
    {"no_place", [](const fs::path&) {}, true, false, "1", true},
    {"folder", [](const fs::path& f) { fs::remove(f), fs::create_directory(f); }, false, false},
    {"dangling_link", [](const fs::path& f) { fs::remove(f), fs::create_symlink("gone.ini", f); },
     false, false},
};
// clang-format on

using Case = std::tuple<std::string, Damage>;  // a file in the game's folder, and what befell it

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name = std::get<0>(info.param) + "_" + std::get<1>(info.param).name;
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    }
    return name;
}

// Whatever is wrong with one file, a whole visit still works: the title
// window, a game with a beating, the game-over box, the title window again,
// made anew and showing the records as the file now holds them, and Quit.
class WholeVisit : public fakes::GameFixture, public testing::WithParamInterface<Case> {
protected:
    int beeps = 0;
    sound::QtSound realSound{[this] { ++beeps; }};

    void SetUp() override {
        GameFixture::SetUp();
        fs::copy_file(fs::path(files::AppFolder()) / "fdata" / "default_p.wav",
                      appFolder / "fdata" / "default_p.wav");
        // A first visit's results, so the damage has something to spoil.
        files::WriteProfileString("Scores", "MaxHits", "1", (appFolder / "fendo.ini").string());
        game = NewGame(&realSound);
    }

    static void PressOn(QWidget* window, Qt::Key key) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    static std::string Text(const windows::TitleWindow* title, const char* label) {
        return title->findChild<QLabel*>(label)->text().toStdString();
    }
};

TEST_P(WholeVisit, StillPlaysAndEnds) {
    const auto& [file, damage] = GetParam();
    damage.apply(appFolder / file);
    const bool saved = file != "fendo.ini" || damage.replaceable;
    if (damage.nowhere) {
        game = std::make_unique<game::Game>(game::Services{clock, random, pump, messages, realSound,
                                                           appFolder.string() + "/", std::nullopt});
    }

    fakes::HangGuard guard;
    windows::Program program(*game, pump);
    int quits = 0;
    program.onQuit = [&] { ++quits; };
    program.Start();
    ASSERT_TRUE(Title()->isVisible());

    const int32_t start = clock.now;
    pump.At(start + 600, [&] {
        EXPECT_FALSE(Title()->isVisible());
        MakeGuilty(0);
        State().SelectedSlot = 0;
        Screen()->picMain_MouseDown(Button::Left, 0, 0, 0);
    });
    pump.At(start + 650, [&] { Screen()->picMain_MouseDown(Button::Right, 0, 0, 0); });
    pump.At(start + 660, [&] { Screen()->picMain_MouseDown(Button::Left, 0, 0, 0); });
    pump.At(start + 9000, [&] { Screen()->close(); });
    PressOn(Title(), Qt::Key_Return);
    // The game runs from the event loop and ends when its window closes.
    QCoreApplication::processEvents();

    ASSERT_GE(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].caption, "Got 144 pts");
    EXPECT_EQ(messages.shown.back().text, "ゲームオーバー 144pts");
    // Two hits, two bursts: a sound that cannot play gives the system's beep instead.
    const bool soundSpoilt = file == "fdata/default_p.wav" && !damage.keepsTheContent;
    EXPECT_EQ(beeps, soundSpoilt ? 2 : 0);
    ASSERT_TRUE(Title()->isVisible());
    EXPECT_FALSE(Screen()->isVisible());
    // A settings file that cannot be read is not ours to overwrite, and the
    // session's results outlive a save that could not be made.
    EXPECT_EQ(
        files::ReadProfileString("Scores", "MaxHits", "(none)", (appFolder / "fendo.ini").string()),
        saved ? "2" : damage.maxHitsLeft);
    EXPECT_EQ(Text(Title(), "lblHiScore") + " " + Text(Title(), "lblMaxHits"), "144 pts 2 Hits");
    EXPECT_EQ(quits, 0);

    const std::size_t boxes = messages.shown.size();
    PressOn(Title(), Qt::Key_Q);
    QCoreApplication::processEvents();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(messages.shown.size(), boxes);
}

INSTANTIATE_TEST_SUITE_P(
    EachFileEachDamage, WholeVisit,
    testing::Combine(testing::Values("fdata/default_m.bmp", "fdata/default_c.bmp",
                                     "fdata/default_p.bmp", "fdata/default_b.bmp",
                                     "fdata/default_f.bmp", "fdata/default_s.bmp",
                                     "fdata/default_p.wav", "fendo.ini"),
                     testing::ValuesIn(kDamages)),
    CaseName);
INSTANTIATE_TEST_SUITE_P(SettingsFileInTheWay, WholeVisit,
                         testing::Combine(testing::Values("fendo.ini"),
                                          testing::ValuesIn(kSettingsDamages)),
                         CaseName);

using GameFlood = fakes::GameFixture;

// Clicks and Enter flood game over, the title window and Go: each game's last click closes
// it from the bottom of a pile of bursts, and Enter on the title window asks for the next
// game, which waits for the last one's loop to return and has a burst budget of its own.
TEST_F(GameFlood, NextGameStartsOnlyAfterTheLastOneHasReturned) {
    windows::Program program(*game, pump);
    program.Start();
    const auto pressEnter = [&] {
        QTest::keyClick(Title()->findChild<QPushButton*>("cmdGo"), Qt::Key_Return);
        QCoreApplication::processEvents();  // as the real pump does at once
    };
    int deepest = 0, clicks = 0;
    std::vector<std::size_t> bursts;  // per game
    std::function<void()> flood = [&] {
        deepest = std::max(deepest, program.GamesRunning());
        if (clicks == 0) {  // the first click of a game picks a culprit in slot 0
            MakeGuilty(0);
            bursts.push_back(sound.played.size());
        }
        if (++clicks < 300) {
            pump.Soon(flood);  // lands inside this click's burst
            Screen()->picMain_MouseDown(clicks % 2 ? Button::Right : Button::Left, 0, 0, 0);
            return;
        }
        Screen()->close();
        clicks = 0;
        bursts.back() = sound.played.size() - bursts.back();
        if (bursts.size() < 3) {
            pump.At(clock.now + 600, flood);
            pressEnter();
        }
    };
    pump.At(600, flood);
    pressEnter();
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(bursts, (std::vector<std::size_t>{100, 100, 100}));
    EXPECT_EQ(random.reseeds, 3);  // one new game per Go
}

}  // namespace
