#include <gtest/gtest.h>

#include "core/Game.h"
#include "fakes/GameFixture.h"

namespace {

class PunishmentSceneTest : public fakes::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        StartGame();
        clock.now = 1000;
        MakeGuilty(0);
        State().SelectedSlot = 0;
        ASSERT_TRUE(game->DecideInput(1));
    }

    // One burst: no background repaint, then the two row offsets.
    void ScriptBurst(int r100, int r70) {
        random.Push(3, 5);
        random.Push(r100, 100);
        random.Push(r70, 70);
    }
};

TEST_F(PunishmentSceneTest, Burst_DrawsTheFistAndItsTrailFortyPixelsApart) {
    ScriptBurst(0, 0);
    game->PlayPunch("b", 6000);
    // The test punch cells mark their top-left pixel.
    for (int x : {180, 140, 100, 60}) {
        EXPECT_EQ(picMain.Pixel(x, 30), fakes::kTrailColour) << x;
    }
    // The fist stood in front at 140, 100, 60; the trail covered each later.
    EXPECT_EQ(picMain.Pixel(20, 30), fakes::kBeatingColour);
    EXPECT_EQ(clock.sleptMs, 12);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], appFolder.string() + "/fdata/default_p.wav");
}

TEST_F(PunishmentSceneTest, Burst_RowFollowsTheRandomOffsets) {
    ScriptBurst(100, 70);
    game->PlayPunch("b", 6000);
    EXPECT_EQ(picMain.Pixel(200, 130), fakes::kTrailColour);
    EXPECT_EQ(picMain.Pixel(80, 130), fakes::kTrailColour);
}

// Every one of 150 bursts in a row, none nested, sounds.
TEST_F(PunishmentSceneTest, Burst_StopsWhenTheSceneTimeIsOverButStillSounds) {
    clock.now = 1000 + 6001;
    for (int burst = 0; burst < 150; ++burst) {
        game->PlayPunch("b", 6000);
    }
    EXPECT_EQ(picMain.Pixel(180, 30), fakes::kBeatingColour);
    EXPECT_EQ(sound.played.size(), 150u);
    EXPECT_EQ(clock.sleptMs, 0);
}

TEST_F(PunishmentSceneTest, OneBurstInTen_RepaintsTheSceneFirst) {
    picMain.Fill(0x00112233);
    random.Push(0, 5);
    random.Push(0, 100);
    random.Push(0, 70);
    game->PlayPunch("b", 6000);
    EXPECT_EQ(picMain.Pixel(399, 199), fakes::kBeatingColour);
}

TEST_F(PunishmentSceneTest, OutsideAPunishment_OnlyTheRepaintCanHappen) {
    State().InPunishment = false;
    picMain.Fill(0x00112233);
    random.Push(0, 5);
    game->PlayPunch("b", 6000);
    EXPECT_EQ(picMain.Pixel(0, 0), fakes::kBeatingColour);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(random.script.empty());
}

TEST_F(PunishmentSceneTest, GameEndingMidBurst_StopsItAtTheNextStep) {
    ScriptBurst(0, 0);
    pump.Soon([this] { game->ShowGameOver(); });
    game->PlayPunch("b", 6000);
    EXPECT_EQ(picMain.Pixel(180, 30), fakes::kBeatingColour);
    EXPECT_EQ(clock.sleptMs, 0);
}

TEST_F(PunishmentSceneTest, BurstsNest_AHitDuringAStepPlaysAWholeBurstFirst) {
    ScriptBurst(0, 0);
    // The nested burst's row is 60 pixels lower.
    pump.Soon([this] {
        ScriptBurst(60, 0);
        game->PlayPunch("b", 6000);
    });
    game->PlayPunch("b", 6000);
    EXPECT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(picMain.Pixel(150, 90), fakes::kTrailColour);
    EXPECT_EQ(picMain.Pixel(30, 90), fakes::kTrailColour);
    EXPECT_EQ(picMain.Pixel(60, 30), fakes::kTrailColour);
    EXPECT_EQ(clock.sleptMs, 24);
}

}  // namespace
