#pragma once

#include <string_view>

namespace platform {

// Tells the player of an overflow trap in a box, then stops the program. `main`
// installs it as the overflow handler of the game's arithmetic.
[[noreturn]] void ShowOverflowAndAbort(std::string_view what);

}  // namespace platform
