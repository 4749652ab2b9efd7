#include <gtest/gtest.h>

#include <tuple>

#include "core/Game.h"
#include "fakes/GameFixture.h"

namespace {

class MainCycleTest : public fakes::GameFixture {};

TEST_F(MainCycleTest, InitGame_ResetsTheRunningGameButKeepsRecordsAndControls) {
    auto& g = State();
    const auto kept = [&g] {
        return std::tie(g.HiScore, g.MaxKnockOutScore, g.MaxHits, g.InputMode, g.PunishKeyL,
                        g.PunishKeyR);
    };
    const auto running = [&g] {
        return std::tie(g.Points, g.Stress, g.StressAtStart, g.HitCount, g.PointsAtStart,
                        g.NoStressRelief, g.InPunishment, g.TargetGuilty, g.LastHitInput,
                        g.SelectedSlot, g.FrameDelayMs, g.GameOver, g.PhaseStartMs);
    };
    const auto records = std::tuple(11, 22, 33, 2, int16_t{65}, int16_t{66});
    kept() = records;
    running() = std::tuple(999, 150, 70, 7, 5, true, true, true, 2, -1, 60, true, 1234);

    StartGame();

    EXPECT_EQ(kept(), records);
    EXPECT_EQ(running(), std::tuple(0, 0, 0, 0, 0, false, false, false, 0, 0, 500, false, 0));
    // The first roster frame is already drawn, so the phase has flipped once.
    EXPECT_TRUE(g.AnimPhase);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(sound.prepares, 1);
}

TEST_F(MainCycleTest, InitGame_ReusesTheSixFendorObjects) {
    StartGame();
    const characters::Fendor* first = &FendorIn(0);
    const characters::Fendor* last = &FendorIn(5);
    FendorIn(0).SetLv(40);
    StartGame();
    EXPECT_EQ(&FendorIn(0), first);
    EXPECT_EQ(&FendorIn(5), last);
    EXPECT_EQ(FendorIn(0).Lv(), 1);
}

TEST_F(MainCycleTest, InitGame_LoadsFieldCharacterAndPunchSheets) {
    StartGame();
    EXPECT_EQ(picMain.Pixel(5, 5), fakes::kFieldColour);
    EXPECT_EQ(picFendor.Pixel(32 * 2 + 16, 0), fakes::PartColour(2, 1));
    EXPECT_EQ(picPunch.Pixel(145, 0), fakes::kTrailColour);
    EXPECT_EQ(picMirror.Pixel(5, 5), graphics::Surface::kButtonFace);
}

TEST_F(MainCycleTest, GameTick_DoesNothingOnceTheGameIsOver) {
    StartGame();
    State().GameOver = true;
    const int drawsBefore = random.draws;
    const auto phase = State().AnimPhase;
    game->GameTick();
    EXPECT_EQ(random.draws, drawsBefore);
    EXPECT_EQ(State().AnimPhase, phase);
    EXPECT_EQ(pump.waitCalls, 0);
}

TEST_F(MainCycleTest, RosterWait_LastsUntilMoreThanTheFrameDelayHasPassed) {
    StartGame();
    clock.now = 1000;
    game->GameTick();
    EXPECT_EQ(State().PhaseStartMs, 1000);
    EXPECT_EQ(clock.now, 1501);

    // Input that picks nobody wakes the wait, which then goes on to the same end,
    // even when it arrives at exactly the frame delay.
    for (const int32_t wakeAt : {2600, 3000}) {
        clock.now = 2500;
        bool woken = false;
        pump.At(wakeAt, [this, &woken] {
            woken = true;
            EXPECT_FALSE(game->DecideInput(4));
        });
        game->GameTick();
        EXPECT_TRUE(woken) << wakeAt;
        EXPECT_EQ(clock.now, 3001) << wakeAt;
    }
}

TEST_F(MainCycleTest, RosterWait_EndsWhenAPunishmentStarts) {
    StartGame();
    clock.now = 1000;
    MakeGuilty(1);
    State().SelectedSlot = 1;
    pump.At(1100, [this] { EXPECT_TRUE(game->DecideInput(1)); });
    game->GameTick();
    EXPECT_EQ(clock.now, 1100);
    EXPECT_TRUE(State().InPunishment);
    EXPECT_EQ(State().PhaseStartMs, 1100);
}

TEST_F(MainCycleTest, RosterWait_EndsWhenTheGameEnds) {
    StartGame();
    clock.now = 0;
    pump.At(20, [this] { game->ShowGameOver(); });
    game->GameTick();
    EXPECT_EQ(clock.now, 20);
    EXPECT_TRUE(State().GameOver);
}

TEST_F(MainCycleTest, RosterWait_SurvivesTheCounterWrappingAround) {
    StartGame();
    clock.now = INT32_MAX - 100;
    game->GameTick();
    EXPECT_EQ(clock.now, static_cast<int32_t>(static_cast<uint32_t>(INT32_MAX) - 100u + 501u));
}

TEST_F(MainCycleTest, Punishment_EndsAtTheFirstTickStrictlyAfterSixSeconds) {
    StartGame();
    MakeGuilty(0);
    clock.now = 10000;
    ASSERT_TRUE(game->DecideInput(1));
    clock.now = 16000;
    game->GameTick();
    EXPECT_TRUE(State().InPunishment);
    EXPECT_TRUE(messages.shown.empty());
    clock.now = 16001;
    game->GameTick();
    EXPECT_FALSE(State().InPunishment);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.front().caption, "Got 0 pts");
}

