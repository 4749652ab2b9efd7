#include "platform/qt/KeyMap.h"

#include <array>
#include <utility>

namespace platform {
namespace {

using KeyPair = std::pair<int, int16_t>;

// Keys whose code does not depend on where they sit.
constexpr std::array<KeyPair, 43> kKeys = {{
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // Punctuation as on a US keyboard; the shifted symbol keeps its key's code.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Less, 188},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Greater, 190},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_Apostrophe, 222},
}};

// Keys that mean one thing on the keypad and another on the main block.
struct SplitKey {
    int qtKey;
    int16_t mainCode;
    int16_t keypadCode;
};
constexpr std::array<SplitKey, 8> kSplitKeys = {{
    {Qt::Key_Asterisk, 56, 106},
    {Qt::Key_Plus, 187, 107},
    {Qt::Key_Comma, 188, 108},
    {Qt::Key_Minus, 189, 109},
    {Qt::Key_Period, 190, 110},
    {Qt::Key_Slash, 191, 111},
    {Qt::Key_BracketRight, 221, 221},
    {Qt::Key_QuoteDbl, 222, 222},
}};

// Shifted digits on the main block keep their digit's code.
constexpr std::array<KeyPair, 9> kShiftedDigits = {{
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},
}};

template <size_t N>
int16_t Lookup(const std::array<KeyPair, N>& table, int qtKey) {
    for (const auto& [key, code] : table) {
        if (key == qtKey) {
            return code;
        }
    }
    return 0;
}

}  // namespace

int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<int16_t>(65 + (qtKey - Qt::Key_A));
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return static_cast<int16_t>((keypad ? 96 : 48) + (qtKey - Qt::Key_0));
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return static_cast<int16_t>(112 + (qtKey - Qt::Key_F1));
    }
    for (const SplitKey& split : kSplitKeys) {
        if (split.qtKey == qtKey) {
            return keypad ? split.keypadCode : split.mainCode;
        }
    }
    if (const int16_t code = Lookup(kKeys, qtKey); code != 0) {
        return code;
    }
    return Lookup(kShiftedDigits, qtKey);
}

int16_t ShiftStateFromQt(Qt::KeyboardModifiers modifiers) {
    int16_t mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= 2;
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= 4;
    return mask;
}

}  // namespace platform
