#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "fakes/SettingsFolder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The player's settings file must survive the game being killed in the
// middle of a save: the whole old file or the whole new one, and nothing
// beside it once the next save has run.
class SettingsKilledWhileSaving : public fakes::SettingsFolder {
protected:
    int StrayEntries() const {
        int count = 0;
        for (const fs::directory_entry& e : fs::directory_iterator(folder_)) {
            count += e.path().filename() != "fendo.ini" ? 1 : 0;
        }
        return count;
    }

    void SetValues(int base) {
        State().HiScore = 1000000 + base;
        State().MaxKnockOutScore = 20000 + base;
        State().MaxHits = 300 + base;
        State().InputMode = base % 3;
        State().PunishKeyL = static_cast<int16_t>(65 + base);
        State().PunishKeyR = static_cast<int16_t>(75 + base);
    }

    // Starts a process that saves once and ends; kills it first when the
    // delay runs out before it does.
    bool SaveInAChildKilledAfter(std::chrono::microseconds delay) {
        const pid_t child = ::fork();
        if (child == 0) {
            game->SaveSettings(path_);
            ::_exit(0);
        }
        std::this_thread::sleep_for(delay);
        const bool killed = ::kill(child, SIGKILL) == 0;
        int status = 0;
        ::waitpid(child, &status, 0);
        return killed && WIFSIGNALED(status);
    }

};

TEST_F(SettingsKilledWhileSaving, LeavesTheWholeOldOrTheWholeNewFileAndNoTemporaries) {
    const std::string oldFile =
        "; kept by hand\r\n"
        "[Scores]\r\n"
        "HiScore=1\r\n"
        "[Window]\r\n"
        "Left=10\r\n"
        "[Control Settings]\r\n"
        "InputMode=1\r\n";
    SetValues(7);
    WriteRaw(oldFile);
    game->SaveSettings(path_);
    const std::string newFile = ReadRaw();
    ASSERT_NE(newFile, oldFile);

    // Kill moments spread over a little more than a whole save, measured
    // here, so some saves finish and most are cut somewhere inside.
    auto saveTime = Clock::duration::max();
    for (int i = 0; i < 5; ++i) {
        WriteRaw(oldFile);
        const auto start = Clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            game->SaveSettings(path_);
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        saveTime = std::min(saveTime, Clock::now() - start);
    }
    const auto spread = std::chrono::duration_cast<std::chrono::microseconds>(saveTime * 3 / 2);

    std::mt19937 draw(20240611);
    std::uniform_int_distribution<long> moment(0, spread.count());
    int trials = 0;
    int old = 0;
    int fresh = 0;
    int torn = 0;
    int killedMidSave = 0;
    int leftovers = 0;
    int leftAfterNextSave = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(6);
    while (trials < 300 && Clock::now() < deadline) {
        WriteRaw(oldFile);
        const int strayBefore = StrayEntries();
        killedMidSave += SaveInAChildKilledAfter(std::chrono::microseconds(moment(draw))) ? 1 : 0;
        const std::string after = ReadRaw();
        old += after == oldFile ? 1 : 0;
        fresh += after == newFile ? 1 : 0;
        torn += (after != oldFile && after != newFile) ? 1 : 0;
        const int left = StrayEntries() - strayBefore;
        leftovers += left;
        if (left > 0) {
            game->SaveSettings(path_);
            leftAfterNextSave += StrayEntries();
        }
        ++trials;
    }
    std::printf(
        "kill test: trials %d, killed %d, old %d, new %d, torn %d, leftovers %d, "
        "left after the next save %d (save %lld us)\n",
        trials, killedMidSave, old, fresh, torn, leftovers, leftAfterNextSave,
        static_cast<long long>(spread.count() * 2 / 3));

    EXPECT_GE(trials, 100);
    EXPECT_GT(old, 0);
    EXPECT_GT(fresh, 0);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(leftAfterNextSave, 0);
}

}  // namespace
