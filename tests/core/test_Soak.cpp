#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "core/Game.h"
#include "fakes/GameFixture.h"
#include "fakes/LiveHeap.h"

namespace {

// Varied but repeatable draws, so every run soaks the same game.
class SeededRandom final : public platform::Random {
public:
    float NextUnitFloat() override {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<float>(state_ >> 40) / static_cast<float>(1ULL << 24);
    }
    void ReseedFromClock() override {}

private:
    uint64_t state_ = 0x5EED;
};

class SoakTest : public fakes::GameFixture {
protected:
    SeededRandom seeded;

    void SetUp() override {
        GameFixture::SetUp();
        game = std::make_unique<game::Game>(game::Services{clock, seeded, pump, messages, sound,
                                                           appFolder.string() + "/", std::nullopt});
    }

    int games = 1;

    // As the window does: a stress of 200 ends the game, and the next one begins.
    void EndAtFullStress() {
        if (game->ClampedStress() >= game::kStressMax) {
            game->ShowGameOver();
            StartGame();
            ++games;
        }
    }

    // Half the punishments beat a culprit, half bring the judge.
    void Punishment(int index) {
        const int slot = index % game::kRosterSize;
        if (index % 2 == 0) {
            MakeGuilty(slot);
        } else {
            FendorIn(slot).SetMiss(0);
            FendorIn(slot).SetMissTime(0);
        }
        State().SelectedSlot = slot;
        game->DecideInput(1);
        for (int hit = 0; hit < 10; ++hit) {
            game->DecideInput(hit % 2 == 0 ? 2 : 1);
        }
        clock.Advance(6001);
        game->GameTick();
        ASSERT_FALSE(State().InPunishment) << index;
        EndAtFullStress();
        messages.shown.clear();
        sound.played.clear();
    }

    // Fifty roster frames, then a punishment, over and over.
    void Round(int first, int punishments) {
        for (int i = first; i < first + punishments; ++i) {
            for (int frame = 0; frame < 50; ++frame) {
                game->GameTick();
                pump.waitCalls = 0;
                EndAtFullStress();
            }
            Punishment(i);
        }
    }
};

TEST_F(SoakTest, AHundredThousandFramesAndTwoThousandPunishmentsKeepTheHeapFlat) {
    StartGame();
    // The first round lets every lazily made buffer come into being.
    Round(0, 200);
    const std::size_t settled = fakes::LiveHeapBytes();
    Round(200, 1800);
    const std::size_t after = fakes::LiveHeapBytes();

    EXPECT_GT(games, 10);
    EXPECT_EQ(State().MaxHits, 10);
    EXPECT_LT(after, settled + 64 * 1024) << "settled " << settled << " bytes, after " << after;
}

}  // namespace
