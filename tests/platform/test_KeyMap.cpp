#include <gtest/gtest.h>

#include "platform/qt/KeyMap.h"

namespace {

using platform::VirtualKeyFromQt;

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

// The codes are the stored settings' and Windows': written out, never taken from our header.
TEST(KeyMap, EachKeyGetsItsWindowsCodeWhateverTheShiftState) {
    struct Key {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        int16_t code;
    };
    // clang-format off
    const Key keys[] = {
        {Qt::Key_A, kNone, 65}, {Qt::Key_A, kShift, 65}, {Qt::Key_Z, kNone, 90},
        {Qt::Key_0, kNone, 48}, {Qt::Key_9, kNone, 57}, {Qt::Key_Exclam, kShift, 49},
        {Qt::Key_ParenRight, kShift, 48}, {Qt::Key_ParenLeft, kShift, 57},
        {Qt::Key_Asterisk, kShift, 56}, {Qt::Key_AltGr, kNone, 18},
        // The keypad has codes of its own; the same symbols on the main block are punctuation.
        {Qt::Key_0, kKeypad, 96}, {Qt::Key_5, kKeypad, 101}, {Qt::Key_9, kKeypad, 105},
        {Qt::Key_Asterisk, kKeypad, 106}, {Qt::Key_Plus, kKeypad, 107},
        // The decimal key of comma layouts comes as the keypad's comma.
        {Qt::Key_Comma, kKeypad, 110}, {Qt::Key_Minus, kKeypad, 109},
        {Qt::Key_Period, kKeypad, 110}, {Qt::Key_Slash, kKeypad, 111},
        {Qt::Key_Minus, kNone, 189}, {Qt::Key_Period, kNone, 190}, {Qt::Key_Slash, kNone, 191},
        // Without NumLock the keypad sends the navigation keys.
        {Qt::Key_Left, kKeypad, 37}, {Qt::Key_Delete, kKeypad, 46},
        {Qt::Key_PageUp, kNone, 33}, {Qt::Key_PageDown, kNone, 34}, {Qt::Key_End, kNone, 35},
        {Qt::Key_Home, kNone, 36}, {Qt::Key_Left, kNone, 37}, {Qt::Key_Up, kNone, 38},
        {Qt::Key_Right, kNone, 39}, {Qt::Key_Down, kNone, 40}, {Qt::Key_Insert, kNone, 45},
        {Qt::Key_Delete, kNone, 46}, {Qt::Key_Space, kNone, 32}, {Qt::Key_Return, kNone, 13},
        {Qt::Key_Tab, kNone, 9}, {Qt::Key_Backtab, kShift, 9},
        {Qt::Key_Shift, kShift, 16}, {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_F1, kNone, 112}, {Qt::Key_F12, kNone, 123}, {Qt::Key_F24, kNone, 135},
        // Keys without a code.
        {Qt::Key_unknown, kNone, 0}, {Qt::Key_VolumeUp, kNone, 0},
    };
    // clang-format on
    for (const Key& key : keys) {
        EXPECT_EQ(VirtualKeyFromQt(key.qtKey, key.modifiers), key.code) << "Qt key " << key.qtKey;
    }
}

TEST(KeyMap, ButtonsAndShiftStatesAsTheWindowsReportThem) {
    EXPECT_EQ(platform::MouseButtonFromQt(Qt::LeftButton), 1);
    EXPECT_EQ(platform::MouseButtonFromQt(Qt::RightButton), 2);
    EXPECT_EQ(platform::MouseButtonFromQt(Qt::MiddleButton), 4);
    EXPECT_EQ(platform::MouseButtonFromQt(Qt::BackButton), 0);
    EXPECT_EQ(platform::ButtonStateFromQt(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(platform::ShiftStateFromQt(kShift | Qt::AltModifier | kKeypad), 5);
    EXPECT_EQ(platform::ShiftStateFromQt(Qt::ControlModifier), 2);
}

}  // namespace
