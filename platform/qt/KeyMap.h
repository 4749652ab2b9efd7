#pragma once

#include <Qt>
#include <cstdint>

namespace platform {

// The Windows virtual-key code of a Qt key event, or 0 for a key the game
// has no code for. Keypad keys are told apart by the keypad modifier; the
// shift state never changes the code (Shift+A is still 65).
int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

// The shift state of a key or mouse event: 1 Shift, 2 Control, 4 Alt.
int16_t ShiftStateFromQt(Qt::KeyboardModifiers modifiers);

}  // namespace platform
