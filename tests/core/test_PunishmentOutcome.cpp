#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "core/Game.h"
#include "fakes/GameFixture.h"
#include "files/ProfileFile.h"
#include "platform/SaveBeforeExit.h"

namespace {

class PunishmentOutcomeTest : public fakes::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        StartGame();
    }
    void BeatSlot(int slot, int hits, int level = 1, int miss = 1) {
        MakeGuilty(slot, miss, 6, level);
        State().SelectedSlot = slot;
        ASSERT_TRUE(game->DecideInput(1));
        for (int i = 0; i < hits; ++i) {
            ASSERT_TRUE(game->DecideInput(i % 2 == 0 ? 2 : 1));
        }
    }
    auto Records() {
        return std::tuple(State().HiScore, State().MaxKnockOutScore, State().MaxHits);
    }
    std::string RecordsOnDisk() const {
        const auto read = [this](const char* key) {
            return files::ReadProfileString("Scores", key, "-", *game->SettingsPath());
        };
        return read("HiScore") + " " + read("MaxKnockOutScore") + " " + read("MaxHits");
    }
};

TEST_F(PunishmentOutcomeTest, Beating_UpdatesRecordsAnnouncesDeathAndEnrolsASuccessor) {
    FendorIn(2).SetName("ポチ");
    BeatSlot(2, 10);  // 12 x 10 x 1 x 6 \ 1 = 720
    State().Points = 720;
    random.Push(1, 32);  // successor's name after the six level-ups
    for (int slot = 0; slot < 6; ++slot) random.script.push_front(0.0f);
    std::string behindTheBox;  // where a kill may come
    messages.onShow = [&](const auto&) { behindTheBox += RecordsOnDisk() + ";"; };
    game->EndPunishment();

    EXPECT_EQ(behindTheBox, "720 720 10;720 720 10;");
    EXPECT_EQ(Records(), std::tuple(720, 720, 10));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "ポチは息絶えました．");
    EXPECT_EQ(messages.shown[0].caption, "Got 720 pts");
    EXPECT_EQ(messages.shown[1].text, "代わりにシルキリが入学しました．");
    EXPECT_EQ(messages.shown[1].caption, "Fendo");
    EXPECT_EQ(FendorIn(2).Name(), "シルキリ");
    EXPECT_EQ(FendorIn(2).Lv(), 1);
    const game::GameState& g = State();
    EXPECT_EQ(std::tie(g.FrameDelayMs, g.HitCount, g.InPunishment, g.TargetGuilty, g.LastHitInput,
                       g.PointsAtStart, g.StressAtStart, g.SelectedSlot, g.Points),
              std::tuple(455, 0, false, false, 0, 0, 0, 2, 720));
}

TEST_F(PunishmentOutcomeTest, Beating_RecordsAreReplacedOnlyByGreaterValues) {
    State().MaxKnockOutScore = 144;
    State().MaxHits = 2;
    State().HiScore = 100000;
    BeatSlot(0, 2);  // knock-out score 144, equal to the record
    game->EndPunishment();
    EXPECT_EQ(Records(), std::tuple(100000, 144, 2));
    EXPECT_EQ(RecordsOnDisk(), "- - -");  // no record rose: nothing to save

    BeatSlot(1, 3);
    game->EndPunishment();
    EXPECT_EQ(Records(), std::tuple(100000, 216, 3));
    EXPECT_EQ(RecordsOnDisk(), "100000 216 3");
}

// Points overflowing in a later beating stop the game as designed, but first
// save what was earned before: here into a file lost since the last save.
TEST_F(PunishmentOutcomeTest, OverflowStop_SavesTheRecordsOfEarlierBeatings) {
    BeatSlot(0, 2);
    game->EndPunishment();
    std::filesystem::remove(*game->SettingsPath());
    EXPECT_DEATH(
        {
            platform::SaveBeforeExit armed([this] { game->SaveSettings(game->SettingsPath()); });
            State().Points = 2147483647 - 71;
            BeatSlot(1, 1);  // 72 more points
        },
        "overflow");
    EXPECT_EQ(RecordsOnDisk(), "144 144 2");
}

TEST_F(PunishmentOutcomeTest, BeatingWithoutHits_StillKills) {
    State().MaxHits = 4;
    State().MaxKnockOutScore = 10;
    BeatSlot(4, 0);
    game->EndPunishment();
    ASSERT_GE(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].caption, "Got 0 pts");
    EXPECT_EQ(State().MaxHits, 4);
    EXPECT_EQ(State().MaxKnockOutScore, 10);
}

TEST_F(PunishmentOutcomeTest, Beating_EveryFendorGainsLevels) {
    for (int slot = 0; slot < 6; ++slot) {
        FendorIn(slot).SetSense(4);
        FendorIn(slot).SetLv(10);
    }
    BeatSlot(5, 1, 10);
    for (int slot = 0; slot < 6; ++slot) random.Push(4, 4);
    game->EndPunishment();
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(FendorIn(slot).Lv(), 14) << slot;
    }
    EXPECT_EQ(FendorIn(5).Lv(), 1);
}

TEST_F(PunishmentOutcomeTest, BeatenFendorGraduating_ShowsFourMessagesInOrder) {
    FendorIn(1).SetName("ロウ");
    FendorIn(1).SetSense(10);
    BeatSlot(1, 1, 95);
    random.Push(0, 10);   // slot 0 gains nothing
    random.Push(10, 10);  // slot 1 passes 100 and graduates
    random.Push(32, 32);  // its successor: ポチ
    random.Push(0, 9);
    for (int slot = 2; slot < 6; ++slot) random.Push(0, 10);
    random.Push(13, 32);  // the beaten slot's new Fendor: アルファ
    game->EndPunishment();
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[0].text, "ロウは息絶えました．");
    EXPECT_EQ(messages.shown[1].text, "ロウは卒業しました．");
    EXPECT_EQ(messages.shown[2].text, "ポチが入学しました．");
    EXPECT_EQ(messages.shown[3].text, "代わりにアルファが入学しました．");
    EXPECT_EQ(FendorIn(1).Name(), "アルファ");
}

struct PenaltyCase {
    int stressAtStart;
    int after;

    friend void PrintTo(const PenaltyCase& c, std::ostream* os) {
        *os << "From" << c.stressAtStart << "To" << c.after;
    }
};

class JudgePenaltyTest : public PunishmentOutcomeTest,
                         public ::testing::WithParamInterface<PenaltyCase> {};

TEST_P(JudgePenaltyTest, InnocentPick_CostsAQuarterPlusFifteen) {
    State().Stress = GetParam().stressAtStart;
    State().Points = 300;
    State().HitCount = 0;
    State().SelectedSlot = 3;
    ASSERT_FALSE(game->DecideInput(2));
    game->EndPunishment();
    EXPECT_EQ(State().Stress, GetParam().after);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "無実のフェンドルを殴ってしまって裁判官に殴られストレスアップ");
    EXPECT_EQ(messages.shown[0].caption, "Fendo");
    EXPECT_EQ(State().Points, 300);
    EXPECT_EQ(State().FrameDelayMs, 500);
    EXPECT_FALSE(State().InPunishment);
    EXPECT_EQ(RecordsOnDisk(), "- - -");
}

INSTANTIATE_TEST_SUITE_P(Stress, JudgePenaltyTest,
                         ::testing::Values(PenaltyCase{0, 15}, PenaltyCase{100, 140},
                                           PenaltyCase{148, 200}, PenaltyCase{180, 240}),
                         ::testing::PrintToStringParamName());

}  // namespace