struct JudgeCase {
    int stressAtStart;
    int atEnd;

    friend void PrintTo(const JudgeCase& c, std::ostream* os) {
        *os << "From" << c.stressAtStart << "To" << c.atEnd;
    }
};

class JudgeStressTest : public MainCycleTest, public ::testing::WithParamInterface<JudgeCase> {};

TEST_P(JudgeStressTest, JudgeRaisesStressLinearlyOverTheSixSeconds) {
    StartGame();
    State().Stress = GetParam().stressAtStart;
    State().SelectedSlot = 2;
    clock.now = 0;
    ASSERT_FALSE(game->DecideInput(1));
    ASSERT_TRUE(State().InPunishment);

    int previous = GetParam().stressAtStart;
    for (int32_t t = 0; t < 6000; t += 250) {
        clock.now = t;
        // Each burst's pauses move the fake clock on; measure the tick's own rise.
        game->GameTick();
        EXPECT_GE(State().Stress, previous);
        EXPECT_LE(State().Stress, GetParam().atEnd);
        previous = State().Stress;
    }
    EXPECT_TRUE(State().InPunishment);
    clock.now = 6001;
    game->GameTick();
    EXPECT_FALSE(State().InPunishment);
    EXPECT_EQ(State().Stress, GetParam().atEnd);
}

INSTANTIATE_TEST_SUITE_P(StressAtStart, JudgeStressTest,
                         ::testing::Values(JudgeCase{0, 15}, JudgeCase{100, 140},
                                           JudgeCase{148, 200}),
                         ::testing::PrintToStringParamName());

TEST_F(MainCycleTest, JudgeTick_StressFollowsTheElapsedTime) {
    StartGame();
    State().Stress = 160;
    State().SelectedSlot = 0;
    clock.now = 0;
    game->DecideInput(2);
    clock.now = 3000;
    random.fallback = 0.9f;  // no background repaint, row drawn
    game->GameTick();
    // 160 + 3000 x (160 \ 4 + 15) \ 6000 = 160 + 27
    EXPECT_EQ(State().Stress, 187);
}

TEST_F(MainCycleTest, AdjustFrameDelay_BelowTwentyThrowsThePaceBack) {
    StartGame();
    for (const auto& [change, delay] : {std::pair{-11, 280}, {-10, 20}}) {
        State().FrameDelayMs = 30;
        game->AdjustFrameDelay(change);
        EXPECT_EQ(State().FrameDelayMs, delay);
    }
}

TEST_F(MainCycleTest, AdjustFrameDelay_SettlesAtFiftyNineAfterFortyTwoLevelOneBeatings) {
    StartGame();
    std::vector<int> delays;
    for (int i = 0; i < 42; ++i) {
        game->AdjustFrameDelay(5 * 1 - State().FrameDelayMs / 10);
        delays.push_back(State().FrameDelayMs);
    }
    EXPECT_EQ(std::vector(delays.begin(), delays.begin() + 4), (std::vector{455, 415, 379, 347}));
    EXPECT_EQ(delays.back(), 59);
    game->AdjustFrameDelay(5 - State().FrameDelayMs / 10);
    EXPECT_EQ(State().FrameDelayMs, 59);
}

TEST_F(MainCycleTest, ClampedStress_WritesTheClampBack) {
    for (const auto& [stress, clamped] : {std::pair{-5, 0}, {201, 200}, {137, 137}}) {
        State().Stress = stress;
        EXPECT_EQ(game->ClampedStress(), clamped);
        EXPECT_EQ(State().Stress, clamped);
    }
}

TEST_F(MainCycleTest, ShowGameOver_EndsTheGameAndShowsThePoints) {
    StartGame();
    game->ShowGameOver();
    EXPECT_TRUE(State().GameOver);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "ゲームオーバー 0pts");
    EXPECT_EQ(messages.shown[0].caption, "Fendo");
    State().Points = 1234;
    game->ShowGameOver();
    EXPECT_EQ(messages.shown[1].text, "ゲームオーバー 1234pts");
}

TEST_F(MainCycleTest, PunishKeys_AccessorsNarrowAndIgnoreOtherIndexes) {
    game->SetPunishKey(0, 90);
    game->SetPunishKey(1, 88);
    game->SetPunishKey(2, 77);
    EXPECT_EQ(game->GetPunishKey(0), 90);
    EXPECT_EQ(game->GetPunishKey(1), 88);
    EXPECT_EQ(game->GetPunishKey(2), 0);
    EXPECT_EQ(game->GetPunishKey(-1), 0);
    EXPECT_EQ(game->GetPunishKeyL(), 90);
    EXPECT_EQ(game->GetPunishKeyR(), 88);
    EXPECT_DEATH(game->SetPunishKey(0, 40000), "overflow");
}

}  // namespace
