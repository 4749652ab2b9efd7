#pragma once

#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Sound.h"

namespace game {

// What the game needs from the world outside its rules. The program wires
// the real ones; tests wire fakes.
struct Services {
    platform::Clock& clock;
    platform::Random& random;
    platform::EventPump& pump;
    platform::MessageBox& messages;
    platform::Sound& sound;
    // The program's folder with its trailing separator; the data folder and
    // the settings file are found relative to it.
    std::string appFolder;
    // Where the best results and control settings are kept; nullopt when
    // there is no usable place, and they last for this session only.
    std::optional<std::string> settingsPath;
};

}  // namespace game
