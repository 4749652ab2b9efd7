#include <gtest/gtest.h>

#include <filesystem>

#include "core/Game.h"
#include "core/GameState.h"
#include "core/RosterLayout.h"
#include "fakes/GameFixture.h"

namespace {

using fakes::PartColour;

class SelectionSceneTest : public fakes::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        StartGame();
    }

    // The test sheet marks each cell by one pixel at its top-left corner.
    uint32_t PartPixel(int slot, int part, int dx = 0, int dy = 0) {
        const auto anchor = game::RosterAnchor(slot);
        const auto& body = game::kBodyParts[static_cast<size_t>(part)];
        return picMain.Pixel(anchor.x + body.dx + dx, anchor.y + body.dy + dy);
    }
};

TEST_F(SelectionSceneTest, Anchors_FollowTheTwoRows) {
    for (const auto& [slot, x, y] :
         {std::tuple{0, 216, 80}, {2, 316, 80}, {3, 256, 130}, {5, 356, 130}}) {
        EXPECT_EQ(game::RosterAnchor(slot).x, x);
        EXPECT_EQ(game::RosterAnchor(slot).y, y);
    }
}

TEST_F(SelectionSceneTest, CalmFrame_DrawsEveryPartAtItsPlaceAndAlternatesFrames) {
    State().Stress = 37;
    ASSERT_TRUE(State().AnimPhase);
    game->DrawRoster();
    for (int slot = 0; slot < 6; ++slot) {
        for (int part = 0; part < 6; ++part) {
            // Phase -1: parts 4 and 5 show frame 1, the others frame 0.
            const int frame = part >= 4 ? 1 : 0;
            EXPECT_EQ(PartPixel(slot, part), PartColour(part, frame))
                << "slot " << slot << " part " << part;
        }
    }
    EXPECT_FALSE(State().AnimPhase);
    EXPECT_EQ(State().Stress, 37);

    game->DrawRoster();
    for (int part = 0; part < 6; ++part) {
        EXPECT_EQ(PartPixel(4, part), PartColour(part, part >= 4 ? 0 : 1));
    }
    EXPECT_TRUE(State().AnimPhase);
}

TEST_F(SelectionSceneTest, Frame_RestoresTheBackgroundFirst) {
    picMain.Fill(0x00123456);
    game->DrawRoster();
    EXPECT_EQ(picMain.Pixel(0, 0), fakes::kFieldColour);
    EXPECT_EQ(picMain.Pixel(399, 199), fakes::kFieldColour);
    // Transparent parts of a cell leave the background alone.
    EXPECT_EQ(PartPixel(0, 1, 1, 1), fakes::kFieldColour);
}

TEST_F(SelectionSceneTest, Frame_DoesNothingDuringAPunishment) {
    State().InPunishment = true;
    picMain.Fill(0x00123456);
    const auto phase = State().AnimPhase;
    game->DrawRoster();
    EXPECT_EQ(picMain.Pixel(0, 0), 0x00123456u);
    EXPECT_EQ(State().AnimPhase, phase);
}

TEST_F(SelectionSceneTest, Misdeeds_AddTheirSeverityToStressThenClamp) {
    MakeGuilty(1, 3);
    MakeGuilty(4, 2);
    State().Stress = 10;
    game->DrawRoster();
    EXPECT_EQ(State().Stress, 15);
    MakeGuilty(0, 4);
    State().Stress = 198;
    game->DrawRoster();
    EXPECT_EQ(State().Stress, 200);
}

TEST_F(SelectionSceneTest, WorstMisdeed_JerksOnePartAndSwapsTheWalk) {
    MakeGuilty(0, 4);
    random.Push(2, 5);  // twitch part 2
    random.Push(1, 1);  // keep the sign
    random.Push(0, 1);  // along x
    game->DrawRoster();
    // Phase was -1; amplitude 4 inverts every part's flag.
    EXPECT_EQ(PartPixel(0, 0), PartColour(0, 1));
    EXPECT_EQ(PartPixel(0, 4), PartColour(4, 0));
    EXPECT_EQ(PartPixel(0, 2, 4, 0), PartColour(2, 1));
    EXPECT_EQ(PartPixel(0, 2), fakes::kFieldColour);
    // The next Fendor is calm: no jerk and the ordinary walk.
    EXPECT_EQ(PartPixel(1, 2), PartColour(2, 0));
}

