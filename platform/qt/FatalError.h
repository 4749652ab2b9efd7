#pragma once

namespace platform {

// Routes the game's overflow traps to a box the player sees before the program stops.
void InstallQtOverflowHandler();

}  // namespace platform
