#pragma once

#include <cstdint>

// The game's input codes: one space for the keyboard, the Windows
// virtual-key codes, and the mouse buttons. The settings file stores the
// punch keys as these numbers.
namespace platform {

struct VirtualKey {
    static constexpr int16_t Backspace = 8, Tab = 9, Clear = 12, Return = 13;
    static constexpr int16_t Shift = 16, Control = 17, Alt = 18, Pause = 19, CapsLock = 20;
    static constexpr int16_t Escape = 27, Space = 32;
    static constexpr int16_t PageUp = 33, PageDown = 34, End = 35, Home = 36;
    static constexpr int16_t Left = 37, Up = 38, Right = 39, Down = 40;
    static constexpr int16_t PrintScreen = 44, Insert = 45, Delete = 46;
    static constexpr int16_t Digit0 = 48, Digit1 = 49, Digit2 = 50, Digit3 = 51, Digit4 = 52,
                             Digit5 = 53, Digit6 = 54, Digit7 = 55, Digit8 = 56, Digit9 = 57;
    static constexpr int16_t A = 65, B = 66, C = 67, D = 68, E = 69, F = 70, G = 71, H = 72, I = 73,
                             J = 74, K = 75, L = 76, M = 77, N = 78, O = 79, P = 80, Q = 81, R = 82,
                             S = 83, T = 84, U = 85, V = 86, W = 87, X = 88, Y = 89, Z = 90;
    static constexpr int16_t Windows = 91, Menu = 93;
    static constexpr int16_t Numpad0 = 96, Numpad1 = 97, Numpad2 = 98, Numpad3 = 99, Numpad4 = 100,
                             Numpad5 = 101, Numpad6 = 102, Numpad7 = 103, Numpad8 = 104,
                             Numpad9 = 105;
    static constexpr int16_t Multiply = 106, Add = 107, Separator = 108, Subtract = 109,
                             Decimal = 110, Divide = 111;
    // F2 to F24 follow F1 without a gap.
    static constexpr int16_t F1 = 112;
    static constexpr int16_t NumLock = 144, ScrollLock = 145;
    // The punctuation keys, named after what they show on a US keyboard.
    static constexpr int16_t Semicolon = 186, Equals = 187, Comma = 188, Minus = 189, Period = 190,
                             Slash = 191, Backquote = 192;
    static constexpr int16_t LeftBracket = 219, Backslash = 220, RightBracket = 221, Quote = 222;
};

struct MouseButton {
    static constexpr int16_t Left = 1, Right = 2, Middle = 4;
};

// The bits of the shift state that key and mouse events carry.
struct ShiftKey {
    static constexpr int16_t Shift = 1, Control = 2, Alt = 4;
};

}  // namespace platform
