#include <gtest/gtest.h>

#include "platform/qt/KeyMap.h"

namespace {

using platform::VirtualKeyFromQt;

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

TEST(KeyMap, LettersAndDigitsKeepTheirCodesWhateverTheShiftState) {
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A, kNone), 65);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A, Qt::ShiftModifier), 65);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Z, kNone), 90);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_0, kNone), 48);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_9, kNone), 57);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Exclam, Qt::ShiftModifier), 49);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_ParenRight, Qt::ShiftModifier), 48);
}

TEST(KeyMap, KeypadKeysHaveCodesOfTheirOwn) {
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_0, kKeypad), 96);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_5, kKeypad), 101);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_9, kKeypad), 105);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Asterisk, kKeypad), 106);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Plus, kKeypad), 107);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Comma, kKeypad), 108);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, kKeypad), 109);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Period, kKeypad), 110);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Slash, kKeypad), 111);
    // The same symbols on the main block are punctuation keys.
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, kNone), 189);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Period, kNone), 190);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Slash, kNone), 191);
    // Without NumLock the keypad sends the navigation keys.
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Left, kKeypad), 37);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Delete, kKeypad), 46);
}

TEST(KeyMap, NavigationAndControlKeys) {
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_PageUp, kNone), 33);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_PageDown, kNone), 34);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_End, kNone), 35);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Home, kNone), 36);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Left, kNone), 37);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Up, kNone), 38);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Right, kNone), 39);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Down, kNone), 40);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Insert, kNone), 45);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Delete, kNone), 46);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Space, kNone), 32);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Return, kNone), 13);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Shift, Qt::ShiftModifier), 16);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Control, Qt::ControlModifier), 17);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F1, kNone), 112);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F12, kNone), 123);
}

TEST(KeyMap, KeysWithoutACodeGiveZero) {
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_unknown, kNone), 0);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_VolumeUp, kNone), 0);
}

}  // namespace
