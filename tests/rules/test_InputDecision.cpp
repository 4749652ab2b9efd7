#include <gtest/gtest.h>

#include "core/GameState.h"
#include "core/Game.h"
#include "fakes/GameFixture.h"

namespace {

using game::DecideInput;
using game::Game;

constexpr int16_t kLeft = 1;
constexpr int16_t kRight = 2;
constexpr int16_t kMiddle = 4;
constexpr int16_t kKeyA = 65, kKeyS = 83, kKeyD = 68, kKeyZ = 90, kKeyX = 88, kKeyC = 67;
constexpr int16_t kArrowLeft = 37, kArrowRight = 39;

class InputDecisionTest : public fakes::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        StartGame();
        clock.now = 5000;
    }
    void BeginBeating(int slot, int16_t pick = kLeft) {
        MakeGuilty(slot);
        Game().SelectedSlot = slot;
        ASSERT_EQ(DecideInput(pick), -1);
    }
};

TEST_F(InputDecisionTest, GuiltyPick_StartsTheBeatingOnTheBeatingScene) {
    Game().Stress = 80;
    Game().Points = 1000;
    MakeGuilty(2);
    Game().SelectedSlot = 2;
    EXPECT_EQ(DecideInput(kRight), -1);
    EXPECT_EQ(Game().InPunishment, -1);
    EXPECT_EQ(Game().TargetGuilty, -1);
    EXPECT_EQ(Game().StressAtStart, 80);
    EXPECT_EQ(Game().PointsAtStart, 1000);
    EXPECT_EQ(Game().PhaseStartMs, 5000);
    EXPECT_EQ(Game().NoStressRelief, 0);
    EXPECT_EQ(Game().HitCount, 0);
    EXPECT_EQ(picMain.Pixel(200, 100), fakes::kBeatingColour);
    EXPECT_EQ(picMirror.Pixel(200, 100), fakes::kBeatingColour);
}

TEST_F(InputDecisionTest, InnocentPick_StartsTheJudgeSceneAndReturnsFalse) {
    Game().SelectedSlot = 4;
    EXPECT_EQ(DecideInput(kLeft), 0);
    EXPECT_EQ(Game().InPunishment, -1);
    EXPECT_EQ(Game().TargetGuilty, 0);
    EXPECT_EQ(picMain.Pixel(10, 10), fakes::kJudgeColour);
    EXPECT_EQ(picMirror.Pixel(10, 10), fakes::kJudgeColour);
    // Nothing the player does counts under the judge, punch keys included.
    for (int16_t code : {kLeft, kRight, kArrowLeft, kArrowRight, kKeyA}) {
        EXPECT_EQ(DecideInput(code), 0);
    }
    EXPECT_EQ(Game().HitCount, 0);
    EXPECT_EQ(Game().LastHitInput, 0);
}

TEST_F(InputDecisionTest, MouseModes_PickOnlyWithLeftOrRightOverAFendor) {
    MakeGuilty(1);
    Game().SelectedSlot = -1;
    EXPECT_EQ(DecideInput(kLeft), 0);
    EXPECT_EQ(Game().InPunishment, 0);
    Game().SelectedSlot = 1;
    EXPECT_EQ(DecideInput(kMiddle), 0);
    EXPECT_EQ(DecideInput(kKeyS), 0);
    EXPECT_EQ(Game().InPunishment, 0);
    Game().InputMode = 1;
    EXPECT_EQ(DecideInput(kRight), -1);
    EXPECT_EQ(Game().SelectedSlot, 1);
}

TEST_F(InputDecisionTest, KeyboardOnly_LettersPickTheirSlotWherever) {
    Game().InputMode = 2;
    const std::pair<int16_t, int> keys[] = {{kKeyA, 0}, {kKeyS, 1}, {kKeyD, 2},
                                            {kKeyZ, 3}, {kKeyX, 4}, {kKeyC, 5}};
    for (const auto& [key, slot] : keys) {
        MakeGuilty(slot);
        Game().SelectedSlot = 0;
        EXPECT_EQ(DecideInput(key), -1);
        EXPECT_EQ(Game().SelectedSlot, slot);
        game::EndPunishment();
    }
    Game().SelectedSlot = 2;
    EXPECT_EQ(DecideInput(kLeft), 0);
    EXPECT_EQ(DecideInput(75), 0);
    EXPECT_EQ(Game().SelectedSlot, 2);
    EXPECT_EQ(Game().InPunishment, 0);
}

