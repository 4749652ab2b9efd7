#pragma once

#include <Qt>
#include <cstdint>

// Qt's keys, buttons and modifiers in the game's input codes (platform/InputCodes.h).
namespace platform {

// The Windows virtual-key code of a Qt key event, or 0 for a key the game
// has no code for. Keypad keys are told apart by the keypad modifier; the
// shift state never changes the code (Shift+A is still VirtualKey::A).
int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

// The shift state of a key or mouse event: ShiftKey bits.
int16_t ShiftStateFromQt(Qt::KeyboardModifiers modifiers);

// The code of a pressed mouse button, or 0 for a button the game has no code for.
int16_t MouseButtonFromQt(Qt::MouseButton button);

// The buttons held during a mouse move: MouseButton codes or'ed together.
int16_t ButtonStateFromQt(Qt::MouseButtons buttons);

}  // namespace platform
