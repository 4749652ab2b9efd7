#pragma once

#include "platform/Sound.h"

// The one function the sound module exports: it makes the module's sound,
// which the caller owns. The program loads the module by its path and finds
// this function by its name.
extern "C" platform::Sound* FendoCreateSound();

namespace platform {

inline constexpr char kSoundModuleEntry[] = "FendoCreateSound";

}  // namespace platform