TEST_F(InputDecisionTest, MouseOnly_CountsAlternatingButtonsOnly) {
    BeginBeating(0);
    EXPECT_EQ(DecideInput(kLeft), -1);  // the first hit may be either button
    EXPECT_EQ(DecideInput(kLeft), 0);   // the same button twice does not count
    EXPECT_EQ(DecideInput(kRight), -1);
    EXPECT_EQ(DecideInput(kArrowLeft), 0);  // keys do nothing in this mode
    EXPECT_EQ(DecideInput(kMiddle), 0);
    EXPECT_EQ(DecideInput(kLeft), -1);
    EXPECT_EQ(Game().HitCount, 3);
    EXPECT_EQ(Game().LastHitInput, kLeft);
}

TEST_F(InputDecisionTest, KeyModes_CountAlternatingPunchKeysOnly) {
    for (int mode : {1, 2}) {
        Game().InputMode = mode;
        BeginBeating(3, mode == 2 ? kKeyZ : kLeft);
        EXPECT_EQ(DecideInput(kRight), 0);  // clicks do nothing
        EXPECT_EQ(DecideInput(kArrowRight), -1);
        EXPECT_EQ(DecideInput(kArrowRight), 0);
        EXPECT_EQ(DecideInput(kKeyA), 0);
        EXPECT_EQ(DecideInput(kArrowLeft), -1);
        EXPECT_EQ(Game().HitCount, 2);
        game::EndPunishment();
        messages.shown.clear();
    }
}

TEST_F(InputDecisionTest, SamePunchKeyTwice_CountsOnlyTheFirstPress) {
    Game().InputMode = 1;
    Game().PunishKeyL = 32;
    Game().PunishKeyR = 32;
    BeginBeating(1);
    EXPECT_EQ(DecideInput(32), -1);
    EXPECT_EQ(DecideInput(32), 0);
    EXPECT_EQ(Game().HitCount, 1);
}

TEST_F(InputDecisionTest, PunchKeysStoredAsButtonCodes_MakeTheMouseCount) {
    Game().InputMode = 2;
    Game().PunishKeyL = 1;
    Game().PunishKeyR = 2;
    BeginBeating(1, kKeyS);
    EXPECT_EQ(DecideInput(kLeft), -1);
    EXPECT_EQ(DecideInput(kRight), -1);
}

TEST_F(InputDecisionTest, Hits_RecomputePointsAndRelieveStressByEveryThirdHitAndTheLevel) {
    Game().Points = 500;
    Game().Stress = 100;
    MakeGuilty(2, 2, 5, 10);
    Game().SelectedSlot = 2;
    ASSERT_EQ(DecideInput(kLeft), -1);
    const int16_t codes[] = {kRight, kLeft, kRight};
    const int expectedStress[] = {90, 90, 89};
    for (int hit = 1; hit <= 3; ++hit) {
        ASSERT_EQ(DecideInput(codes[hit - 1]), -1);
        EXPECT_EQ(Game().Stress, expectedStress[hit - 1]);
        // 12 x hits x Lv 10 x MissTime 5 \ Miss 2
        EXPECT_EQ(Game().Points, 500 + 300 * hit);
    }
}

TEST_F(InputDecisionTest, HighScorer_NoLongerGetsReliefFromLowLevels) {
    Game().Points = 1000000;
    Game().Stress = 100;
    MakeGuilty(0, 1, 6, 2);
    Game().SelectedSlot = 0;
    ASSERT_EQ(DecideInput(kLeft), -1);
    EXPECT_EQ(Game().NoStressRelief, -1);
    EXPECT_EQ(DecideInput(kRight), -1);
    EXPECT_EQ(Game().Stress, 100);
    EXPECT_EQ(Game().Points, 1000000 + 144);
    game::EndPunishment();

    Game().Stress = 100;
    MakeGuilty(1, 1, 6, 3);
    Game().SelectedSlot = 1;
    ASSERT_EQ(DecideInput(kLeft), -1);
    EXPECT_EQ(Game().NoStressRelief, 0);
    EXPECT_EQ(DecideInput(kRight), -1);
    EXPECT_EQ(Game().Stress, 97);
}

TEST_F(InputDecisionTest, HitAfterTheSixSecondsButBeforeTheClose_StillCounts) {
    BeginBeating(5);
    clock.now = 5000 + 7000;
    EXPECT_EQ(DecideInput(kRight), -1);
    EXPECT_EQ(Game().HitCount, 1);
}

}  // namespace
