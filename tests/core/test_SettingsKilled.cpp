#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include "fakes/SettingsFolder.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;
using SettingsKilledWhileSaving = fakes::SettingsFolder;

// The player's settings file must survive the game being killed in the
// middle of a save: the whole old file or the whole new one, never a mix.
TEST_F(SettingsKilledWhileSaving, LeavesTheWholeOldOrTheWholeNewFile) {
    const std::string oldFile =
        "; kept by hand\r\n[Scores]\r\nHiScore=1\r\n[Window]\r\nLeft=10\r\n"
        "[Control Settings]\r\nInputMode=1\r\n";
    // A save in a process of its own, killed after `delay` unless it has ended by then.
    const auto saveInAChild = [&](std::optional<microseconds> delay) {
        WriteRaw(oldFile);
        const auto start = Clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            game->SaveSettings(path_);
            ::_exit(0);
        }
        if (delay) {
            std::this_thread::sleep_for(*delay);
            ::kill(child, SIGKILL);
        }
        ::waitpid(child, nullptr, 0);
        return Clock::now() - start;
    };
    // Kill moments spread over a little more than a whole save, measured
    // here, so some saves finish and most are cut somewhere inside.
    auto saveTime = Clock::duration::max();
    for (int i = 0; i < 5; ++i) {
        saveTime = std::min(saveTime, saveInAChild(std::nullopt));
    }
    const std::string newFile = ReadRaw();
    ASSERT_NE(newFile, oldFile);

    std::mt19937 draw(20240611);
    std::uniform_int_distribution<long> moment(
        0, std::chrono::duration_cast<microseconds>(saveTime * 3 / 2).count());
    int trials = 0, old = 0, fresh = 0;
    for (const auto deadline = Clock::now() + std::chrono::seconds(6);
         trials < 300 && Clock::now() < deadline; ++trials) {
        saveInAChild(microseconds(moment(draw)));
        const std::string after = ReadRaw();
        old += after == oldFile ? 1 : 0;
        fresh += after == newFile ? 1 : 0;
        EXPECT_TRUE(after == oldFile || after == newFile) << after;
    }
    EXPECT_GE(trials, 100);
    EXPECT_GT(old, 0);
    EXPECT_GT(fresh, 0);
}

}  // namespace
