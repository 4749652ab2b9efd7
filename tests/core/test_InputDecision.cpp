#include <gtest/gtest.h>

#include <tuple>

#include "core/Game.h"
#include "fakes/GameFixture.h"
#include "platform/InputCodes.h"

namespace {

using Key = platform::VirtualKey;
constexpr int16_t kLeft = platform::MouseButton::Left;
constexpr int16_t kRight = platform::MouseButton::Right;

class InputDecisionTest : public fakes::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        StartGame();
        clock.now = 5000;
    }
    void BeginBeating(int slot, int16_t pick = kLeft) {
        MakeGuilty(slot);
        State().SelectedSlot = slot;
        ASSERT_TRUE(game->DecideInput(pick));
    }
};

TEST_F(InputDecisionTest, GuiltyPick_StartsTheBeatingOnTheBeatingScene) {
    State().Stress = 80;
    State().Points = 1000;
    MakeGuilty(2);
    State().SelectedSlot = 2;
    EXPECT_TRUE(game->DecideInput(kRight));
    const game::GameState& g = State();
    EXPECT_EQ(std::tie(g.InPunishment, g.TargetGuilty, g.StressAtStart, g.PointsAtStart,
                       g.PhaseStartMs, g.NoStressRelief, g.HitCount),
              std::tuple(true, true, 80, 1000, 5000, false, 0));
    EXPECT_EQ(picMain.Pixel(200, 100), fakes::kBeatingColour);
    EXPECT_EQ(picMirror.Pixel(200, 100), fakes::kBeatingColour);
}

TEST_F(InputDecisionTest, InnocentPick_StartsTheJudgeSceneAndReturnsFalse) {
    State().SelectedSlot = 4;
    EXPECT_FALSE(game->DecideInput(kLeft));
    EXPECT_TRUE(State().InPunishment);
    EXPECT_FALSE(State().TargetGuilty);
    EXPECT_EQ(picMain.Pixel(10, 10), fakes::kJudgeColour);
    EXPECT_EQ(picMirror.Pixel(10, 10), fakes::kJudgeColour);
    // Nothing the player does counts under the judge, punch keys included.
    for (int16_t code : {kLeft, kRight, Key::Left, Key::Right, Key::A}) {
        EXPECT_FALSE(game->DecideInput(code));
    }
    EXPECT_EQ(State().HitCount, 0);
    EXPECT_EQ(State().LastHitInput, 0);
}

TEST_F(InputDecisionTest, MouseModes_PickOnlyWithLeftOrRightOverAFendor) {
    MakeGuilty(1);
    State().SelectedSlot = -1;
    EXPECT_FALSE(game->DecideInput(kLeft));
    EXPECT_FALSE(State().InPunishment);
    State().SelectedSlot = 1;
    EXPECT_FALSE(game->DecideInput(platform::MouseButton::Middle));
    EXPECT_FALSE(game->DecideInput(Key::S));
    EXPECT_FALSE(State().InPunishment);
    State().InputMode = game::kMouseAndKeyboard;
    EXPECT_TRUE(game->DecideInput(kRight));
    EXPECT_EQ(State().SelectedSlot, 1);
}

TEST_F(InputDecisionTest, KeyboardOnly_LettersPickTheirSlotWherever) {
    State().InputMode = game::kKeyboardOnly;
    const std::pair<int16_t, int> keys[] = {{Key::A, 0}, {Key::S, 1}, {Key::D, 2},
                                            {Key::Z, 3}, {Key::X, 4}, {Key::C, 5}};
    for (const auto& [key, slot] : keys) {
        MakeGuilty(slot);
        State().SelectedSlot = 0;
        EXPECT_TRUE(game->DecideInput(key));
        EXPECT_EQ(State().SelectedSlot, slot);
        game->EndPunishment();
    }
    State().SelectedSlot = 2;
    EXPECT_FALSE(game->DecideInput(kLeft));
    EXPECT_FALSE(game->DecideInput(Key::K));
    EXPECT_EQ(State().SelectedSlot, 2);
    EXPECT_FALSE(State().InPunishment);
}