TEST_F(SelectionSceneTest, NegatedJerk_KeepsThatPartInStep) {
    MakeGuilty(3, 4);
    // Slots 0-2 are calm: two behaviour draws each, plus the twitch part 0's two.
    for (int i = 0; i < 3 * 4; ++i) random.script.push_back(0.7f);
    random.Push(5, 5);  // twitch part 5
    random.Push(0, 1);  // negate: amplitude -4
    random.Push(1, 1);  // along y
    game->DrawRoster();
    EXPECT_EQ(PartPixel(3, 5, 0, -4), PartColour(5, 1));
    EXPECT_EQ(PartPixel(3, 4), PartColour(4, 0));
    EXPECT_EQ(PartPixel(3, 0), PartColour(0, 1));
}

TEST_F(SelectionSceneTest, MildMisdeed_KeepsTheWalkAndMovesByItsSeverity) {
    MakeGuilty(2, 2);
    for (int i = 0; i < 2 * 4; ++i) random.script.push_back(0.7f);
    random.Push(1, 5);  // twitch part 1, the head
    random.Push(1, 1);
    random.Push(1, 1);  // along y, +2
    game->DrawRoster();
    EXPECT_EQ(PartPixel(2, 1, 0, 2), PartColour(1, 0));
    EXPECT_EQ(PartPixel(2, 4), PartColour(4, 1));
}

TEST_F(SelectionSceneTest, SlotInfoAt_UsesInclusiveBandsAndTheUpperRowWinsAtTheSeam) {
    struct Case {
        int x, y, slot;
    };
    const Case cases[] = {{200, 80, 0},   {250, 100, 0},  {251, 100, 1},  {300, 129, 1},
                          {301, 129, 2},  {350, 80, 2},   {380, 129, 5},  {240, 130, 3},
                          {290, 178, 3},  {291, 150, 4},  {341, 178, 5},  {390, 178, 5},
                          {200, 130, -1}, {199, 100, -1}, {351, 100, -1}, {300, 179, -1},
                          {391, 150, -1}, {250, 79, -1}};
    for (const Case& c : cases) {
        const std::string text = game->SlotInfoAt(c.x, c.y);
        EXPECT_EQ(State().SelectedSlot, c.slot) << c.x << "," << c.y;
        if (c.slot < 0) {
            EXPECT_EQ(text, "");
        } else {
            EXPECT_EQ(text, FendorIn(c.slot).GetFendorData());
        }
    }
}

TEST_F(SelectionSceneTest, SlotInfoAt_KeyboardOnlyShowsNothingAndKeepsTheSlot) {
    State().InputMode = game::kKeyboardOnly;
    State().SelectedSlot = 4;
    EXPECT_EQ(game->SlotInfoAt(220, 100), "");
    EXPECT_EQ(State().SelectedSlot, 4);
    EXPECT_EQ(game->SlotInfoAt(0, 0), "");
    EXPECT_EQ(State().SelectedSlot, 4);
}

TEST_F(SelectionSceneTest, SlotInfoAt_DuringAPunishmentShowsThePunishedFendor) {
    FendorIn(3).SetName("ポチ");
    FendorIn(3).SetLv(7);
    State().SelectedSlot = 3;
    State().InPunishment = true;
    EXPECT_EQ(game->SlotInfoAt(0, 0), "ポチ; Lv7");
    EXPECT_EQ(game->SlotInfoAt(220, 100), "ポチ; Lv7");
    EXPECT_EQ(State().SelectedSlot, 3);
}

TEST_F(SelectionSceneTest, RemovedBackground_KeepsTheOldPictureAndTheGameGoesOn) {
    std::filesystem::remove(appFolder / "fdata" / "default_m.bmp");
    picMain.Fill(0x00123456);
    game->DrawRoster();
    EXPECT_EQ(picMain.Pixel(0, 0), 0x00123456u);
    EXPECT_EQ(PartPixel(0, 1), PartColour(1, 0));
    EXPECT_FALSE(State().AnimPhase);
}

}  // namespace
