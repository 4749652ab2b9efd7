#include "platform/qt/KeyMap.h"

#include <array>
#include <utility>

#include "platform/InputCodes.h"

namespace platform {
namespace {

using Key = VirtualKey;
using KeyPair = std::pair<int, int16_t>;

// Keys whose code does not depend on where they sit.
constexpr std::array<KeyPair, 43> kKeys = {{
    {Qt::Key_Backspace, Key::Backspace},
    {Qt::Key_Tab, Key::Tab},
    {Qt::Key_Backtab, Key::Tab},
    {Qt::Key_Clear, Key::Clear},
    {Qt::Key_Return, Key::Return},
    {Qt::Key_Enter, Key::Return},
    {Qt::Key_Shift, Key::Shift},
    {Qt::Key_Control, Key::Control},
    {Qt::Key_Alt, Key::Alt},
    {Qt::Key_AltGr, Key::Alt},
    {Qt::Key_Pause, Key::Pause},
    {Qt::Key_CapsLock, Key::CapsLock},
    {Qt::Key_Escape, Key::Escape},
    {Qt::Key_Space, Key::Space},
    {Qt::Key_PageUp, Key::PageUp},
    {Qt::Key_PageDown, Key::PageDown},
    {Qt::Key_End, Key::End},
    {Qt::Key_Home, Key::Home},
    {Qt::Key_Left, Key::Left},
    {Qt::Key_Up, Key::Up},
    {Qt::Key_Right, Key::Right},
    {Qt::Key_Down, Key::Down},
    {Qt::Key_Print, Key::PrintScreen},
    {Qt::Key_Insert, Key::Insert},
    {Qt::Key_Delete, Key::Delete},
    {Qt::Key_Meta, Key::Windows},
    {Qt::Key_Menu, Key::Menu},
    {Qt::Key_NumLock, Key::NumLock},
    {Qt::Key_ScrollLock, Key::ScrollLock},
    // Punctuation as on a US keyboard; the shifted symbol keeps its key's code.
    {Qt::Key_Semicolon, Key::Semicolon},
    {Qt::Key_Colon, Key::Semicolon},
    {Qt::Key_Equal, Key::Equals},
    {Qt::Key_Less, Key::Comma},
    {Qt::Key_Underscore, Key::Minus},
    {Qt::Key_Greater, Key::Period},
    {Qt::Key_Question, Key::Slash},
    {Qt::Key_QuoteLeft, Key::Backquote},
    {Qt::Key_AsciiTilde, Key::Backquote},
    {Qt::Key_BracketLeft, Key::LeftBracket},
    {Qt::Key_BraceLeft, Key::LeftBracket},
    {Qt::Key_Backslash, Key::Backslash},
    {Qt::Key_Bar, Key::Backslash},
    {Qt::Key_Apostrophe, Key::Quote},
}};

// Keys that mean one thing on the keypad and another on the main block.
struct SplitKey {
    int qtKey;
    int16_t mainCode;
    int16_t keypadCode;
};
constexpr std::array<SplitKey, 8> kSplitKeys = {{
    {Qt::Key_Asterisk, Key::Digit8, Key::Multiply},
    {Qt::Key_Plus, Key::Equals, Key::Add},
    // Comma-decimal layouts (German and others) send the keypad's decimal key
    // as its separator.
    {Qt::Key_Comma, Key::Comma, Key::Decimal},
    {Qt::Key_Minus, Key::Minus, Key::Subtract},
    {Qt::Key_Period, Key::Period, Key::Decimal},
    {Qt::Key_Slash, Key::Slash, Key::Divide},
    {Qt::Key_BracketRight, Key::RightBracket, Key::RightBracket},
    {Qt::Key_QuoteDbl, Key::Quote, Key::Quote},
}};

// Shifted digits on the main block keep their digit's code.
constexpr std::array<KeyPair, 9> kShiftedDigits = {{
    {Qt::Key_Exclam, Key::Digit1},
    {Qt::Key_At, Key::Digit2},
    {Qt::Key_NumberSign, Key::Digit3},
    {Qt::Key_Dollar, Key::Digit4},
    {Qt::Key_Percent, Key::Digit5},
    {Qt::Key_AsciiCircum, Key::Digit6},
    {Qt::Key_Ampersand, Key::Digit7},
    {Qt::Key_ParenLeft, Key::Digit9},
    {Qt::Key_ParenRight, Key::Digit0},
}};

constexpr std::array<std::pair<Qt::MouseButton, int16_t>, 3> kButtons = {{
    {Qt::LeftButton, MouseButton::Left},
    {Qt::RightButton, MouseButton::Right},
    {Qt::MiddleButton, MouseButton::Middle},
}};

constexpr std::array<std::pair<Qt::KeyboardModifier, int16_t>, 3> kShiftKeys = {{
    {Qt::ShiftModifier, ShiftKey::Shift},
    {Qt::ControlModifier, ShiftKey::Control},
    {Qt::AltModifier, ShiftKey::Alt},
}};

template <typename From, size_t N>
int16_t Lookup(const std::array<std::pair<From, int16_t>, N>& table, From from) {
    for (const auto& [key, code] : table) {
        if (key == from) {
            return code;
        }
    }
    return 0;
}

// The codes of every flag that is set, or'ed together.
template <typename Flags, typename Flag, size_t N>
int16_t Mask(const std::array<std::pair<Flag, int16_t>, N>& table, Flags flags) {
    int16_t mask = 0;
    for (const auto& [flag, code] : table) {
        if (flags.testFlag(flag)) {
            mask = static_cast<int16_t>(mask | code);
        }
    }
    return mask;
}

}  // namespace

int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<int16_t>(Key::A + (qtKey - Qt::Key_A));
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return static_cast<int16_t>((keypad ? Key::Numpad0 : Key::Digit0) + (qtKey - Qt::Key_0));
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return static_cast<int16_t>(Key::F1 + (qtKey - Qt::Key_F1));
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
    return Mask(kShiftKeys, modifiers);
}

int16_t MouseButtonFromQt(Qt::MouseButton button) {
    return Lookup(kButtons, button);
}

int16_t ButtonStateFromQt(Qt::MouseButtons buttons) {
    return Mask(kButtons, buttons);
}

}  // namespace platform