TEST_F(InputDecisionTest, MouseOnly_CountsAlternatingButtonsOnly) {
    BeginBeating(0);
    EXPECT_TRUE(game->DecideInput(kLeft));   // the first hit may be either button
    EXPECT_FALSE(game->DecideInput(kLeft));  // the same button twice does not count
    EXPECT_TRUE(game->DecideInput(kRight));
    EXPECT_FALSE(game->DecideInput(Key::Left));  // keys do nothing in this mode
    EXPECT_FALSE(game->DecideInput(platform::MouseButton::Middle));
    EXPECT_TRUE(game->DecideInput(kLeft));
    EXPECT_EQ(State().HitCount, 3);
    EXPECT_EQ(State().LastHitInput, kLeft);
}

TEST_F(InputDecisionTest, KeyModes_CountAlternatingPunchKeysOnly) {
    for (int32_t mode : {game::kMouseAndKeyboard, game::kKeyboardOnly}) {
        State().InputMode = mode;
        BeginBeating(3, mode == game::kKeyboardOnly ? Key::Z : kLeft);
        EXPECT_FALSE(game->DecideInput(kRight));  // clicks do nothing
        EXPECT_TRUE(game->DecideInput(Key::Right));
        EXPECT_FALSE(game->DecideInput(Key::Right));
        EXPECT_FALSE(game->DecideInput(Key::A));
        EXPECT_TRUE(game->DecideInput(Key::Left));
        EXPECT_EQ(State().HitCount, 2);
        game->EndPunishment();
        messages.shown.clear();
    }
}

TEST_F(InputDecisionTest, SamePunchKeyTwice_CountsOnlyTheFirstPress) {
    State().InputMode = game::kMouseAndKeyboard;
    State().PunishKeyL = Key::Space;
    State().PunishKeyR = Key::Space;
    BeginBeating(1);
    EXPECT_TRUE(game->DecideInput(Key::Space));
    EXPECT_FALSE(game->DecideInput(Key::Space));
    EXPECT_EQ(State().HitCount, 1);
}

TEST_F(InputDecisionTest, PunchKeysStoredAsButtonCodes_MakeTheMouseCount) {
    State().InputMode = game::kKeyboardOnly;
    State().PunishKeyL = kLeft;
    State().PunishKeyR = kRight;
    BeginBeating(1, Key::S);
    EXPECT_TRUE(game->DecideInput(kLeft));
    EXPECT_TRUE(game->DecideInput(kRight));
}

TEST_F(InputDecisionTest, Hits_RecomputePointsAndRelieveStressByEveryThirdHitAndTheLevel) {
    State().Points = 500;
    State().Stress = 100;
    MakeGuilty(2, 2, 5, 10);
    State().SelectedSlot = 2;
    ASSERT_TRUE(game->DecideInput(kLeft));
    const int16_t codes[] = {kRight, kLeft, kRight};
    const int expectedStress[] = {90, 90, 89};
    for (int hit = 1; hit <= 3; ++hit) {
        ASSERT_TRUE(game->DecideInput(codes[hit - 1]));
        EXPECT_EQ(State().Stress, expectedStress[hit - 1]);
        // 12 x hits x Lv 10 x MissTime 5 \ Miss 2
        EXPECT_EQ(State().Points, 500 + 300 * hit);
    }
}

TEST_F(InputDecisionTest, HighScorer_NoLongerGetsReliefFromLowLevels) {
    // 1000000 points are worth level 2: a Fendor of level 2 relieves nothing, one of 3 does.
    for (const auto& [level, stressAfterAHit] : {std::pair{2, 100}, {3, 97}}) {
        State().Points = 1000000;
        State().Stress = 100;
        MakeGuilty(0, 1, 6, level);
        State().SelectedSlot = 0;
        ASSERT_TRUE(game->DecideInput(kLeft));
        EXPECT_EQ(State().NoStressRelief, level == 2);
        EXPECT_TRUE(game->DecideInput(kRight));
        EXPECT_EQ(State().Stress, stressAfterAHit);
        EXPECT_EQ(State().Points, 1000000 + 72 * level);
        game->EndPunishment();
    }
}

TEST_F(InputDecisionTest, HitAfterTheSixSecondsButBeforeTheClose_StillCounts) {
    BeginBeating(5);
    clock.now = 5000 + 7000;
    EXPECT_TRUE(game->DecideInput(kRight));
    EXPECT_EQ(State().HitCount, 1);
}

}  // namespace
