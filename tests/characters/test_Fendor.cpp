#include <gtest/gtest.h>

#include <tuple>

#include "characters/Fendor.h"
#include "characters/FendorNames.h"
#include "fakes/FakePlatform.h"

namespace {

class FendorTest : public ::testing::Test {
protected:
    fakes::FakeRandom random;
    fakes::FakeMessageBox messages;
    characters::Fendor fendor{random, messages};

    // Makes a calm level-1 Fendor named after table entry `nameIndex`.
    void CreateWith(int nameIndex, int senseMinusOne) {
        random.Push(nameIndex, 32);
        random.Push(senseMinusOne, 9);
        fendor.Create();
    }
    // Name, Sense, Lv, Miss and MissTime.
    auto Traits() const {
        return std::tuple(fendor.Name(), fendor.Sense(), fendor.Lv(), fendor.Miss(),
                          fendor.MissTime());
    }
};

TEST_F(FendorTest, Create_DrawsNameThenSenseAndStartsCalmAtLevelOne) {
    CreateWith(32, 9);
    EXPECT_EQ(Traits(), std::tuple("ポチ", 10, 1, 0, 0));
    EXPECT_FALSE(fendor.Attack());
    EXPECT_EQ(fendor.GetFendorData(), "ポチ; Lv1");

    CreateWith(0, 0);
    EXPECT_EQ(fendor.Name(), "エリュフォード");
    EXPECT_EQ(fendor.Sense(), 1);
}

TEST_F(FendorTest, NameTable_HasThirtyThreeNamesInOrder) {
    const auto& names = characters::FendorNames;
    ASSERT_EQ(names.size(), 33u);
    EXPECT_EQ(names[7], "ヒッポリュテー");
    EXPECT_EQ(names[18], "レインミリウ");
    EXPECT_EQ(names[26], "デュラフィーク");
    EXPECT_EQ(names[31], "イエプニュス");
}

TEST_F(FendorTest, Create_HalvesTheChanceOfTheFirstAndLastName) {
    // round(r x 32) is 0 only for r <= 1/64 and 32 only for r >= 63/64.
    for (const auto& [r, name] :
         {std::pair{0.0156f, "エリュフォード"}, {0.0157f, "シルキリ"}, {0.985f, "ポチ"}}) {
        random.script = {r, 0.0f};
        fendor.Create();
        EXPECT_EQ(fendor.Name(), name);
    }
}

// At level 1 the severity is (s + 1), folded by tens and fives into 1..4.
TEST_F(FendorTest, DoFendo_MisdeedSeverityAtLevelOneFollowsTheTable) {
    // The severity after each severity draw s, from 0 to 50.
    const std::string expected = "123411111111111111122222222223333333333444444444411";
    for (int s = 0; s <= 50; ++s) {
        CreateWith(3, 0);
        random.Push(150, 150);  // no level-up
        random.Push(0, 6);      // misdeed starts
        random.Push(s, 50);
        fendor.DoFendo();
        EXPECT_EQ(fendor.Miss(), expected[static_cast<size_t>(s)] - '0') << "s = " << s;
        EXPECT_EQ(fendor.MissTime(), 6);
        EXPECT_TRUE(fendor.Attack());
    }
}

TEST_F(FendorTest, DoFendo_FromLevelFiftyOneEveryMisdeedIsMild) {
    CreateWith(3, 0);
    fendor.SetLv(51);
    random.Push(150, 150);
    random.Push(0, 56);
    random.Push(50, 50);
    fendor.DoFendo();
    EXPECT_EQ(fendor.Miss(), 1);
}

TEST_F(FendorTest, DoFendo_DrawsLevelUpThenMisdeedThenSeverity) {
    CreateWith(3, 4);  // Sense 5
    // Level-up draw 5: 5 - Sense <= 0, so a level is gained; then misdeed draw
    // over Lv + 5 = 7; then the severity.
    random.Push(5, 150);
    random.Push(0, 7);
    random.Push(6, 50);
    fendor.DoFendo();
    EXPECT_EQ(fendor.Lv(), 2);
    // The severity divides by the level just gained: 6 \ 2 + 1 = 4 (at level 1 it would be 1).
    EXPECT_EQ(fendor.Miss(), 4);
    EXPECT_EQ(fendor.MissTime(), 6);
    EXPECT_TRUE(random.script.empty());
}

TEST_F(FendorTest, DoFendo_LevelUpNeedsTheDrawAtMostSense) {
    CreateWith(3, 4);  // Sense 5
    random.Push(6, 150);
    random.Push(1, 6);  // no misdeed
    fendor.DoFendo();
    EXPECT_EQ(fendor.Lv(), 1);
    EXPECT_EQ(fendor.Miss(), 0);
    EXPECT_EQ(random.draws, 4);
}

TEST_F(FendorTest, DoFendo_RunningMisdeedCountsDownWithoutDrawing) {
    CreateWith(3, 0);
    fendor.SetMiss(3);
    fendor.SetMissTime(6);
    const int drawsBefore = random.draws;
    for (int left = 5; left >= 1; --left) {
        fendor.DoFendo();
        EXPECT_EQ(fendor.MissTime(), left);
        EXPECT_EQ(fendor.Miss(), 3);
    }
    EXPECT_EQ(random.draws, drawsBefore);
}

TEST_F(FendorTest, DoFendo_LastMisdeedFrameCanStartANewMisdeedAtOnce) {
    CreateWith(3, 0);
    fendor.SetMiss(4);
    fendor.SetMissTime(1);
    random.Push(150, 150);
    random.Push(0, 6);
    random.Push(0, 50);
    fendor.DoFendo();
    EXPECT_EQ(fendor.Miss(), 1);
    EXPECT_EQ(fendor.MissTime(), 6);

    fendor.SetMissTime(1);
    random.Push(150, 150);
    random.Push(3, 6);
    fendor.DoFendo();
    EXPECT_EQ(fendor.Miss(), 0);
    EXPECT_EQ(fendor.MissTime(), 0);
    EXPECT_FALSE(fendor.Attack());
}

TEST_F(FendorTest, DoFendo_GraduationMidFrameIsFollowedByAMisdeedDrawAtLevelOne) {
    CreateWith(5, 9);  // "ガラス", Sense 10
    fendor.SetLv(100);
    random.Push(0, 150);             // level-up to 101: graduates
    random.Push(32, 32);             // successor's name
    random.Push(0, 9);               // successor's Sense 1
    random.script.push_back(0.05f);  // misdeed draw over 1 + 5: round(0.3) = 0
    random.Push(10, 50);             // severity 10 \ 1 + 1 = 11 -> 1
    fendor.DoFendo();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "ガラスは卒業しました．");
    EXPECT_EQ(messages.shown[0].caption, "Fendo");
    EXPECT_EQ(messages.shown[1].text, "ポチが入学しました．");
    EXPECT_EQ(Traits(), std::tuple("ポチ", 1, 1, 1, 6));
    EXPECT_TRUE(random.script.empty());
}

