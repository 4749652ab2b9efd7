#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/TitleTexts.h"

namespace {

using windows::title_texts::HowToPunishText;
using windows::title_texts::HowToSelectText;
using windows::title_texts::KeyName;

TEST(TitleTexts, KeyName_NamesExactlySixtyCodes) {
    struct Named {
        int16_t code;
        const char* name;
    };
    const std::vector<Named> named = {
        {65, "A"},   {77, "M"},   {90, "Z"},    {48, "0"},      {57, "9"},      {96, "n0"},
        {101, "n5"}, {105, "n9"}, {33, "PgUp"}, {34, "PgDown"}, {35, "End"},    {36, "Home"},
        {37, "←"},   {38, "↑"},   {39, "→"},    {40, "↓"},      {46, "Delete"}, {106, "n*"},
        {107, "n+"}, {109, "n-"}, {110, "n,"},  {111, "n/"},
    };
    for (const Named& key : named) {
        EXPECT_EQ(KeyName(key.code), key.name) << "code " << key.code;
    }
    // Space, Insert, the keypad separator, F1, Shift, Control, Alt, punctuation, Tab, Enter.
    for (const int16_t refused : {32, 45, 108, 112, 16, 17, 18, 186, 188, 9, 13, 0, -65, 64, 91}) {
        EXPECT_EQ(KeyName(refused), "!!") << "code " << refused;
    }
    int namedCount = 0;
    for (int code = -32768; code <= 32767; ++code) {
        namedCount += KeyName(static_cast<int16_t>(code)) != "!!" ? 1 : 0;
    }
    EXPECT_EQ(namedCount, 60);
}

TEST(TitleTexts, HowToTexts_ForEveryMode) {
    const std::string selectHead = "<<メインシーンでの操作>>\r\n";
    const std::string punishHead = "<<撲殺シーンでの操作>>\r\n";
    EXPECT_EQ(HowToSelectText(0), selectHead + "マウスのクリックでフェンドルを選択");
    EXPECT_EQ(HowToSelectText(1), selectHead + "マウスのクリックでフェンドルを選択");
    EXPECT_EQ(HowToSelectText(2), selectHead + "ASD\r\n  ZXC それぞれのキーで選択");
    EXPECT_EQ(HowToSelectText(3), selectHead);
    EXPECT_EQ(HowToSelectText(-1), selectHead);

    EXPECT_EQ(HowToPunishText(0, 37, 39), punishHead + "左\uFF0C右クリックを交互に連打");
    EXPECT_EQ(HowToPunishText(1, 37, 39), punishHead + "← \uFF0C→ キーを交互に連打");
    EXPECT_EQ(HowToPunishText(2, 81, 111), punishHead + "Q \uFF0Cn/ キーを交互に連打");
    EXPECT_EQ(HowToPunishText(2, 32, 39), punishHead + "!! \uFF0C→ キーを交互に連打");
    EXPECT_EQ(HowToPunishText(7, 37, 39), punishHead);
}

}  // namespace
