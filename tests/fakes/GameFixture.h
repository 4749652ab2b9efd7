#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "core/Game.h"
#include "fakes/FakePlatform.h"
#include "fakes/TestBitmaps.h"
#include "graphics/SheetSizes.h"

namespace fakes {

// Plain colours the test sheets are painted in, so a pixel tells which sheet it came from.
inline constexpr uint32_t kFieldColour = 0x00204060;    // "m"
inline constexpr uint32_t kBeatingColour = 0x00602040;  // "b"
inline constexpr uint32_t kJudgeColour = 0x00406020;    // "f"
inline constexpr uint32_t kSplashColour = 0x00336699;   // "s"
inline constexpr uint32_t kWhite = 0x00FFFFFF;

// Cell (part p, frame f) of the test character sheet: one opaque pixel at
// its top-left corner coloured 0x0000pf, the rest transparent.
constexpr uint32_t PartColour(int part, int frame) {
    return static_cast<uint32_t>(0x000100 * (part + 1) + 0x10 * frame + 1);
}
// Punch cells: one opaque pixel at the top-left, cell 0 and cell 1 told apart.
inline constexpr uint32_t kFistColour = 0x000000AA;
inline constexpr uint32_t kTrailColour = 0x000000BB;

// A game bound to fakes, with a data folder of small, recognisable sheets.
class GameFixture : public ::testing::Test {
protected:
    FakeClock clock;
    FakeRandom random;
    FakePump pump{clock};
    FakeMessageBox messages;
    FakeSound sound;
    std::filesystem::path appFolder;

    graphics::Surface picMain{graphics::kPlayFieldSize};
    graphics::Surface picFendor{graphics::kFendorSurfaceSize};
    graphics::Surface picPunch{graphics::kPunchSheetSize};
    graphics::Surface picMirror{graphics::kPlayFieldSize};
    // A fresh game for every test, bound to this test's fakes and folder.
    std::unique_ptr<game::Game> game;

    game::GameState& State() { return game->State(); }

    void SetUp() override {
        static std::atomic<int> counter{0};
        appFolder = std::filesystem::path(::testing::TempDir()) /
                    ("fendo-game-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(appFolder / "fdata");
        WriteSheets();
        game = NewGame();
    }

    // Another game on this test's fakes and folder, as a second copy of the
    // program would be; the settings file is beside the program.
    std::unique_ptr<game::Game> NewGame(platform::Sound* withSound = nullptr) {
        return std::make_unique<game::Game>(
            game::Services{clock, random, pump, messages, withSound ? *withSound : sound,
                           appFolder.string() + "/", (appFolder / "fendo.ini").string()});
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(appFolder, ignored);
    }

    void WriteSheets() {
        const auto data = appFolder / "fdata";
        WriteBitmap24(data / "default_m.bmp", 400, 200, [](int, int) { return kFieldColour; });
        WriteBitmap24(data / "default_b.bmp", 400, 200, [](int, int) { return kBeatingColour; });
        WriteBitmap24(data / "default_f.bmp", 400, 200, [](int, int) { return kJudgeColour; });
        WriteBitmap24(data / "default_s.bmp", 110, 140, [](int, int) { return kSplashColour; });
        WriteBitmap24(data / "default_c.bmp", 192, 16, [](int x, int y) {
            return (x % 16 == 0 && y == 0) ? PartColour(x / 32, (x / 16) % 2) : kWhite;
        });
        WriteBitmap24(data / "default_p.bmp", 290, 58, [](int x, int y) {
            if (y != 0)
                return kWhite;
            if (x == 0)
                return kFistColour;
            if (x == 145)
                return kTrailColour;
            return kWhite;
        });
    }

    // Starts a game with every Fendor calm, then lets the roster settle with
    // random draws that start no misdeed.
    void StartGame() {
        game->InitGame(picMain, picFendor, picPunch, picMirror);
        messages.shown.clear();
    }

    characters::Fendor& FendorIn(int slot) {
        return *State().Fendors.at(static_cast<size_t>(slot));
    }

    void MakeGuilty(int slot, int miss = 1, int missTime = 6, int level = 1) {
        FendorIn(slot).SetLv(level);
        FendorIn(slot).SetMiss(miss);
        FendorIn(slot).SetMissTime(missTime);
    }
};

}  // namespace fakes