TEST_F(FendorTest, LvUp_WithoutNoticeKeepsLevelsAboveAHundredAndEndsTheMisdeed) {
    CreateWith(3, 0);
    fendor.SetLv(99);
    fendor.SetMiss(2);
    fendor.SetMissTime(4);
    fendor.LvUp(false, 5);
    EXPECT_EQ(Traits(), std::tuple("ロウ", 1, 104, 0, 0));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FendorTest, LvUp_ZeroIncreaseGainsARandomZeroToSense) {
    CreateWith(3, 0);        // Sense 1
    random.script = {0.5f};  // round(0.5) = 0: ties to even
    fendor.LvUp(true, 0);
    EXPECT_EQ(fendor.Lv(), 1);
    random.script = {0.51f};
    fendor.LvUp(true, 0);
    EXPECT_EQ(fendor.Lv(), 2);
    fendor.SetSense(10);
    random.Push(10, 10);
    fendor.LvUp(true, -3);
    EXPECT_EQ(fendor.Lv(), 12);
}

TEST_F(FendorTest, LvUp_OnlyPastAHundredGraduatesWithTwoBoxes) {
    CreateWith(32, 0);
    fendor.SetLv(99);
    fendor.LvUp(true, 1);
    EXPECT_EQ(fendor.Lv(), 100);
    EXPECT_EQ(fendor.Name(), "ポチ");
    EXPECT_TRUE(messages.shown.empty());

    random.Push(1, 32);
    random.Push(3, 9);
    fendor.LvUp(true, 1);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "ポチは卒業しました．");
    EXPECT_EQ(messages.shown[1].text, "シルキリが入学しました．");
    EXPECT_EQ(Traits(), std::tuple("シルキリ", 4, 1, 0, 0));
    EXPECT_FALSE(fendor.Attack());
}

TEST_F(FendorTest, PointsCalc_DividesOnceAtTheEnd) {
    CreateWith(3, 0);
    // Lv, MissTime, Miss, hits and the points. Dividing the per-frame factor
    // 2 x Lv x MissTime first would give 0 in the last two.
    const int rows[][5] = {{1, 6, 1, 1, 72},  {1, 6, 4, 1, 18}, {1, 6, 4, 0, 0},
                           {3, 5, 3, 7, 420}, {1, 1, 3, 1, 4},  {1, 1, 4, 1, 3}};
    for (const auto& [lv, missTime, miss, hits, points] : rows) {
        fendor.SetLv(lv);
        fendor.SetMissTime(missTime);
        fendor.SetMiss(miss);
        EXPECT_EQ(fendor.PointsCalc(hits), points) << lv << missTime << miss << hits;
        EXPECT_EQ(fendor.Miss(), miss);
    }
}

TEST_F(FendorTest, PointsCalc_OverflowStopsTheProgram) {
    CreateWith(3, 0);
    fendor.SetLv(1000000);
    fendor.SetMissTime(6);
    fendor.SetMiss(1);
    EXPECT_DEATH(fendor.PointsCalc(1000), "overflow");
}

}  // namespace
